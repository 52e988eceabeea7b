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

void draw_lines(const ReportFile &file, const ReportCursor &cursor) {
  Screen &s = scr();
  int row = FIRST_ROW;
  for (long long line : cursor.page(VIEW_ROWS)) {
    std::string text = file.shown_line(line, SCREEN_COLS);
    s.move(row++, 0);
    s.write(text.c_str());
    if (text_cells(text) < SCREEN_COLS) s.clear_eol();
  }
  for (; row < FIRST_ROW + VIEW_ROWS; ++row) {
    s.move(row, 0);
    s.clear_eol();
  }
}

void show_on(int row, const char *text) {
  Screen &s = scr();
  s.move(row, 0);
  s.clear_eol();
  s.move(row, 1);
  s.write(text);
}

// Reads the search text on the prompt line: printable characters, the
// erase keys, Enter to search, Escape to give up (an empty text).
std::string ask_search_text() {
  Screen &s = scr();
  show_prompt("Search for : ", prompt_blank::row);
  const int col = s.col();
  std::string text;
  for (;;) {
    int key = s.read_key();
    if (key == KEY_CR || key == KEY_PAD_ENTER) return text;
    if (key == KEY_ESC) return {};
    if (is_erase_key(key)) {
      if (text.empty()) continue;
      text.pop_back();
      s.move(PROMPT_ROW, col + static_cast<int>(text.size()));
      s.write(" ");
    } else if (key >= 32 && key < 127 &&
               static_cast<int>(text.size()) < SEARCH_MAX) {
      text += static_cast<char>(key);
    }
    s.move(PROMPT_ROW, col);
    s.write(text.c_str());
  }
}

}  // namespace

void view_reports(const std::string &path) {
  Screen &s = scr();
  ReportFile file(path);
  draw_viewer_heading(path);
  if (file.state() != ReportFile::State::ready) {
    std::string notice = file.state() == ReportFile::State::empty
                             ? "No reports yet in " + path + "."
                         : file.state() == ReportFile::State::missing
                             ? "No reports yet: " + path + " does not exist."
                         : file.state() == ReportFile::State::not_regular
                             ? "Cannot read " + path + ": not a regular file."
                             : "Cannot read " + path + ".";
    show_on(FIRST_ROW, notice.c_str());
    show_prompt("Hit any key to return to the main menu.", prompt_blank::row);
    s.read_key();
    return;
  }

  ReportCursor cursor(file);
  std::string message;
  for (;;) {
    draw_lines(file, cursor);
    show_on(MESSAGE_ROW, message.c_str());
    show_prompt(KEYS_HINT, prompt_blank::row);
    message.clear();
    int key = s.read_key();
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
