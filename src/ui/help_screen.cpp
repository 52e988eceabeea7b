// The help pages opened with "?" or F1 on the main menu: the keys of every
// screen, what each setting is for, the coins of the reports and the files,
// the viewer's keys, then what each number does to the treasure.
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "dialogs.h"
#include "number_explanations.h"
#include "prompt_row.h"
#include "reader_screens.h"
#include "screen.h"

namespace {

struct help_page {
  const char *heading;
  const char *text;  // rows from row 5, each ending in a line end
};

// clang-format off
constexpr help_page HELP_PAGES[] = {
  {"HELP: KEYS",
   " Main menu     1-9, F: the dialogue beside the key    R: earlier reports\n"
   "               ? or F1: this help (Escape leaves it)  Q or Escape: leave\n"
   " Every field   Enter accepts; Escape leaves and changes nothing\n"
   "               Backspace (or Ctrl-H) erases the character before the cursor\n"
   " Numbers       digits; Enter waits while the number is outside the range\n"
   " Yes/no        y or n, then Enter\n"
   " Texts         letters, digits, blanks, { } and _ (59 at most)\n"
   " Output name   letters, digits, { } and _ (8 at most; .hxo is added)\n"
   "  and texts    Left/Right, Home/End move; Delete erases at the cursor,\n"
   "               Ctrl-U all before it; a character not allowed beeps\n"
   " Lists (1, 2)  the number and Enter; Space: the next page of monsters;\n"
   "               letters narrow the list to the names holding them (_ is a\n"
   "               blank); Up/Down, PgUp/PgDn move a mark; Enter picks it\n"
   " Manual (8)    1: random treasures of the lair   2: coins\n"
   "               3: gems, jewels, jewelry   4: fine metal   5: military\n"
   "               6: magic   7: other   G: generate   M or Escape: back\n"
   "               Backspace: undo   Space: page 2   G after a report: again\n"
   " Report        any key turns a page; at its end l: its ledger (Escape: back)\n"
   " Earlier       Up/Down: a line   PgUp/PgDn: a page   n/p: next/previous\n"
   "  reports (R)  report   / ?: search   q or Escape: back (all keys: page 3)\n"},
  {"HELP: SETTINGS, COINS AND FILES",
   " Monster       its lair treasures, what it carries, its special scores\n"
   " Lair          the area table giving the kind of each lair treasure\n"
   " Creature CDF  the kind of coins found\n"
   " Group's CDF   the number of coins found\n"
   " Jeweler's EL  raises gems, jewels, jewelry and fine metal (0: unknown)\n"
   " Special       Station, MEL, CEL and the yes/no answers: extra lair\n"
   "  scores       treasure, the coins of a Station and what it carries\n"
   " Comments      game date, position and comment head every report\n"
   "\n"
   " Coins in the reports: BB brass bits, CC copper coins, SC silver coins,\n"
   "                       GC gold coins\n"
   "\n"
   " Files in the current folder:\n"
   "   monster.hxi, area.hxi  the monsters and lairs, read at start\n"
   "   setup.hxi              the settings, read at start, saved on leaving\n"
   "                          (the position and comments are not kept)\n"
   "   temp.hxs               the treasure script of the last generation\n"
   "   default.hxo            the reports, one after the other (key F names\n"
   "                          another output file)\n"
   " What each number does to the treasure: the last pages of this help.\n"},
  {"HELP: EARLIER REPORTS (R)",
   " The reports of the output file, newest first, on the whole window; the\n"
   " title row shows the place of the report at the top: Report 1 of N is\n"
   " the newest.\n"
   "\n"
   " Up/Down       one line           PgUp/PgDn  one page\n"
   " Home          the first line of the newest report\n"
   " End           the last page of the oldest report\n"
   " n/p           the next (older) or previous (newer) report\n"
   " / or ?        search down (/) or up (?) for a text, capitals or not;\n"
   "               past the end it goes on from the other end and says so\n"
   " Enter         the same search again, the same way\n"
   " d or Delete   remove the report at the top from the file: y removes it,\n"
   "               any other key keeps it. The rest of the file stays byte\n"
   "               for byte, and a report another copy of the program\n"
   "               appends meanwhile is kept.\n"
   " l             the ledger of the report at the top, when it was made in\n"
   "               this run of the program: totals, split, rank\n"
   " q or Escape   back to the main menu\n"},
};
// The page that ends with the session's seed.
constexpr int SEED_PAGE = 2;
// clang-format on

// The rows of the numbers' pages: the columns of the other pages, the
// number's name on the left of its paragraph's first row.
constexpr int NAME_CELLS = 15;
constexpr int FIRST_ROW = 5;
constexpr int PAGE_ROWS = NOTE_ROW - FIRST_ROW + 1;

// Every page's rows fit above the prompt row, the seed page's two more too.
constexpr int rows_of(const char *text) {
  int rows = 0;
  for (; *text; ++text) rows += *text == '\n';
  return rows;
}
constexpr bool pages_fit() {
  for (const help_page &page : HELP_PAGES)
    if (rows_of(page.text) + (&page == &HELP_PAGES[SEED_PAGE] ? 2 : 0) >
        PAGE_ROWS)
      return false;
  return true;
}
static_assert(pages_fit(), "a help page runs into the prompt row");

// The words of `text` in rows of at most `width` characters, each row
// starting with `indent` blanks.
std::vector<std::string> wrapped(const std::string &text, int width,
                                 int indent) {
  std::vector<std::string> rows;
  std::string row;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    std::string word = text.substr(at, end - at);
    at = end + 1;
    if (!row.empty() && row.size() + 1 + word.size() > std::size_t(width)) {
      rows.push_back(std::string(indent, ' ') + row);
      row.clear();
    }
    row += (row.empty() ? "" : " ") + word;
  }
  if (!row.empty()) rows.push_back(std::string(indent, ' ') + row);
  return rows;
}

// The paragraphs of the numbers, then why a score may be asked twice, in
// pages of whole paragraphs with an empty row between two.
std::vector<std::string> number_pages() {
  std::vector<std::vector<std::string>> blocks;
  for (const number_explanation &e : NUMBER_EXPLANATIONS) {
    blocks.push_back(
        wrapped(e.paragraph, SCREEN_COLS - NAME_CELLS - 1, NAME_CELLS));
    std::string name = std::string(" ") + e.name;
    blocks.back()[0].replace(0, name.size(), name);
  }
  blocks.push_back(wrapped(SCORES_ASKED_TWICE, SCREEN_COLS - 2, 1));
  std::vector<std::string> pages(1);
  int rows = 0;
  for (const std::vector<std::string> &block : blocks) {
    int needed = static_cast<int>(block.size()) + (rows > 0 ? 1 : 0);
    if (rows > 0 && rows + needed > PAGE_ROWS) {
      pages.emplace_back();
      rows = 0, needed = static_cast<int>(block.size());
    }
    if (rows > 0) pages.back() += "\n";
    for (const std::string &row : block) pages.back() += row + "\n";
    rows += needed;
  }
  return pages;
}

}  // namespace

void show_help() {
  text_screen &screen = scr();
  std::vector<help_page> pages(std::begin(HELP_PAGES), std::end(HELP_PAGES));
  static const std::vector<std::string> numbers = number_pages();
  for (const std::string &text : numbers)
    pages.push_back({"HELP: WHAT THE NUMBERS DO", text.c_str()});
  for (const help_page &page : pages) {
    draw_heading(page.heading);
    screen.move(FIRST_ROW, 0);
    screen.write(page.text);
    if (&page == &pages[SEED_PAGE]) {
      // Its two rows under the page's last, an empty row between where the
      // page leaves room.
      const std::string seed = std::to_string(session_seed());
      const std::string_view text = page.text;
      const bool room =
          std::count(text.begin(), text.end(), '\n') + 3 <= PAGE_ROWS;
      const std::string rows = std::string(room ? "\n" : "") +
                               " The dice of this session started from seed " +
                               seed + ":\n \"hoardex --seed " + seed +
                               "\" and the same keys give the same reports.\n";
      screen.write(rows.c_str());
    }
    show_prompt(&page == &pages.back()
                    ? "Hit any key to return to the main menu."
                    : "Hit any key for the next page.");
    if (screen.read_key() == KEY_ESC) return;
  }
}
