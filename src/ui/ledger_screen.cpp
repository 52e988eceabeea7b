// The ledger screen: the ledgers of the reports made in this run, kept by
// their bytes, shown with their split and rank.
#include "ledger_screen.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dialogs.h"
#include "prompt_row.h"
#include "screen.h"
#include "screen_text.h"

const char LEDGER_CONTINUE_PROMPT[] =
    "Hit any key to continue.  l: ledger of this report";

namespace {

// The most reports whose ledgers a run keeps; the oldest go first.
constexpr std::size_t MAX_KEPT = 1000;
// The body's first row, and the rows below it: a blank one, the message
// row and the prompt row.
constexpr int FIRST_ROW = 5;
constexpr int ROWS_BELOW = 3;
constexpr char TITLE[] = "LEDGER OF THIS REPORT";
constexpr char KEYS_HINT[] =
    "Up/Down PgUp/PgDn: scroll  s: split between players  Escape: back";
constexpr char NOT_KEPT[] =
    "No ledger for this report: it was not made in this session.";

struct kept_report {
  std::size_t size = 0;
  std::size_t digest = 0;
  hoard_ledger ledger;
  const info_tables *tables = nullptr;  // null: no rank
  settings config{};
};

std::deque<kept_report> &kept() {
  static std::deque<kept_report> reports;
  return reports;
}

// The players the ledger was last split between in this run; 0 for none.
int last_players = 0;

std::size_t digest_of(std::string_view report) {
  return std::hash<std::string_view>{}(report);
}

const kept_report *find_kept(std::string_view report) {
  const std::size_t digest = digest_of(report);
  for (auto k = kept().rbegin(); k != kept().rend(); ++k)
    if (k->size == report.size() && k->digest == digest) return &*k;
  return nullptr;
}

int body_rows() { return scr().rows() - FIRST_ROW - ROWS_BELOW; }

// The ledger's lines; one too wide for the screen goes on, at a blank where
// it has one, on lines indented under the amounts.
constexpr int GOES_ON_INDENT = 22;

std::vector<std::string> ledger_lines(const kept_report &k) {
  ledger_request asked;
  asked.split = last_players;
  std::string text;
  if (k.tables) {
    asked.rank = true;
    const generation_input in{*k.tables, k.config, " ", " ", today()};
    show_prompt("Counting 2,000 hoards for the rank...", prompt_blank::row);
    scr().refresh();
    const ledger_rank rank =
        rank_ledger(k.ledger, reference_totals(in), asked.rates);
    text = ledger_text(k.ledger, asked, &rank, reference_name(in),
                       "Ledger of this report");
  } else {
    text = ledger_text(k.ledger, asked, nullptr, "", "Ledger of this report") +
           "  rank:             none for a manual generation\n";
  }
  std::vector<std::string> lines;
  const int width = scr().cols() - 2;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = std::min(text.find('\n', at), text.size());
    std::string_view rest(text.data() + at, end - at);
    for (bool first = true; first || !rest.empty(); first = false) {
      const int indent = first ? 0 : GOES_ON_INDENT;
      std::string_view part = fit_cells(rest, width - indent);
      if (part.empty()) part = rest.substr(0, 1);  // a character too wide
      const std::size_t blank = part.rfind(' ');
      if (part.size() < rest.size() && blank != std::string_view::npos &&
          blank > 0)
        part = part.substr(0, blank);
      lines.push_back(std::string(indent, ' ') + std::string(part));
      rest.remove_prefix(part.size());
      while (!rest.empty() && rest[0] == ' ') rest.remove_prefix(1);
    }
    at = end + 1;
  }
  return lines;
}

void draw(const std::vector<std::string> &lines, int top,
          const std::string &message) {
  text_screen &screen = scr();
  draw_heading(TITLE);
  for (int r = 0; r < body_rows() && top + r < static_cast<int>(lines.size());
       ++r) {
    screen.move(FIRST_ROW + r, 1);
    screen.write(lines[top + r].c_str());
  }
  screen.move(screen.rows() - 2, 1);
  screen.write(message.c_str());
}

}  // namespace

void keep_ledger(std::string_view report, const hoard_ledger &ledger,
                 const generation_input *ranked_with) {
  if (kept().size() == MAX_KEPT) kept().pop_front();
  kept_report k;
  k.size = report.size();
  k.digest = digest_of(report);
  k.ledger = ledger;
  if (ranked_with) {
    k.tables = &ranked_with->tables;
    k.config = ranked_with->config;
  }
  kept().push_back(std::move(k));
}

bool ledger_kept_for_size(long long size) {
  for (const kept_report &k : kept())
    if (static_cast<long long>(k.size) == size) return true;
  return false;
}

void show_ledger(std::string_view report) {
  const kept_report *k = find_kept(report);
  std::vector<std::string> lines =
      k ? ledger_lines(*k) : std::vector<std::string>{NOT_KEPT};
  std::string message;
  int top = 0;
  for (;;) {
    draw(lines, top, message);
    show_prompt(k ? KEYS_HINT : "Escape: back", prompt_blank::row);
    message.clear();
    const int last_top =
        std::max(0, static_cast<int>(lines.size()) - body_rows());
    const int key = scr().read_key();
    if (key == KEY_ESC || key == 'q' || key == 'Q') return;
    if (key == KEY_PAD_DOWN || key == KEY_PAD_PGDN)
      top = std::min(last_top, top + (key == KEY_PAD_DOWN ? 1 : body_rows()));
    if (key == KEY_PAD_UP || key == KEY_PAD_PGUP)
      top = std::max(0, top - (key == KEY_PAD_UP ? 1 : body_rows()));
    if (k && (key == 's' || key == 'S')) {
      const std::string question = "Split between how many players (1-" +
                                   std::to_string(MAX_PLAYERS) + ")? ";
      show_prompt(question.c_str(), prompt_blank::row);
      const int players = read_number_field(1, MAX_PLAYERS);
      if (players < 0) continue;  // Escape or nothing typed
      last_players = players;
      lines = ledger_lines(*k);
      message = "Split between " + std::to_string(players) + " players.";
    }
  }
}
