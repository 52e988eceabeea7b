// The grid behind every screen: curses window rules on 80x26 cells.
#include "screen.h"

#include <cstdlib>
#include <cstring>

#include "screen_text.h"

namespace {
text_screen *g_screen = nullptr;
}

text_screen &scr() {
  if (!g_screen) std::abort();  // a screen must be installed before drawing
  return *g_screen;
}

void set_screen(text_screen *screen) { g_screen = screen; }

int wherex() { return g_screen ? g_screen->col() : -1; }
int wherey() { return g_screen ? g_screen->row() : -1; }

text_screen::text_screen() {
  for (auto &r : grid_) {
    std::memset(r, ' ', SCREEN_COLS);
    r[SCREEN_COLS] = '\0';
  }
}

void text_screen::move(int row, int col) {
  if (row < 0 || row >= SCREEN_ROWS || col < 0 || col >= SCREEN_COLS) return;
  cur_row_ = row;
  cur_col_ = col;
  blank_ = false;
}

void text_screen::clear_eol() {
  release(cur_col_);
  std::memset(&grid_[cur_row_][cur_col_], ' ', SCREEN_COLS - cur_col_);
}

void text_screen::clear() {
  for (auto &r : grid_) std::memset(r, ' ', SCREEN_COLS);
  cur_row_ = 0;
  cur_col_ = 0;
  blank_ = false;
}

std::string text_screen::cell(int row, int col) const {
  if (row < 0 || row >= SCREEN_ROWS || col < 0 || col >= SCREEN_COLS) return {};
  char c = grid_[row][col];
  if (c == CELL_TEXT) return text_[row][col];
  return c == CELL_RIGHT ? std::string() : std::string(1, c);
}

std::string text_screen::line(int row) const {
  if (row < 0 || row >= SCREEN_ROWS) return {};
  const char *g = grid_[row];
  if (!std::memchr(g, CELL_TEXT, SCREEN_COLS))
    return std::string(g, SCREEN_COLS);
  std::string out;
  for (int c = 0; c < SCREEN_COLS; ++c) out += cell(row, c);
  return out;
}

void text_screen::release(int col) {
  char *g = grid_[cur_row_];
  if (g[col] == CELL_RIGHT) g[col - 1] = ' ';
  if (g[col] == CELL_TEXT && col + 1 < SCREEN_COLS && g[col + 1] == CELL_RIGHT)
    g[col + 1] = ' ';
}

// Past the last column writing goes on at the start of the next row; past
// the bottom-right cell nothing more is written.
void text_screen::advance(int cells) {
  cur_col_ += cells;
  if (cur_col_ < SCREEN_COLS) return;
  if (cur_row_ < SCREEN_ROWS - 1) {
    ++cur_row_;
    cur_col_ = 0;
  } else {
    cur_col_ = SCREEN_COLS - 1;
    blank_ = true;
  }
}

void text_screen::put_char(const char *bytes, int len, int cells) {
  if (blank_) return;
  char *g = grid_[cur_row_];
  if (cells == 0) {
    // A mark of no width joins the character before it on the row.
    if (cur_col_ == 0) return;
    int col = cur_col_ - 1;
    if (g[col] == CELL_RIGHT) --col;
    char *t = text_[cur_row_][col];
    if (g[col] != CELL_TEXT) t[0] = g[col], t[1] = '\0';
    std::size_t have = std::strlen(t);
    if (have + len >= CELL_BYTES) return;
    std::memcpy(t + have, bytes, len);
    t[have + len] = '\0';
    g[col] = CELL_TEXT;
    return;
  }
  // A wide character that does not fit the row leaves its last cell blank.
  if (cells == 2 && cur_col_ == SCREEN_COLS - 1) {
    put(' ');
    if (blank_) return;
    g = grid_[cur_row_];
  }
  release(cur_col_);
  if (cells == 2) release(cur_col_ + 1);
  std::memcpy(text_[cur_row_][cur_col_], bytes, len);
  text_[cur_row_][cur_col_][len] = '\0';
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
    if (cur_row_ < SCREEN_ROWS - 1) {
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
    if (stop >= SCREEN_COLS && cur_row_ < SCREEN_ROWS - 1) {
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
  grid_[cur_row_][cur_col_] = (u < 32 || u == 127) ? '?' : c;
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
    int room = SCREEN_COLS - 1 - cur_col_;
    int run = 0;
    while (run < room && (n < 0 || i + run < n) && plain(text[i + run])) ++run;
    if (run > 0 && !blank_) {
      release(cur_col_);
      release(cur_col_ + run - 1);
      std::memcpy(&grid_[cur_row_][cur_col_], text + i, run);
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
