// The viewer of earlier reports (menu key "R"): the output file read-only,
// newest report first, scrolled by line, page or report, with a search.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "dialogs.h"
#include "prompt_row.h"
#include "reader_screens.h"
#include "report_file.h"
#include "report_sink.h"
#include "screen.h"
#include "screen_text.h"

namespace {

// Rows from the top: the heading, with the report's place at the right end
// of its title row, then the body from FIRST_ROW. Below the body: a blank row,
// the message row and the prompt row, the window's last. On 80x26 the body is
// 18 rows, a page of a report; a larger window gives the body every row and
// column it has.
constexpr int PLACE_ROW = 3;
constexpr int PLACE_END = 77;  // where the maker's notice above ends
constexpr int FIRST_ROW = 5;
constexpr int ROWS_BELOW = 3;
constexpr int SEARCH_MAX = 40;  // longest search text
constexpr char KEYS_HINT[] =
    "Up/Down PgUp/PgDn Home/End  n/p: report  /: search  d: remove  q: back";

int body_rows() { return scr().rows() - FIRST_ROW - ROWS_BELOW; }
int message_row() { return scr().rows() - 2; }

// The grid follows the window while the viewer is open.
struct whole_window {
  whole_window() { scr().follow_window(true); }
  ~whole_window() { scr().follow_window(false); }
  whole_window(const whole_window &) = delete;
  whole_window &operator=(const whole_window &) = delete;
};

void draw_viewer_heading(const std::string &path) {
  std::string title = "EARLIER REPORTS IN " + path + ", NEWEST FIRST";
  draw_heading(title.c_str());
}

void draw_lines(const report_file &file, const report_cursor &cursor) {
  text_screen &screen = scr();
  const int width = screen.cols();
  int row = FIRST_ROW;
  for (long long line : cursor.page(body_rows())) {
    std::string text = file.shown_line(line, width);
    screen.move(row++, 0);
    screen.write(text.c_str());
    if (text_cells(text) < width) screen.clear_eol();
  }
  for (; row < FIRST_ROW + body_rows(); ++row) {
    screen.move(row, 0);
    screen.clear_eol();
  }
}

void show_on(int row, const std::string &text) {
  text_screen &screen = scr();
  screen.move(row, 0);
  screen.clear_eol();
  screen.move(row, 1);
  screen.write(text.c_str());
}

void draw_place(const report_file &file, const report_cursor &cursor) {
  std::string place = "Report " + std::to_string(cursor.report_place()) +
                      " of " + std::to_string(file.report_count());
  scr().move(PLACE_ROW, PLACE_END - static_cast<int>(place.size()));
  scr().write(place.c_str());
}

// Reads a key, redrawing the notice on the heading after a resize.
int read_notice_key(const std::string &path, const std::string &notice) {
  for (;;) {
    draw_viewer_heading(path);
    show_on(FIRST_ROW, notice);
    show_prompt("Hit any key to return to the main menu.", prompt_blank::row);
    int key = scr().read_key();
    if (key != KEY_PAD_RESIZE) return key;
  }
}

// Reads the search text on the prompt line: printable characters, the
// erase keys, Enter to search, Escape to give up (no text at all).
std::optional<std::string> ask_search_text() {
  text_screen &screen = scr();
  show_prompt("Search for : ", prompt_blank::row);
  int col = screen.col();
  std::string text;
  for (;;) {
    int key = screen.read_key();
    if (key == KEY_PAD_RESIZE) {  // the prompt row moved to the last row
      show_prompt("Search for : ", prompt_blank::row);
      col = screen.col();
    }
    if (key == KEY_CR || key == KEY_PAD_ENTER) return text;
    if (key == KEY_ESC) return std::nullopt;
    if (is_erase_key(key)) {
      if (text.empty()) continue;
      text.pop_back();
      screen.move(prompt_row(), col + static_cast<int>(text.size()));
      screen.write(" ");
    } else if (key >= 32 && key < 127 &&
               static_cast<int>(text.size()) < SEARCH_MAX) {
      text += static_cast<char>(key);
    }
    screen.move(prompt_row(), col);
    screen.write(text.c_str());
  }
}

// Asks before the report under the cursor is taken out of the file; y
// removes it, any other key keeps it. Returns the message to show.
std::string ask_remove(const std::string &path, const report_file &file,
                       const report_cursor &cursor, bool &removed) {
  std::string question = "Remove this report from " + path + "? (y/n) ";
  show_prompt(question.c_str(), prompt_blank::row);
  int key = scr().read_key();
  if (key != 'y' && key != 'Y') return "Nothing removed.";
  std::string error;
  switch (remove_report(path.c_str(), cursor.report_begin(),
                        file.bytes(cursor.report_begin(), cursor.report_end()),
                        error)) {
    case removal::done:
      removed = true;
      return "Report removed.";
    case removal::changed:
      removed = true;  // read the file again as it is now
      return path + " has changed since it was opened; nothing removed.";
    case removal::failed:
      break;
  }
  return "Cannot remove the report from " + path + ": " + error + ".";
}

}  // namespace

void view_reports(const std::string &path) {
  text_screen &screen = scr();
  whole_window whole;
  std::string message;
  // After a removal, the place whose report the view goes on with; past the
  // end of the file read again, the newest report.
  long long reopen_at = -1;
  for (;;) {
    report_file file(path);
    if (file.state() != report_file::file_state::ready) {
      std::string notice =
          file.state() == report_file::file_state::empty
              ? "No reports yet in " + path + "."
          : file.state() == report_file::file_state::missing
              ? "No reports yet: " + path + " does not exist."
          : file.state() == report_file::file_state::not_regular
              ? "Cannot read " + path + ": not a regular file."
              : "Cannot read " + path + ".";
      if (!message.empty()) notice = message + " " + notice;
      read_notice_key(path, notice);
      return;
    }
    report_cursor cursor(file);
    if (reopen_at >= 0 && reopen_at < file.size())
      cursor.show_report_at(reopen_at);
    std::string last_search;
    for (bool reopen = false; !reopen;) {
      draw_viewer_heading(path);
      draw_place(file, cursor);
      draw_lines(file, cursor);
      show_on(message_row(), message);
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
          while (steps < body_rows() &&
                 (key == KEY_PAD_PGDN ? cursor.down() : cursor.up()))
            ++steps;
          moved = steps > 0;
          break;
        }
        case KEY_PAD_HOME:
          cursor.home();
          break;
        case KEY_PAD_END:
          cursor.end(body_rows());
          break;
        case 'n':
        case 'N':
          moved = cursor.older_report();
          break;
        case 'p':
        case 'P':
          moved = cursor.newer_report();
          break;
        case '/': {
          // Enter on an empty text searches for the last text again.
          std::optional<std::string> text = ask_search_text();
          if (!text) break;
          if (text->empty()) text = last_search;
          last_search = *text;
          if (!text->empty() && !cursor.search(*text))
            message = "Not found below: " + *text;
          break;
        }
        case 'd':
        case 'D':
        case KEY_PAD_DELETE:
          // The older report takes the place of a removed one in the view.
          message = ask_remove(path, file, cursor, reopen);
          reopen_at = std::max(0LL, cursor.report_begin() - 1);
          break;
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
}
