// The grid behind every screen: curses window rules on 80x26 cells, the
// scripted keys and the cursor query.
#include <gtest/gtest.h>

#include "mem_screen.h"

TEST(Grid, TheLengthGivenAndNoCursorOutside) {
  memory_screen s;
  // Three bytes, no terminator: the sanitizer build reports reading a fourth.
  char *text = new char[3]{'a', 'b', 'c'};
  s.write(text, 3);
  delete[] text;
  s.write("defgh", 2);
  EXPECT_EQ(s.line(0).substr(0, 6), "abcde ");
  for (auto [r, c] : {std::pair(2, 3), {26, 0}, {0, 80}, {-1, -1}})
    s.move(r, c);
  EXPECT_EQ(std::pair(s.row(), s.col()), std::pair(2, 3));  // outside: ignored
  set_screen(nullptr);  // no cursor without a screen
  EXPECT_EQ(cursor_column(), -1);
}

// A text written at (row, col) of a blank grid whose row held `before`: that
// row and the next without their end blanks, and the cursor after it.
TEST(Grid, TabsLineEndsWrappingAndTheBottomRow) {
  const std::string x80(80, 'x'), sp(80, ' ');
  // clang-format off
  const struct { int row, col; std::string before, text, shown; int at_row, at_col; } cases[] = {
      {0, 0, "", "\x1f\tMAIN MENU\t\t\tCURRENT SETTINGS", "?" + sp.substr(0, 7) + "MAIN MENU" + sp.substr(0, 23) + "CURRENT SETTINGS||", 0, 56},  // "?" for a control
      {25, 1, x80, "\t\t\t\t\t\t\t", "x" + sp.substr(0, 55) + x80.substr(0, 24) + "|", 25, 56},  // tabs blank columns 1 to 55
      {24, 73, x80, "\tz", x80.substr(0, 73) + "|z|", 25, 1},  // a tab from 73 clears the rest; on below
      {4, 2, "abcdef", "X\nnext", "abX|next|", 5, 4},  // a line end clears the rest of its row
      {1, 75, "", "0123456789", sp.substr(0, 75) + "01234|56789|", 2, 5},  // a run wraps as characters do
      {5, 1, "", std::string(20 * 80, ' '), "||", 25, 1},
      {25, 70, "", "0123456789ABCDEF", sp.substr(0, 70) + "0123456789|", 25, 79},  // the rest dropped
      {25, 0, "", "a\nb\nc", "abc|", 25, 3},  // no scrolling: the row stays
      // clang-format on
  };
  for (const auto &c : cases) {
    memory_screen s;
    s.move(c.row, 0);
    s.write(c.before.c_str());
    s.move(c.row, c.col);
    s.write(c.text.c_str());
    std::string shown;  // the row and the next, each ended by '|'
    for (int r = c.row; r <= std::min(c.row + 1, 25); ++r) {
      std::string line = s.line(r);
      shown += line.erase(line.find_last_not_of(' ') + 1) + "|";
    }
    EXPECT_EQ(shown, c.shown) << c.text;
    EXPECT_EQ(std::pair(s.row(), s.col()), std::pair(c.at_row, c.at_col))
        << c.text;
  }
}

// Under a UTF-8 locale a cell holds a character: a letter of two bytes one
// cell, a wide one two, a mark of no width joins the letter before it, and
// each byte that is not UTF-8 is one replacement mark. A half of a wide
// character written over blanks the other half. Under the C locale every
// byte stays a cell, as before.
TEST(Grid, Utf8CharactersInDisplayCells) {
  memory_screen s;
  {
    Utf8Locale utf8;
    ASSERT_TRUE(utf8.ok);
    s.write("\xC3\x89sprit Drag\xC3\xB3n|");
    EXPECT_EQ(s.line(0), "\xC3\x89sprit Drag\xC3\xB3n|" + std::string(66, ' '));
    EXPECT_EQ(s.col(), 14);
    // A lone lead byte, 0xFF, an overlong '/', a surrogate: a mark a byte.
    s.move(1, 0);
    s.write(
        "a\xC3"
        "b\xFF\xE0\x80\xAF\xED\xA0\x80|");
    std::string mark = "\xEF\xBF\xBD", marks;
    for (int i = 0; i < 7; ++i) marks += mark;
    EXPECT_EQ(s.line(1).substr(0, 27), "a" + mark + "b" + marks + "|");
    EXPECT_EQ(s.col(), 11);
    // Two wide characters from column 77: the second does not fit the row,
    // which ends blank, and goes on at the start of the next.
    s.move(2, 77);
    s.write("\xE7\xAB\x9C\xE6\x97\xA5");
    EXPECT_EQ(s.line(2).substr(77), "\xE7\xAB\x9C ");
    EXPECT_EQ(s.cell(3, 0) + "|" + s.cell(3, 1), "\xE6\x97\xA5|");
    EXPECT_EQ(s.col(), 2);
    s.move(3, 1);
    s.write("y");
    EXPECT_EQ(s.line(3).substr(0, 3), " y ");
    s.move(4, 0);
    // The length given is in bytes: a character it cuts is a mark.
    s.write("e\xCC\x81!\xC3\x89sprit", 5);
    EXPECT_EQ(s.cell(4, 0) + "|" + s.cell(4, 1) + "|" + s.cell(4, 2),
              "e\xCC\x81|!|" + mark);
  }
  s.move(5, 0);
  s.write("\xC3\x89t\xC3\xA9");
  EXPECT_EQ(s.line(5).substr(0, 6), "\xC3\x89t\xC3\xA9 ");
  EXPECT_EQ(s.col(), 5);
}
