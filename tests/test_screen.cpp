// The grid behind every screen: curses window rules on 80x26 cells.
#include <gtest/gtest.h>

#include "screen.h"

namespace {

TEST(Grid, TabsAdvanceToMultiplesOfEight) {
  MemScreen s;
  s.move(3, 0);
  s.write("\tMAIN MENU\t\t\tCURRENT SETTINGS");
  EXPECT_EQ(s.line(3).find("MAIN MENU"), 8u);
  EXPECT_EQ(s.line(3).find("CURRENT SETTINGS"), 40u);
}

TEST(Grid, SevenTabsBlankColumnsOneTo55) {
  MemScreen s;
  s.move(25, 0);
  s.write(std::string(80, 'x').c_str());
  s.move(25, 1);
  s.write("\t\t\t\t\t\t\t");
  std::string row = s.line(25);
  EXPECT_EQ(row[0], 'x');
  EXPECT_EQ(row.substr(1, 55), std::string(55, ' '));
  EXPECT_EQ(row[56], 'x');
  EXPECT_EQ(s.col(), 56);
}

TEST(Grid, LineEndClearsRestOfRow) {
  MemScreen s;
  s.move(4, 0);
  s.write("abcdef");
  s.move(4, 2);
  s.write("X\nnext");
  EXPECT_EQ(s.line(4).substr(0, 6), "abX   ");
  EXPECT_EQ(s.line(5).substr(0, 4), "next");
}

TEST(Grid, WrapsAtRightEdgeAndStopsAtBottom) {
  MemScreen s;
  s.move(5, 1);
  std::string blanks(20 * 80, ' ');
  s.write(blanks.c_str());
  EXPECT_EQ(s.row(), 25);
  EXPECT_EQ(s.col(), 1);
  s.move(25, 70);
  s.write("0123456789ABCDEF");  // runs past the last cell: the rest is dropped
  EXPECT_EQ(s.line(25).substr(70), "0123456789");
  s.move(25, 0);
  s.write("a\nb\nc");
  EXPECT_EQ(s.row(), 25);
  EXPECT_EQ(s.line(25).substr(0, 4), "abc ");  // no scrolling: the row stays
}

TEST(Grid, MovesOutsideTheScreenAreIgnored) {
  MemScreen s;
  s.move(2, 3);
  s.move(26, 0);
  s.move(0, 80);
  s.move(-1, -1);
  EXPECT_EQ(s.row(), 2);
  EXPECT_EQ(s.col(), 3);
}

TEST(Grid, WriteHonoursLengthAndControlCharacters) {
  MemScreen s;
  s.write("abcdef", 3);
  s.write("\x01");
  EXPECT_EQ(s.line(0).substr(0, 5), "abc? ");
}

TEST(Keys, ScriptThenEscapeForever) {
  MemScreen s;
  s.push_keys("7y");
  s.push_key(KEY_PAD_ENTER);
  EXPECT_EQ(s.read_key(), '7');
  EXPECT_EQ(s.read_key(), 'y');
  EXPECT_EQ(s.read_key(), KEY_PAD_ENTER);
  EXPECT_EQ(s.read_key(), KEY_ESC);
  EXPECT_EQ(s.reads_past_end(), 1);
}

TEST(Cursor, WhereQueriesNeedAScreen) {
  set_screen(nullptr);
  EXPECT_EQ(wherex(), -1);
  EXPECT_EQ(wherey(), -1);
  MemScreen s;
  set_screen(&s);
  s.move(7, 9);
  EXPECT_EQ(wherex(), 9);
  EXPECT_EQ(wherey(), 7);
  set_screen(nullptr);
}

}  // namespace

namespace {

TEST(Grid, WriteStopsAtLengthWithoutReadingPastIt) {
  MemScreen s;
  // Exactly three bytes, no terminator: reading a fourth would be an overrun
  // the sanitizer build reports.
  char *text = new char[3]{'a', 'b', 'c'};
  s.write(text, 3);
  delete[] text;
  EXPECT_EQ(s.line(0).substr(0, 4), "abc ");
  // A long run wraps exactly like single characters do.
  s.move(1, 75);
  s.write("0123456789");
  EXPECT_EQ(s.line(1).substr(75), "01234");
  EXPECT_EQ(s.line(2).substr(0, 6), "56789 ");
}

}  // namespace
