// The grid behind every screen: curses window rules on 80x26 cells, the
// scripted keys and the cursor query.
#include <gtest/gtest.h>

#include "mem_screen.h"

TEST(Grid, TabsLineEndsAndTheLengthGiven) {
  memory_screen s;
  // Three bytes, no terminator: the sanitizer build reports reading a fourth.
  char *text = new char[3]{'a', 'b', 'c'};
  s.write(text, 3);
  delete[] text;
  s.write("defgh", 2);
  s.write("\x1f\tMAIN MENU\t\t\tCURRENT SETTINGS");  // "?" for a control
  EXPECT_EQ(s.line(0).substr(0, 56),
            "abcde?  MAIN MENU" + std::string(23, ' ') + "CURRENT SETTINGS");
  // Seven tabs from column 1 blank columns 1 to 55 of a full row.
  s.move(25, 0);
  s.write(std::string(80, 'x').c_str());
  s.move(25, 1);
  s.write("\t\t\t\t\t\t\t");
  EXPECT_EQ(s.line(25), "x" + std::string(55, ' ') + std::string(24, 'x'));
  EXPECT_EQ(s.col(), 56);
  // A tab from column 73 clears the rest of its row; writing goes on below.
  s.move(24, 0);
  s.write(std::string(80, 'x').c_str());
  s.move(24, 73);
  s.write("\tz");
  EXPECT_EQ(s.line(24), std::string(73, 'x') + std::string(7, ' '));
  EXPECT_EQ(s.line(25)[0], 'z');
  // A line end clears the rest of its row.
  s.move(4, 0);
  s.write("abcdef");
  s.move(4, 2);
  s.write("X\nnext");
  EXPECT_EQ(s.line(4).substr(0, 6) + s.line(5).substr(0, 5), "abX   next ");
}

TEST(Grid, WrapsAtTheRightEdgeAndStopsAtTheBottomRow) {
  memory_screen s;
  s.move(1, 75);
  s.write("0123456789");  // a run wraps like single characters do
  EXPECT_EQ(s.line(1).substr(75) + s.line(2).substr(0, 6), "0123456789 ");
  s.move(5, 1);
  s.write(std::string(20 * 80, ' ').c_str());
  EXPECT_EQ(std::pair(s.row(), s.col()), std::pair(25, 1));
  s.move(25, 70);
  s.write("0123456789ABCDEF");  // past the last cell the rest is dropped
  EXPECT_EQ(s.line(25).substr(70), "0123456789");
  s.move(25, 0);
  s.write("a\nb\nc");  // no scrolling: the row stays
  EXPECT_EQ(s.line(25).substr(0, 4), "abc ");
  for (auto [r, c] : {std::pair(2, 3), {26, 0}, {0, 80}, {-1, -1}})
    s.move(r, c);
  EXPECT_EQ(std::pair(s.row(), s.col()), std::pair(2, 3));  // outside: ignored
  set_screen(nullptr);  // no cursor without a screen
  EXPECT_EQ(cursor_column(), -1);
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
