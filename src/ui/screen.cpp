// The grid behind every screen: curses window rules on 80x26 cells, or on
// the window's cells while a screen follows the window.
#include "screen.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "screen_text.h"

namespace {
text_screen *g_screen = nullptr;
}

text_screen &scr() {
  if (!g_screen) std::abort();  // a screen must be installed before drawing
  return *g_screen;
}

void set_screen(text_screen *screen) { g_screen = screen; }

int cursor_column() { return g_screen ? g_screen->col() : -1; }

text_screen::text_screen() { set_size(SCREEN_ROWS, SCREEN_COLS); }

void text_screen::set_size(int rows, int cols) {
  rows = std::clamp(rows, SCREEN_ROWS, MAX_SCREEN_ROWS);
  cols = std::clamp(cols, SCREEN_COLS, MAX_SCREEN_COLS);
  std::string grid(static_cast<std::size_t>(rows * (cols + 1)), ' ');
  std::string text(static_cast<std::size_t>(rows * cols * CELL_BYTES), '\0');
  for (int r = 0; r < rows; ++r) {
    grid[static_cast<std::size_t>(r * (cols + 1) + cols)] = '\0';
    if (r >= rows_) continue;
    // What fits stays; a wide character cut in half at the edge is blanked.
    int keep = std::min(cols, cols_);
    if (keep < cols_ && grid_row(r)[keep] == CELL_RIGHT) --keep;
    std::memcpy(&grid[static_cast<std::size_t>(r * (cols + 1))], grid_row(r),
                static_cast<std::size_t>(keep));
    std::memcpy(&text[static_cast<std::size_t>(r * cols * CELL_BYTES)],
                text_at(r, 0), static_cast<std::size_t>(keep * CELL_BYTES));
  }
  grid_ = std::move(grid);
  text_ = std::move(text);
  rows_ = rows;
  cols_ = cols;
  cur_row_ = std::min(cur_row_, rows_ - 1);
  cur_col_ = std::min(cur_col_, cols_ - 1);
}

void text_screen::follow_window(bool on) {
  following_ = on;
  fit_window();
}

bool text_screen::fit_window() {
  int rows = following_ ? window_rows() : SCREEN_ROWS;
  int cols = following_ ? window_cols() : SCREEN_COLS;
  rows = std::clamp(rows, SCREEN_ROWS, MAX_SCREEN_ROWS);
  cols = std::clamp(cols, SCREEN_COLS, MAX_SCREEN_COLS);
  if (rows == rows_ && cols == cols_) return false;
  set_size(rows, cols);
  return true;
}

void text_screen::move(int row, int col) {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
  cur_row_ = row;
  cur_col_ = col;
  blank_ = false;
}

void text_screen::clear_eol() {
  release(cur_col_);
  std::memset(grid_row(cur_row_) + cur_col_, ' ', cols_ - cur_col_);
}

void text_screen::clear() {
  for (int r = 0; r < rows_; ++r) std::memset(grid_row(r), ' ', cols_);
  cur_row_ = 0;
  cur_col_ = 0;
  blank_ = false;
}

std::string text_screen::cell(int row, int col) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return {};
  char c = grid_row(row)[col];
  if (c == CELL_TEXT) return text_at(row, col);
  return c == CELL_RIGHT ? std::string() : std::string(1, c);
}

std::string text_screen::line(int row) const {
  if (row < 0 || row >= rows_) return {};
  const char *g = grid_row(row);
  if (!std::memchr(g, CELL_TEXT, cols_)) return std::string(g, cols_);
  std::string out;
  for (int c = 0; c < cols_; ++c) out += cell(row, c);
  return out;
}

void text_screen::release(int col) {
  char *g = grid_row(cur_row_);
  if (g[col] == CELL_RIGHT) g[col - 1] = ' ';
  if (g[col] == CELL_TEXT && col + 1 < cols_ && g[col + 1] == CELL_RIGHT)
    g[col + 1] = ' ';
}

// Past the last column writing goes on at the start of the next row; past
// the bottom-right cell nothing more is written.
void text_screen::advance(int cells) {
  cur_col_ += cells;
  if (cur_col_ < cols_) return;
  if (cur_row_ < rows_ - 1) {
    ++cur_row_;
    cur_col_ = 0;
  } else {
    cur_col_ = cols_ - 1;
    blank_ = true;
  }
}

void text_screen::put_char(const char *bytes, int len, int cells) {
  if (blank_) return;
  char *g = grid_row(cur_row_);
  if (cells == 0) {
    // A mark of no width joins the character before it on the row.
    if (cur_col_ == 0) return;
    int col = cur_col_ - 1;
    if (g[col] == CELL_RIGHT) --col;
    char *t = text_at(cur_row_, col);
    if (g[col] != CELL_TEXT) t[0] = g[col], t[1] = '\0';
    std::size_t have = std::strlen(t);
    if (have + len >= CELL_BYTES) return;
    std::memcpy(t + have, bytes, len);
    t[have + len] = '\0';
    g[col] = CELL_TEXT;
    return;
  }
  // A wide character that does not fit the row leaves its last cell blank.
  if (cells == 2 && cur_col_ == cols_ - 1) {
    put(' ');
    if (blank_) return;
    g = grid_row(cur_row_);
  }
  release(cur_col_);
  if (cells == 2) release(cur_col_ + 1);
  std::memcpy(text_at(cur_row_, cur_col_), bytes, len);
  text_at(cur_row_, cur_col_)[len] = '\0';
  g[cur_col_] = CELL_TEXT;
  if (cells == 2) g[cur_col_ + 1] = CELL_RIGHT;
  advance(cells);
}

// One character with the rules of a window that does not scroll: at the
// bottom row a line end only clears the rest of the row, and characters past
// the bottom-right cell are dropped.
void text_screen::put(char c) {
  if (c == '\n') {
    clear_eol();
    if (cur_row_ < rows_ - 1) {
      ++cur_row_;
      cur_col_ = 0;
    }
    return;
  }
  if (c == '\r') {
    cur_col_ = 0;
    return;
  }
  if (c == '\t') {
    // Blanks up to the next multiple of 8. A stop past the last column ends
    // the row instead: the rest is cleared and writing goes on at the start
    // of the next row; on the bottom row the blanks run to the last cell.
    int stop = (cur_col_ / 8 + 1) * 8;
    if (stop >= cols_ && cur_row_ < rows_ - 1) {
      clear_eol();
      ++cur_row_;
      cur_col_ = 0;
      return;
    }
    while (cur_col_ < stop && !blank_) put(' ');
    return;
  }
  if (blank_) return;  // past the bottom-right cell
  unsigned char u = static_cast<unsigned char>(c);
  release(cur_col_);
  grid_row(cur_row_)[cur_col_] = (u < 32 || u == 127) ? '?' : c;
  advance(1);
}

void text_screen::write(const char *text, int n) {
  // Under a UTF-8 locale a byte past ASCII begins a character of its own;
  // otherwise every byte but the control ones is one cell.
  const bool utf8 = screen_utf8();
  auto plain = [utf8](char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 32 && u != 127 && (u < 128 || !utf8);
  };
  int i = 0;
  while ((n < 0 || i < n) && text[i] != '\0') {
    // A run of ordinary characters that fits the row is copied at once; the
    // rest goes through put, which knows the control characters and edges.
    int room = cols_ - 1 - cur_col_;
    int run = 0;
    while (run < room && (n < 0 || i + run < n) && plain(text[i + run])) ++run;
    if (run > 0 && !blank_) {
      release(cur_col_);
      release(cur_col_ + run - 1);
      std::memcpy(grid_row(cur_row_) + cur_col_, text + i, run);
      cur_col_ += run;
      i += run;
      continue;
    }
    if (!utf8 || static_cast<unsigned char>(text[i]) < 128) {
      put(text[i]);
      ++i;
      continue;
    }
    std::size_t avail = 1;
    while (avail < 4 && (n < 0 || i + static_cast<int>(avail) < n) &&
           text[i + avail] != '\0')
      ++avail;
    screen_char c = next_screen_char(text + i, avail, true);
    if (c.shown)
      put_char(text + i, c.bytes, c.cells);
    else
      put_char(REPLACEMENT_MARK, sizeof REPLACEMENT_MARK - 1, 1);
    i += c.bytes;
  }
  blank_ = false;
}
