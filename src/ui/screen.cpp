// The grid behind every screen: curses window rules on 80x26 cells.
#include "screen.h"

#include <cstdlib>
#include <cstring>

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
  std::memset(&grid_[cur_row_][cur_col_], ' ', SCREEN_COLS - cur_col_);
}

void text_screen::clear() {
  for (auto &r : grid_) std::memset(r, ' ', SCREEN_COLS);
  cur_row_ = 0;
  cur_col_ = 0;
  blank_ = false;
}

std::string text_screen::line(int row) const {
  if (row < 0 || row >= SCREEN_ROWS) return {};
  return std::string(grid_[row], SCREEN_COLS);
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
  grid_[cur_row_][cur_col_] = (u < 32 || u == 127) ? '?' : c;
  if (++cur_col_ == SCREEN_COLS) {
    if (cur_row_ < SCREEN_ROWS - 1) {
      ++cur_row_;
      cur_col_ = 0;
    } else {
      cur_col_ = SCREEN_COLS - 1;
      blank_ = true;
    }
  }
}

void text_screen::write(const char *text, int n) {
  int i = 0;
  while ((n < 0 || i < n) && text[i] != '\0') {
    // A run of ordinary characters that fits the row is copied at once; the
    // rest goes through put, which knows the control characters and edges.
    int room = SCREEN_COLS - 1 - cur_col_;
    int run = 0;
    while (run < room && (n < 0 || i + run < n) &&
           static_cast<unsigned char>(text[i + run]) >= 32 &&
           text[i + run] != 127)
      ++run;
    if (run > 0 && !blank_) {
      std::memcpy(&grid_[cur_row_][cur_col_], text + i, run);
      cur_col_ += run;
      i += run;
      continue;
    }
    put(text[i]);
    ++i;
  }
  blank_ = false;
}
