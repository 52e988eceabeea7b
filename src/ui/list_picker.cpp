// Picking a monster or a lair by name on its list screen.
#include "list_picker.h"

#include <algorithm>
#include <cstdio>

#include "fields.h"
#include "name_match.h"
#include "screen.h"

namespace {

constexpr int FIRST_ROW = 5;
constexpr int LIST_ROWS = 18;  // rows 5 to 22, as a page of the list
constexpr int FILTER_ROW = 23;
constexpr int HINT_ROW = 24;
constexpr char PAGE_HINT[] =
    "Or type letters of a name, or Up/Down, to mark one; Enter picks it.";
constexpr char PICK_HINT[] =
    "Up/Down, PgUp/PgDn: move the mark  Enter: pick it  Backspace: a letter";

void write_row(int row, const std::string &text) {
  text_screen &s = scr();
  s.move(row, 0);
  s.clear_eol();
  s.move(row, 1);
  s.write(text.c_str(), SCREEN_COLS - 1);
}

// The names holding the letters, one a row around the mark, numbered as in
// the page view.
void show_matches(const list_choice &c, const std::vector<int> &matches,
                  const std::string &letters, int mark) {
  const int count = static_cast<int>(matches.size());
  const int top =
      std::clamp(mark - LIST_ROWS / 2, 0, std::max(0, count - LIST_ROWS));
  char line[96];
  for (int r = 0; r < LIST_ROWS; ++r) {
    const int k = top + r;
    std::string text;
    if (k < count) {
      std::snprintf(line, sizeof line, "%s%2d: ", k == mark ? "> " : "  ",
                    matches[k] + 1);
      text = line + c.labels[matches[k]];
    } else if (r == 0) {
      text = "  No name holds '" + letters + "'.";
    }
    write_row(FIRST_ROW + r, text);
  }
  write_row(FILTER_ROW, letters.empty() ? "All names; type letters to narrow "
                                          "the list."
                                        : "Names holding: " + letters);
  write_row(HINT_ROW, PICK_HINT);
}

bool is_letter_key(int key) {
  return key > ' ' && key < KEY_DEL && (key < '0' || key > '9');
}

}  // namespace

int choose_from_list(const list_choice &c) {
  text_screen &s = scr();
  const int prompt_row = s.row();
  const int start_col = s.col();
  const int count = static_cast<int>(c.labels.size());
  long long value = 0;
  bool picking = false;
  std::string letters;
  std::vector<int> matches;
  int mark = 0;
  write_row(HINT_ROW, PAGE_HINT);
  s.move(prompt_row, start_col);
  for (;;) {
    int key = 0;
    if (picking) {
      // The keys are the mark's: a digit leaves it for the page view and
      // begins a number there, so Enter picks what the screen shows.
      key = s.read_key();
      if (key == KEY_ESC) return c.current;
      if (key >= '0' && key <= '9') {
        picking = false;
        c.show_page(false);
        write_row(FILTER_ROW, "");
        write_row(HINT_ROW, PAGE_HINT);
        s.move(prompt_row, start_col);
        value = key - '0';  // a leading 0 is no digit here, as in the field
        if (value > 0) s.write(std::string(1, static_cast<char>(key)).c_str());
        continue;
      }
    } else {
      num_rules r{zero_rule::after_digit, 10, 1, count, false, false, 0, &key};
      int got = num_field(r, start_col, &value);
      if (got == FIELD_ESCAPE) return c.current;
      if (got != FIELD_PASSED) return got - 1;
    }
    const bool move_key = key == KEY_PAD_UP || key == KEY_PAD_DOWN ||
                          key == KEY_PAD_PGUP || key == KEY_PAD_PGDN;
    if (key == KEY_CR || key == KEY_PAD_ENTER) {
      if (picking && !matches.empty()) return matches[mark];
      continue;
    }
    if (key == c.page_key && c.page_key != 0) {
      picking = false;
      letters.clear();
      c.show_page(true);
    } else if (is_letter_key(key) || (move_key && !picking)) {
      if (is_letter_key(key)) letters += static_cast<char>(key);
      matches = names_holding(c.labels, letters);
      auto at = std::find(matches.begin(), matches.end(), c.current);
      mark = !picking && at != matches.end()
                 ? static_cast<int>(at - matches.begin())
                 : 0;
      picking = true;
      value = 0;  // a number typed before is dropped with its digits
      s.move(prompt_row, start_col);
      s.clear_eol();
    } else if (move_key) {
      const int step = key == KEY_PAD_UP     ? -1
                       : key == KEY_PAD_DOWN ? 1
                       : key == KEY_PAD_PGUP ? -LIST_ROWS
                                             : LIST_ROWS;
      mark = std::clamp(mark + step, 0,
                        std::max(0, static_cast<int>(matches.size()) - 1));
    } else if (is_erase_key(key) && picking) {
      if (letters.empty()) {
        picking = false;
        c.show_page(false);
      } else {
        letters.pop_back();
        matches = names_holding(c.labels, letters);
        mark = 0;
      }
    } else {
      continue;  // not a key of the list: nothing is redrawn
    }
    if (picking) {
      show_matches(c, matches, letters, mark);
    } else {
      write_row(FILTER_ROW, "");
      write_row(HINT_ROW, PAGE_HINT);
    }
    // The prompt ends where the number begins; show what is typed so far.
    s.move(prompt_row, start_col);
    if (value > 0) {
      char typed[24];
      std::snprintf(typed, sizeof typed, "%lld", value);
      s.write(typed);
    }
  }
}
