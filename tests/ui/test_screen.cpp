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
  EXPECT_EQ(std::pair(wherex(), wherey()), std::pair(-1, -1));
}
