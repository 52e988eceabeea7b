// The one seam through which all drawing and key reading passes. The program
// draws on an 80x26 grid (larger only while a screen asks for the whole
// window, see follow_window) with the rules of a curses window (tabs to the
// next multiple of 8, a line end clears the rest of the row, wrap at the right
// edge, nothing written past the last row); ncurses shows that grid on the
// terminal, and tests use the grid alone with scripted keys. A cell holds one
// character as text, measured as screen_text.h measures it: a wide character
// takes two cells, a byte that is not UTF-8 one cell with the replacement
// mark.
#pragma once

#include <string>

// The size every screen is laid out for, and the least a window must have.
constexpr int SCREEN_ROWS = 26;
constexpr int SCREEN_COLS = 80;
// The largest grid, however large the window.
constexpr int MAX_SCREEN_ROWS = 200;
constexpr int MAX_SCREEN_COLS = 400;

// Keys as the fields see them.
constexpr int KEY_BS = 8;
constexpr int KEY_CR = 13;
constexpr int KEY_ESC = 27;
constexpr int KEY_DEL = 127;  // what many terminals send for Backspace
constexpr int KEY_PAD_BS = 263;
constexpr int KEY_PAD_ENTER = 343;
// Cursor and function keys as the curses screen reports them.
constexpr int KEY_PAD_DOWN = 258;
constexpr int KEY_PAD_UP = 259;
constexpr int KEY_PAD_F1 = 265;
constexpr int KEY_PAD_PGDN = 338;
constexpr int KEY_PAD_PGUP = 339;
constexpr int KEY_PAD_LEFT = 260;
constexpr int KEY_PAD_RIGHT = 261;
constexpr int KEY_PAD_HOME = 262;
constexpr int KEY_PAD_DELETE = 330;  // the Delete key beside Home and End
constexpr int KEY_PAD_END = 360;
constexpr int KEY_CTRL_U = 21;
// Read only while the grid follows the window: the window changed its size.
constexpr int KEY_PAD_RESIZE = 410;

// Ctrl-H, DEL and the Backspace key all erase the last character typed.
constexpr bool is_erase_key(int key) {
  return key == KEY_BS || key == KEY_DEL || key == KEY_PAD_BS;
}

class text_screen {
 public:
  virtual ~text_screen() = default;

  void move(int row, int col);
  // Writes at most n bytes of text (all of it when n is negative) at the
  // cursor, stopping at a terminating zero.
  void write(const char *text, int n = -1);
  void clear_eol();
  void clear();
  int row() const { return cur_row_; }
  int col() const { return cur_col_; }
  // The text shown at a cell (empty for the right half of a wide
  // character), and a row of the grid as text.
  std::string cell(int row, int col) const;
  std::string line(int row) const;
  // The grid's size: 80x26 unless it follows the window.
  int rows() const { return rows_; }
  int cols() const { return cols_; }

  // On: the grid takes the window's size (at least 80x26, at most the
  // largest grid) now and at every KEY_PAD_RESIZE, which read_key then
  // returns when the window changes. Off: the grid is 80x26 again and a
  // change of the window is only repainted. The grid keeps what fits.
  void follow_window(bool on);
  bool following_window() const { return following_; }
  // Takes the window's size when following it; true when the grid changed.
  bool fit_window();
  // The window's rows and columns.
  virtual int window_rows() const { return SCREEN_ROWS; }
  virtual int window_cols() const { return SCREEN_COLS; }

  // Cells shown highlighted over the grid (a search's match): `cells` of
  // them from (row, col); none while cells is 0.
  struct span {
    int row = 0, col = 0, cells = 0;
  };
  void highlight(span cells) { highlight_ = cells; }
  const span &highlighted() const { return highlight_; }

  // Brings the display up to date with the grid.
  virtual void refresh() = 0;
  // Waits for the next key.
  virtual int read_key() = 0;
  // Tells that a key was refused: the terminal's bell, or its flash.
  virtual void beep() {}

 private:
  void put(char c);
  // One character of `cells` cells (0 joins it to the one before).
  void put_char(const char *bytes, int len, int cells);
  // Makes the cell ready to be written: the other half of a wide character
  // in it is blanked.
  void release(int col);
  void advance(int cells);
  void set_size(int rows, int cols);
  char *grid_row(int row) { return &grid_[row * (cols_ + 1)]; }
  const char *grid_row(int row) const { return &grid_[row * (cols_ + 1)]; }
  char *text_at(int row, int col) {
    return &text_[(row * cols_ + col) * CELL_BYTES];
  }
  const char *text_at(int row, int col) const {
    return &text_[(row * cols_ + col) * CELL_BYTES];
  }

  // Bytes for one character and the marks of no width joined to it.
  static constexpr int CELL_BYTES = 16;
  // A grid byte is the character itself, or one of these marks.
  static constexpr char CELL_TEXT = '\x01';   // the text is in text_
  static constexpr char CELL_RIGHT = '\x02';  // right half of a wide char
  int rows_ = 0;
  int cols_ = 0;
  bool following_ = false;
  // Row by row, each row cols_ cells and a terminating zero.
  std::string grid_;
  // CELL_BYTES for each cell, for the cells marked CELL_TEXT.
  std::string text_;
  int cur_row_ = 0;
  int cur_col_ = 0;
  bool blank_ = false;
  span highlight_;

 protected:
  text_screen();
};

// The screen in use. The program installs the curses screen at start-up;
// tests install a screen held in memory.
text_screen &scr();
void set_screen(text_screen *screen);

// Cursor column of the screen, or -1 when no screen is installed.
int cursor_column();
