// The report pager: echoes the report's body on the screen without ever
// writing below the last body row, pausing after a page of counted lines.
#include "pager.h"

#include <cstring>

#include "prompt_row.h"
#include "screen.h"
#include "screen_text.h"

const char HIT_ANY_KEY[] = "Hit any key to continue.";

namespace {

constexpr int BODY_ROW = 5;
constexpr int BODY_COL = 1;
constexpr int LAST_BODY_ROW = 24;
// A long literal text is echoed in parts of this many characters; a part
// that continues the text never starts a page of its own.
constexpr std::size_t LITERAL_PART = 1024;

// How many bytes of text can be echoed from the cursor at (row, col) before
// a character would land below the last body row; follows the grid's rules
// for line ends, tabs, wrapping and characters of two cells.
std::size_t fit_length(int row, int col, const char *text, std::size_t n) {
  const bool utf8 = screen_utf8();
  for (std::size_t i = 0; i < n; ++i) {
    char c = text[i];
    if (row > LAST_BODY_ROW) return i;
    if (c == '\n') {
      ++row;
      col = 0;
    } else if (c == '\r') {
      col = 0;
    } else if (c == '\t') {
      // A tab goes to the next multiple of 8, or to the start of the next
      // row when that would pass the last column.
      col = (col / 8 + 1) * 8;
      if (col >= SCREEN_COLS) {
        ++row;
        col = 0;
      }
    } else {
      screen_char ch = next_screen_char(text + i, n - i, utf8);
      if (ch.cells == 2 && col == SCREEN_COLS - 1) {  // wraps whole
        if (++row > LAST_BODY_ROW) return i;
        col = 0;
      }
      col += ch.cells;
      i += ch.bytes - 1;
      if (col == SCREEN_COLS) {
        ++row;
        col = 0;
      }
    }
  }
  return n;
}

long count_lines(const char *text, std::size_t n) {
  long lines = 0;
  const char *end = text + n;
  for (const char *p = text;
       (p = static_cast<const char *>(std::memchr(p, '\n', end - p))); ++p)
    ++lines;
  return lines;
}

// A quick bound for the common case: a text without tabs or carriage
// returns ends at most one row per line end and one per 80 bytes below the
// cursor's row (no character takes more cells than bytes).
bool surely_fits(int row, int col, const char *text, std::size_t n) {
  if (std::memchr(text, '\t', n) || std::memchr(text, '\r', n)) return false;
  long last_row =
      row + count_lines(text, n) + (static_cast<long>(n) + col) / SCREEN_COLS;
  return last_row <= LAST_BODY_ROW;
}

}  // namespace

void wait_key(const char *prompt) {
  show_prompt(prompt);
  text_screen &screen = scr();
  screen.refresh();
  screen.read_key();
}

// Ends a page: waits for a key, blanks the body rows (rows 5 to 24 with a
// page of 18 lines) and starts the next page at the top of the body.
void report_pager::pause_page() {
  counter_ = 0;
  wait_key(HIT_ANY_KEY);
  // The body may begin at column 0, so the blanking does too; otherwise the
  // first character of each row of the last page would stay on the next.
  // lines + 2 rows are blanked, as many as the body can fill.
  text_screen &screen = scr();
  for (int r = BODY_ROW; r < BODY_ROW + lines_ + 2 && r < PROMPT_ROW; ++r) {
    screen.move(r, 0);
    screen.clear_eol();
  }
  screen.move(BODY_ROW, BODY_COL);
  page_fresh_ = true;
}

// Echoes a text on the screen without ever writing below the last body row.
// A text that does not fit on the rest of the page but fits on a new one
// starts a new page; a text longer than a page fills the page and goes on
// after a pause. After such a pause the line counter holds the lines still
// to come, which are the lines of the new page.
// A text that continues the last one (a long literal text read in parts)
// never starts a page of its own.
void report_pager::echo(const char *text, std::size_t n, bool continued) {
  text_screen &screen = scr();
  if (surely_fits(screen.row(), screen.col(), text, n)) {
    screen.write(text, static_cast<int>(n));
    page_fresh_ = page_fresh_ && n == 0;
    return;
  }
  if (!continued && !page_fresh_ &&
      fit_length(screen.row(), screen.col(), text, n) < n &&
      fit_length(BODY_ROW, BODY_COL, text, n) == n) {
    pause_page();
    counter_ = count_lines(text, n);
  }
  std::size_t done = 0;
  while (done < n) {
    std::size_t k =
        fit_length(screen.row(), screen.col(), text + done, n - done);
    if (k > 0) {
      screen.write(text + done, static_cast<int>(k));
      page_fresh_ = false;
      done += k;
    }
    if (done < n) {
      pause_page();
      counter_ = count_lines(text + done, n - done);
    }
  }
}

void report_pager::check_page() {
  if (counter_ >= lines_) pause_page();
}

void report_pager::section(section_kind, std::string_view text, int lines) {
  echo(text.data(), text.size(), false);
  counter_ += lines;
  check_page();
}

void report_pager::literal(std::string_view text, int, bool closed) {
  // The lines of each part are counted before the part is shown, so a pause
  // inside it leaves the counter at the lines still to come.
  std::size_t done = 0;
  bool continued = false;
  for (;;) {
    std::size_t n = text.size() - done;
    bool last = n < LITERAL_PART;  // the rest, which may be empty
    // A part ends between characters, so each is echoed whole.
    if (n > LITERAL_PART) n = char_boundary(text.data() + done, LITERAL_PART);
    const char *part = text.data() + done;
    counter_ += count_lines(part, n);
    echo(part, n, continued);
    continued = true;
    done += n;
    if (last) break;
  }
  if (closed) check_page();
}

void report_pager::item(const report_item &item) {
  if (item.lines > 0) counter_ += item.lines;
  echo(item.text.data(), item.text.size(), false);
  check_page();
}
