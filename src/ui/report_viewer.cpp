// The viewer of earlier reports (menu key "R"): the output file read-only,
// newest report first, scrolled by line, page or report, with a search.
#include <cstdio>
#include <string>

#include "dialogs.h"
#include "prompt_row.h"
#include "reader_screens.h"
#include "report_file.h"
#include "screen.h"
#include "screen_text.h"

namespace {

constexpr int FIRST_ROW = 5;
constexpr int VIEW_ROWS = 18;  // rows 5 to 22, a page of a report
constexpr int MESSAGE_ROW = 24;
constexpr int SEARCH_MAX = 40;  // longest search text
constexpr char KEYS_HINT[] =
    "Up/Down PgUp/PgDn: scroll  n/p: next/previous report  /: search  q: back";

void draw_viewer_heading(const std::string &path) {
  std::string title = "EARLIER REPORTS IN " + path + ", NEWEST FIRST";
  draw_heading(title.c_str());
}

void draw_lines(const report_file &file, const report_cursor &cursor) {
  text_screen &screen = scr();
  int row = FIRST_ROW;
  for (long long line : cursor.page(VIEW_ROWS)) {
    std::string text = file.shown_line(line, SCREEN_COLS);
    screen.move(row++, 0);
    screen.write(text.c_str());
    if (text_cells(text) < SCREEN_COLS) screen.clear_eol();
  }
  for (; row < FIRST_ROW + VIEW_ROWS; ++row) {
    screen.move(row, 0);
    screen.clear_eol();
  }
}

void show_on(int row, const char *text) {
  text_screen &screen = scr();
  screen.move(row, 0);
  screen.clear_eol();
  screen.move(row, 1);
  screen.write(text);
}

// Reads the search text on the prompt line: printable characters, the
// erase keys, Enter to search, Escape to give up (an empty text).
std::string ask_search_text() {
  text_screen &screen = scr();
  show_prompt("Search for : ", prompt_blank::row);
  const int col = screen.col();
  std::string text;
  for (;;) {
    int key = screen.read_key();
    if (key == KEY_CR || key == KEY_PAD_ENTER) return text;
    if (key == KEY_ESC) return {};
    if (is_erase_key(key)) {
      if (text.empty()) continue;
      text.pop_back();
      screen.move(PROMPT_ROW, col + static_cast<int>(text.size()));
      screen.write(" ");
    } else if (key >= 32 && key < 127 &&
               static_cast<int>(text.size()) < SEARCH_MAX) {
      text += static_cast<char>(key);
    }
    screen.move(PROMPT_ROW, col);
    screen.write(text.c_str());
  }
}

}  // namespace

void view_reports(const std::string &path) {
  text_screen &screen = scr();
  report_file file(path);
  draw_viewer_heading(path);
  if (file.state() != report_file::file_state::ready) {
    std::string notice = file.state() == report_file::file_state::empty
                             ? "No reports yet in " + path + "."
                         : file.state() == report_file::file_state::missing
                             ? "No reports yet: " + path + " does not exist."
                         : file.state() == report_file::file_state::not_regular
                             ? "Cannot read " + path + ": not a regular file."
                             : "Cannot read " + path + ".";
    show_on(FIRST_ROW, notice.c_str());
    show_prompt("Hit any key to return to the main menu.", prompt_blank::row);
    screen.read_key();
    return;
  }

  report_cursor cursor(file);
  std::string message;
  for (;;) {
    draw_lines(file, cursor);
    show_on(MESSAGE_ROW, message.c_str());
    show_prompt(KEYS_HINT, prompt_blank::row);
    message.clear();
    int key = screen.read_key();
    bool moved = true;
    switch (key) {
      case KEY_PAD_DOWN:
        moved = cursor.down();
        break;
      case KEY_PAD_UP:
        moved = cursor.up();
        break;
      case KEY_PAD_PGDN:
      case KEY_PAD_PGUP: {
        int steps = 0;
        while (steps < VIEW_ROWS &&
               (key == KEY_PAD_PGDN ? cursor.down() : cursor.up()))
          ++steps;
        moved = steps > 0;
        break;
      }
      case 'n':
      case 'N':
        moved = cursor.older_report();
        break;
      case 'p':
      case 'P':
        moved = cursor.newer_report();
        break;
      case '/': {
        std::string text = ask_search_text();
        if (!text.empty() && !cursor.search(text))
          message = "Not found below: " + text;
        break;
      }
      case 'q':
      case 'Q':
      case KEY_ESC:
        return;
      default:
        break;
    }
    if (!moved)
      message =
          key == KEY_PAD_UP || key == KEY_PAD_PGUP || key == 'p' || key == 'P'
              ? "This is the newest report."
              : "This is the end of the oldest report.";
  }
}
