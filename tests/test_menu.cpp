// The main menu: its texts at their positions, the settings column, the
// special-score lines, shortened texts, and the menu keys.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hoardex.h"
#include "infofiles.h"
#include "screen.h"

namespace {

void add_monster(int i, const char *name, const char *group, uint32_t spec) {
  monster_type &m = monster[i];
  std::memset(&m, 0, sizeof m);
  std::snprintf(m.name, sizeof m.name, "%s", name);
  std::snprintf(m.group, sizeof m.group, "%s", group);
  m.spec_code = spec;
}

class Menu : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(monster, 0, sizeof monster);
    add_monster(0, "Bog Lurker", "Mirewight", 0x3);
    add_monster(1, "Ash Warlock", " ", 0xC | 0x10 | 0x20 | 0x8000);
    add_monster(2, "Fen Shifter", "Skinturner", 0x700 | 0x1000 | 0x2000);
    max_mon = 3;
    std::memset(area, 0, sizeof area);
    std::snprintf(area[0].name, sizeof area[0].name, "%s", "Cave");
    std::snprintf(area[1].name, sizeof area[1].name, "%s", "Ruined Keep");
    max_area = 2;
    default_settings();
    std::snprintf(pos_txt, sizeof pos_txt, "%s", " ");
    std::snprintf(comm_txt, sizeof comm_txt, "%s", " ");
    set_screen(&s);
  }
  void TearDown() override { set_screen(nullptr); }
  // Text at a position, as wide as the expected text.
  std::string at(int row, int col, const std::string &expect) {
    return s.line(row).substr(col, expect.size());
  }
  std::string from(int row, int col) {
    std::string l = s.line(row).substr(col);
    return l.substr(0, l.find_last_not_of(' ') + 1);
  }
  MemScreen s;
};

TEST_F(Menu, TextsAndSettingsAtTheirPositions) {
  info.c_area = 1;
  info.c_CDF = 12;
  info.max_CDF = 34;
  info.c_JewEL = 56;
  info.gd_day = 3;
  info.gd_month = 11;
  info.gd_year = 1024;
  std::snprintf(output_name, sizeof output_name, "%s", "hoard");
  s.push_key(KEY_ESC);
  main_menu();
  EXPECT_EQ(at(1, 1, "Wyrdmoor Treasure Generator"),
            "Wyrdmoor Treasure Generator");
  EXPECT_EQ(s.line(3).substr(0, 56),
            "        MAIN MENU                       CURRENT SETTINGS");
  EXPECT_EQ(s.line(5),
            "  1: Select a monster           Monster         : "
            "Mirewight, Bog Lurker" +
                std::string(9, ' '));
  EXPECT_EQ(from(6, 0),
            "  2: Select a lair              Lair            : "
            "Ruined Keep");
  EXPECT_EQ(from(7, 0), "  3: Set creature CDF           Creature CDF    : 12");
  EXPECT_EQ(from(8, 0), "  4: Set group's highest CDF    Group's CDF     : 34");
  EXPECT_EQ(from(9, 0), "  5: Set jeweler's EL           Jeweler EL      : 56");
  EXPECT_EQ(from(10, 0), "  6: Set creature special");
  EXPECT_EQ(from(11, 0), "     scores");
  EXPECT_EQ(from(12, 0), "");
  EXPECT_EQ(from(13, 0), "  7: Generate treasure for");
  EXPECT_EQ(from(14, 0), "     current settings");
  EXPECT_EQ(from(15, 0), "  8: Manual Treasure Generation");
  EXPECT_EQ(from(16, 0), "");
  EXPECT_EQ(from(17, 0),
            "  9: Enter comments             Game date       : 3/11/1024");
  EXPECT_EQ(from(18, 0), std::string(32, ' ') + "Position        :");
  EXPECT_EQ(from(19, 0), std::string(32, ' ') + "Comments        :");
  EXPECT_EQ(from(20, 0), "");
  EXPECT_EQ(from(21, 0),
            "  F: Select an output file      Output file     : hoard.hxo");
  EXPECT_EQ(from(22, 0), "  Q: Exit this program");
  EXPECT_EQ(s.line(25), " Enter your choice : " + std::string(59, ' '));
  EXPECT_EQ(s.row(), 25);
  EXPECT_EQ(s.col(), 21);
}

TEST_F(Menu, SpecialScoreLinesFollowTheMonstersBits) {
  info.c_mon = 1;
  info.c_mon_Stat = 4;
  info.c_mon_MEL = 17;
  info.c_mon_CEL = 23;
  info.other_mon = 0x8000;
  s.push_key(KEY_ESC);
  main_menu();
  EXPECT_EQ(from(5, 50), "Ash Warlock");  // no group: the name alone
  EXPECT_EQ(from(10, 32), "Station         : 4");
  EXPECT_EQ(from(11, 32), "MEL             : 17");
  EXPECT_EQ(from(12, 32), "CEL             : 23");
  EXPECT_EQ(from(13, 32), "Other monsters in group : No");
  EXPECT_EQ(from(14, 32), "Station         : 4");
  EXPECT_EQ(from(15, 32), "Magic User      : Yes");
  EXPECT_EQ(from(16, 32), "");

  info.c_mon = 2;
  info.other_mon = 0x1000 | 0x400 | 0x100;
  s.push_key(KEY_ESC);
  main_menu();
  EXPECT_EQ(from(10, 32), "Dressed         : No");
  EXPECT_EQ(from(11, 32), "Exceptional member : Yes");
  EXPECT_EQ(from(12, 32), "Humanoid Form    Yes");
  EXPECT_EQ(from(13, 32), "Elite member    : No");
  EXPECT_EQ(from(14, 32), "King of race    : Yes");
  EXPECT_EQ(from(15, 32), "");

  // Bits 0x1 and 0x2 alone ask nothing and show nothing.
  info.c_mon = 0;
  s.push_key(KEY_ESC);
  main_menu();
  for (int row = 10; row <= 16; ++row) EXPECT_EQ(from(row, 32), "") << row;
}

TEST_F(Menu, LongPositionAndCommentAreShortened) {
  std::string p29(29, 'p');
  std::string c30 = "abcdefghijklmnopqrstuvwxyz1234";
  std::snprintf(pos_txt, sizeof pos_txt, "%s", p29.c_str());
  std::snprintf(comm_txt, sizeof comm_txt, "%s", c30.c_str());
  s.push_key(KEY_ESC);
  main_menu();
  EXPECT_EQ(from(18, 32), "Position        : " + p29);
  EXPECT_EQ(from(19, 32), "Comments        : abcdefghijklmnopqrstuvwxyz12..");
  std::string c59(59, 'c');
  std::snprintf(comm_txt, sizeof comm_txt, "%s", c59.c_str());
  s.push_key(KEY_ESC);
  main_menu();
  EXPECT_EQ(from(19, 32), "Comments        : " + std::string(28, 'c') + "..");
}

TEST_F(Menu, KeysStoreTheDialogueResults) {
  // "3" then Escape keeps the CDF; "3", "4", "2", Enter stores 42.
  s.push_keys("3");
  s.push_key(KEY_ESC);
  s.push_keys("342\r");
  s.push_keys("4");
  s.push_key(KEY_PAD_ENTER);  // ignored: no value yet
  s.push_keys("9\r");
  s.push_keys("581\r");
  s.push_key(KEY_BS);
  s.push_keys("\r");
  s.push_keys("12\r");  // second monster
  s.push_keys("22\r");  // second lair
  s.push_keys("Q");
  main_menu();
  EXPECT_EQ(info.c_CDF, 42);
  EXPECT_EQ(info.max_CDF, 9);
  EXPECT_EQ(info.c_JewEL, 8);
  EXPECT_EQ(info.c_mon, 1);
  EXPECT_EQ(info.c_area, 1);
  EXPECT_EQ(s.keys_left(), 0u);
  EXPECT_EQ(s.reads_past_end(), 0);
  // The redrawn menu shows the new settings.
  EXPECT_EQ(from(5, 50), "Ash Warlock");
  EXPECT_EQ(from(6, 50), "Ruined Keep");
  EXPECT_EQ(from(7, 50), "42");
  EXPECT_EQ(from(9, 50), "8");
}

TEST_F(Menu, OtherKeysAreIgnoredAndEscapeLeaves) {
  s.push_keys("x0 Z");
  s.push_key(KEY_CR);
  s.push_key(KEY_ESC);
  s.push_keys("q");
  main_menu();
  EXPECT_EQ(s.keys_left(), 1u);  // left at Escape
  main_menu();                   // left at "q"
  s.push_keys("Q");
  main_menu();
  EXPECT_EQ(s.keys_left(), 0u);
  EXPECT_EQ(s.reads_past_end(), 0);
}

TEST_F(Menu, AnotherMonsterKeepsTheScores) {
  info.c_mon_Stat = 7;
  info.c_mon_MEL = 8;
  info.c_mon_CEL = 9;
  info.other_mon = 0x10;
  s.push_keys("12\rq");
  main_menu();
  EXPECT_EQ(info.c_mon_Stat, 7);
  EXPECT_EQ(info.other_mon, 0x10u);
  EXPECT_EQ(from(12, 32), "CEL             : 9");
  EXPECT_EQ(from(13, 32), "Other monsters in group : Yes");
}

}  // namespace
