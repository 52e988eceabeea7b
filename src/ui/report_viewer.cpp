// The viewer of earlier reports (menu key "R"): the output file read-only,
// newest report first, scrolled by line, page or report, with a search.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "dialogs.h"
#include "ledger_screen.h"
#include "prompt_row.h"
#include "reader_screens.h"
#include "report_file.h"
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
// A match is shown this many lines below the top, within its report.
constexpr int MATCH_ROWS_ABOVE = 3;
constexpr char KEYS_HINT[] =
    "Up/Dn PgUp/Dn Home/End  n/p: report  /?: search  d: remove  l: ledger  "
    "q: back";

int body_rows() { return scr().rows() - FIRST_ROW - ROWS_BELOW; }
int message_row() { return scr().rows() - 2; }

// The grid follows the window while the viewer is open; no match stays
// highlighted after it.
struct whole_window {
  whole_window() { scr().follow_window(true); }
  ~whole_window() {
    scr().highlight({});
    scr().follow_window(false);
  }
  whole_window(const whole_window &) = delete;
  whole_window &operator=(const whole_window &) = delete;
};

void draw_viewer_heading(const std::string &path) {
  std::string title = "EARLIER REPORTS IN " + path + ", NEWEST FIRST";
  draw_heading(title.c_str());
}

// The page from the cursor's top; the match of `length` bytes at `match`
// highlighted when it is on it.
void draw_lines(const output_file &file, const report_cursor &cursor,
                long long match, int length) {
  text_screen &screen = scr();
  const int width = screen.cols();
  int row = FIRST_ROW;
  screen.highlight({});
  for (long long line : cursor.page(body_rows())) {
    std::string text = shown_line(file, line, width);
    if (match >= line && match < file.next_line(line)) {
      int col = text_cells(shown_line(file, line, width, match));
      screen.highlight({row, col, std::min(length, width - col)});
    }
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

void draw_place(const output_file &file, const report_cursor &cursor) {
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
std::optional<std::string> ask_search_text(bool forward) {
  text_screen &screen = scr();
  const char *prompt = forward ? "Search for : " : "Search back for : ";
  show_prompt(prompt, prompt_blank::row);
  int col = screen.col();
  std::string text;
  for (;;) {
    int key = screen.read_key();
    if (key == KEY_PAD_RESIZE) {  // the prompt row moved to the last row
      show_prompt(prompt, prompt_blank::row);
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
// removes it, any other key keeps it, a resize redraws the view and asks
// again. Returns the message to show.
std::string ask_remove(const std::string &path, const output_file &file,
                       const report_cursor &cursor,
                       const std::function<void()> &redraw, bool &removed) {
  std::string question = "Remove this report from " + path + "? (y/n) ";
  int key = KEY_PAD_RESIZE;
  while (key == KEY_PAD_RESIZE) {
    redraw();
    show_prompt(question.c_str(), prompt_blank::row);
    key = scr().read_key();
  }
  if (key != 'y' && key != 'Y') return "Nothing removed.";
  std::string error;
  switch (remove_report(path.c_str(), file, cursor.report_begin(), error)) {
    case removal::done:
      removed = true;
      return "Report removed.";
    case removal::changed:
      removed = true;  // read the file again as it is now
      return path + " has changed since it was opened; nothing removed.";
    case removal::uncertain:
      return "Cannot tell for certain where this report ends in " + path +
             "; nothing removed.";
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
    output_file file(path);
    if (file.state() != output_file::file_state::ready) {
      std::string notice =
          file.state() == output_file::file_state::empty
              ? "No reports yet in " + path + "."
          : file.state() == output_file::file_state::missing
              ? "No reports yet: " + path + " does not exist."
          : file.state() == output_file::file_state::not_regular
              ? "Cannot read " + path + ": not a regular file."
              : "Cannot read " + path + ".";
      if (!message.empty()) notice = message + " " + notice;
      read_notice_key(path, notice);
      return;
    }
    report_cursor cursor(file);
    if (reopen_at >= 0 && reopen_at < file.size())
      cursor.show_report_at(reopen_at);
    // The last search: its text (in lower case), its way, and its match,
    // which the next search goes on from until the view moves.
    std::string last_search;
    bool forward = true;
    long long match = -1;
    auto redraw = [&] {
      draw_viewer_heading(path);
      draw_place(file, cursor);
      draw_lines(file, cursor, match, static_cast<int>(last_search.size()));
      show_on(message_row(), message);
    };
    for (bool reopen = false; !reopen;) {
      redraw();
      show_prompt(KEYS_HINT, prompt_blank::row);
      message.clear();
      int key = screen.read_key();
      bool moved = true;
      const long long matched = match;
      match = -1;
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
        case '/':
        case '?':
        case KEY_CR:
        case KEY_PAD_ENTER: {
          // Enter, and an empty text, search for the last text again.
          if (key == '/' || key == '?') {
            match = matched;
            std::optional<std::string> text = ask_search_text(key == '/');
            if (!text) break;
            forward = key == '/';
            if (!text->empty()) {
              last_search = *text;
              for (char &c : last_search)
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            }
          }
          if (last_search.empty()) {
            message = "Type / to search down the reports, ? to search up.";
            break;
          }
          // From the last match while the view stays, else from the top.
          long long from = matched >= 0 ? matched + forward : cursor.top();
          bool wrapped = false;
          match = cursor.find(last_search, from, forward, wrapped);
          if (match < 0) {
            message = "Not found: " + last_search;
            break;
          }
          cursor.show_line_of(match, MATCH_ROWS_ABOVE);
          if (wrapped)
            message = forward ? "search went on from the top"
                              : "search went on from the bottom";
          break;
        }
        case 'd':
        case 'D':
        case KEY_PAD_DELETE:
          // The older report takes the place of a removed one in the view.
          match = matched;
          message = ask_remove(path, file, cursor, redraw, reopen);
          reopen_at = std::max(0LL, cursor.report_begin() - 1);
          break;
        case LEDGER_KEY:
        case LEDGER_KEY_SHIFTED: {
          // Only a report as long as one kept needs its bytes read.
          const long long begin = cursor.report_begin(),
                          end = cursor.report_end();
          show_ledger(ledger_kept_for_size(end - begin) ? file.bytes(begin, end)
                                                        : std::string());
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
}
