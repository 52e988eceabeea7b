// The settings dialogues: monster list paging, the area list, the
// special-score questions, the game date with position and comments.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hoardex.h"
#include "infofiles.h"
#include "screen.h"

namespace {

class Screens : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(monster, 0, sizeof monster);
    std::memset(area, 0, sizeof area);
    default_settings();
    std::snprintf(pos_txt, sizeof pos_txt, "%s", " ");
    std::snprintf(comm_txt, sizeof comm_txt, "%s", " ");
    set_screen(&s);
  }
  void TearDown() override { set_screen(nullptr); }
  // n monsters "Monster k"; every third has the group "Clan".
  void monsters(int n) {
    for (int i = 0; i < n; ++i) {
      std::snprintf(monster[i].name, NAME_SIZE, "Monster %d", i + 1);
      std::snprintf(monster[i].group, GROUP_SIZE, "%s", i % 3 ? " " : "Clan");
    }
    max_mon = n;
  }
  void one_monster(uint32_t spec) {
    monsters(1);
    monster[0].spec_code = spec;
  }
  std::string trimmed(int row) {
    std::string l = s.line(row);
    return l.substr(0, l.find_last_not_of(' ') + 1);
  }
  MemScreen s;
};

// A list row: " %2d: %-30s%2d: %-30s" for monsters a and b (numbers).
std::string row_of(int a, const char *la, int b, const char *lb) {
  char out[128];
  std::snprintf(out, sizeof out, " %2d: %-30s%2d: %s", a, la, b, lb);
  return out;
}

TEST_F(Screens, MonsterListPagesThirtySevenMonsters) {
  monsters(37);
  info.c_mon = 5;
  s.push_key(KEY_ESC);
  EXPECT_EQ(sel_monster(), 5);  // Escape keeps the current monster
  EXPECT_EQ(s.line(3).substr(0, 22), "        SELECT MONSTER");
  EXPECT_EQ(trimmed(5), row_of(1, "Clan, Monster 1", 19, "Clan, Monster 19"));
  EXPECT_EQ(trimmed(6), row_of(2, "Monster 2", 20, "Monster 20"));
  EXPECT_EQ(trimmed(22), row_of(18, "Monster 18", 36, "Monster 36"));
  EXPECT_EQ(trimmed(25),
            " Spacebar for next page of monster list. Select a monster "
            "(1-37) :");

  s.push_keys(" ");
  s.push_key(KEY_ESC);
  sel_monster();
  EXPECT_EQ(trimmed(5), " 37: Clan, Monster 37");
  for (int row = 6; row <= 22; ++row) EXPECT_EQ(trimmed(row), "") << row;
  EXPECT_EQ(trimmed(25),
            " Spacebar for next page of monster list. Select a monster "
            "(1-37) :");

  s.push_keys("  ");
  s.push_key(KEY_ESC);
  sel_monster();
  EXPECT_EQ(trimmed(22), row_of(18, "Monster 18", 36, "Monster 36"));
}

TEST_F(Screens, MonsterSelectionRefusesZeroAndTooHigh) {
  monsters(37);
  s.push_keys("038\r");
  s.push_key(KEY_BS);
  s.push_keys("7\r");
  EXPECT_EQ(sel_monster(), 36);
  EXPECT_EQ(s.keys_left(), 0u);
  // Typing goes on across a page change, and the page shows the digits.
  s.push_keys("1 2\r");
  EXPECT_EQ(sel_monster(), 11);
  EXPECT_EQ(s.line(25).substr(67, 3), "12 ");
  s.push_keys("0");
  s.push_key(KEY_PAD_ENTER);
  s.push_keys("1");
  s.push_key(KEY_PAD_ENTER);
  EXPECT_EQ(sel_monster(), 0);
}

TEST_F(Screens, ShortListKeepsOnePageAndOddCountLeavesRightBlank) {
  monsters(5);
  s.push_keys(" ");
  s.push_key(KEY_ESC);
  sel_monster();
  EXPECT_EQ(trimmed(5), row_of(1, "Clan, Monster 1", 4, "Clan, Monster 4"));
  EXPECT_EQ(trimmed(6), row_of(2, "Monster 2", 5, "Monster 5"));
  EXPECT_EQ(trimmed(7), "  3: Monster 3");
  EXPECT_EQ(trimmed(8), "");
}

TEST_F(Screens, AreaListOfFiveAreas) {
  const char *names[] = {"Open Ground", "Cave", "Burrow", "Sunken Temple",
                         "Ruined Keep"};
  for (int i = 0; i < 5; ++i)
    std::snprintf(area[i].name, NAME_SIZE, "%s", names[i]);
  max_area = 5;
  info.c_area = 2;
  s.push_keys("60");
  s.push_key(KEY_CR);
  s.push_key(KEY_BS);
  s.push_key(KEY_ESC);
  EXPECT_EQ(sel_area(), 2);
  EXPECT_EQ(s.line(3).substr(0, 19), "        SELECT AREA");
  // Each left name is padded to 20 columns, then a tab to column 32.
  EXPECT_EQ(trimmed(5),
            "  1: Open Ground" + std::string(16, ' ') + " 4: Sunken Temple");
  EXPECT_EQ(trimmed(6), "  2: Cave" + std::string(23, ' ') + " 5: Ruined Keep");
  EXPECT_EQ(trimmed(7), "  3: Burrow");
  EXPECT_EQ(trimmed(8), "");
  EXPECT_EQ(s.line(25).substr(0, 26), " Select an area (1-5) : 6 ");
  s.push_keys("5\r");
  EXPECT_EQ(sel_area(), 4);
}

TEST_F(Screens, SpecialScoresAskedTwiceKeepTheSecondAnswers) {
  one_monster(0x4 | 0x8);
  s.move(25, 60);
  s.write("x");
  s.push_keys("1\r2\r3\r4\r5\r6\r");
  set_mon_spec();
  EXPECT_EQ(info.c_mon_Stat, 4);
  EXPECT_EQ(info.c_mon_MEL, 5);
  EXPECT_EQ(info.c_mon_CEL, 6);
  EXPECT_EQ(s.keys_left(), 0u);
  EXPECT_EQ(s.line(25).substr(0, 16), " CEL (0-50) : 6 ");
  EXPECT_EQ(s.line(25)[60], 'x');  // the blanking stops at column 55

  one_monster(0x4 | 0x20);
  s.push_keys("1\r2\r\r9\r");  // an empty Enter answers 0
  set_mon_spec();
  EXPECT_EQ(info.c_mon_Stat, 9);
  EXPECT_EQ(info.c_mon_MEL, 2);
  EXPECT_EQ(info.c_mon_CEL, 0);
  EXPECT_EQ(s.line(25).substr(0, 20), " Station (0-10) : 9 ");
}

TEST_F(Screens, SpecialScoresYesNoAnswersInOrder) {
  one_monster(0x10 | 0x8000 | 0x100);
  info.other_mon = 0xABC00010;
  s.push_keys("n\ry\rn\r");
  set_mon_spec();
  // Answers replace their bits; storing clears bits 16 to 31.
  EXPECT_EQ(info.other_mon, 0x8000u);
  EXPECT_EQ(s.line(25).substr(0, 36), " Is it a King of its race (y/n) : n ");

  one_monster(0x4000 | 0x2000 | 0x1000 | 0x800 | 0x400 | 0x200);
  info.other_mon = 0x8000;
  s.push_keys("y\ry\ry\ry\ry\ry\r");
  set_mon_spec();
  EXPECT_EQ(info.other_mon, 0xFE00u);
  EXPECT_EQ(s.line(25).substr(0, 44),
            " Is it an Elite member of its race (y/n) : y");
}

TEST_F(Screens, SpecialScoresEscapeOrNothingToAsk) {
  one_monster(0x4 | 0x100);
  info.c_mon_Stat = 1;
  info.c_mon_MEL = 2;
  info.c_mon_CEL = 3;
  s.push_keys("7\r8\r9\ry");
  s.push_key(KEY_ESC);  // at the King question, the last
  set_mon_spec();
  EXPECT_EQ(info.c_mon_Stat, 1);
  EXPECT_EQ(info.c_mon_MEL, 2);
  EXPECT_EQ(info.c_mon_CEL, 3);
  EXPECT_EQ(info.other_mon, 0u);

  // Only bits 0x1, 0x2 and those past 0x8000: nothing is asked.
  one_monster(0x3 | 0x40000);
  s.push_keys("5\r");
  set_mon_spec();
  EXPECT_EQ(s.keys_left(), 2u);
  EXPECT_EQ(s.reads_past_end(), 0);
  EXPECT_EQ(info.c_mon_Stat, 1);
}

TEST_F(Screens, CommentsScreenStoresAllOrNothing) {
  s.push_keys("5\r6\r2024\rAt the ford\rGreat battle\r");
  EXPECT_EQ(enter_comm(), 1);
  EXPECT_EQ(info.gd_day, 5);
  EXPECT_EQ(info.gd_month, 6);
  EXPECT_EQ(info.gd_year, 2024);
  EXPECT_STREQ(pos_txt, "At the ford");
  EXPECT_STREQ(comm_txt, "Great battle");
  EXPECT_EQ(trimmed(25), " Comments   : Great battle");

  // Empty Enters keep every value.
  s.push_keys("\r\r\r\r\r");
  EXPECT_EQ(enter_comm(), 1);
  EXPECT_EQ(info.gd_year, 2024);
  EXPECT_STREQ(pos_txt, "At the ford");

  // Escape at the last question drops the earlier answers.
  s.push_keys("9\r9\r9\rElsewhere\r");
  s.push_key(KEY_ESC);
  EXPECT_EQ(enter_comm(), 0);
  EXPECT_EQ(info.gd_day, 5);
  EXPECT_STREQ(pos_txt, "At the ford");
}

TEST_F(Screens, CommentsQuestionBlanksToColumnSeventySix) {
  s.move(25, 0);
  s.write(std::string(80, 'x').c_str());
  s.push_keys("1\r1\r1\rp\rc\r");
  enter_comm();
  std::string l = s.line(25);
  EXPECT_EQ(l.substr(0, 16), "x" + std::string("Comments   : c "));
  EXPECT_EQ(l.substr(16, 61), std::string(61, ' '));
  EXPECT_EQ(l.substr(77), "xxx");
}

}  // namespace
