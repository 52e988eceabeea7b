// The main menu: the whole screen with the settings column and shortened
// texts, the special-score lines of each monster, and the menu keys.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hoardex.h"
#include "infofiles.h"
#include "screen.h"

namespace {

class Menu : public ::testing::Test {
 protected:
  void SetUp() override {
    monster[0] = monster_type{"Bog Lurker", "Mirewight", nullptr, 0x3, 0, 0};
    // Station, MEL and CEL, other monsters, Station again, magic user.
    monster[1] = monster_type{"Ash Warlock", " ", nullptr, 0x803C, 0, 0};
    monster[2] =
        monster_type{"Fen Shifter", "Skinturner", nullptr, 0x3700, 0, 0};
    max_mon = 3;
    area[0] = area_type{"Cave", 0, 0, 0, 0, 0};
    area[1] = area_type{"Ruined Keep", 0, 0, 0, 0, 0};
    max_area = 2;
    default_settings();
    std::strcpy(pos_txt, " ");
    std::strcpy(comm_txt, " ");
    set_screen(&s);
  }
  void TearDown() override { set_screen(nullptr); }
  // Rows first to last of the menu from column col, without trailing blanks.
  std::string rows(int first, int last, int col = 0) {
    s.push_key(KEY_ESC);
    main_menu();
    std::string out;
    for (int r = first; r <= last; ++r) {
      std::string l = s.line(r).substr(col);
      out += l.substr(0, l.find_last_not_of(' ') + 1) + "\n";
    }
    return out;
  }
  MemScreen s;
};

TEST_F(Menu, WholeScreenWithTheSettingsColumn) {
  info = {1, 1, 12, 34, 56, 0, 4, 17, 23, 3, 11, 1024, 0x8000};
  std::snprintf(output_name, sizeof output_name, "%s", "hoard");
  // 29 characters are shown whole, longer texts as 28 and "..".
  std::snprintf(pos_txt, sizeof pos_txt, "%s", std::string(29, 'p').c_str());
  std::strcpy(comm_txt, "abcdefghijklmnopqrstuvwxyz1234");
  EXPECT_EQ(rows(0, 25), R"(
 Wyrdmoor Treasure Generator                                  Ombrel Software

        MAIN MENU                       CURRENT SETTINGS

  1: Select a monster           Monster         : Ash Warlock
  2: Select a lair              Lair            : Ruined Keep
  3: Set creature CDF           Creature CDF    : 12
  4: Set group's highest CDF    Group's CDF     : 34
  5: Set jeweler's EL           Jeweler EL      : 56
  6: Set creature special       Station         : 4
     scores                     MEL             : 17
                                CEL             : 23
  7: Generate treasure for      Other monsters in group : No
     current settings           Station         : 4
  8: Manual Treasure Generation Magic User      : Yes

  9: Enter comments             Game date       : 3/11/1024
                                Position        : ppppppppppppppppppppppppppppp
                                Comments        : abcdefghijklmnopqrstuvwxyz12..

  F: Select an output file      Output file     : hoard.hxo
  Q: Exit this program


 Enter your choice :
)");
  EXPECT_EQ(s.col(), 21);  // the cursor waits after the prompt
}

TEST_F(Menu, ScoreLinesFollowTheMonstersBits) {
  info.c_mon = 2;
  info.other_mon = 0x1000 | 0x400 | 0x100;
  EXPECT_EQ(rows(10, 16, 32),
            "Dressed         : No\nExceptional member : Yes\n"
            "Humanoid Form    Yes\nElite member    : No\n"
            "King of race    : Yes\n\n\n");
  info.c_mon = 0;  // 0x1 and 0x2 show nothing
  EXPECT_EQ(rows(10, 16, 32), std::string(7, '\n'));
  EXPECT_EQ(rows(5, 5, 50), "Mirewight, Bog Lurker\n");
}

TEST_F(Menu, KeysStoreTheDialogueResults) {
  info.c_CDF = 7;
  s.push_keys("x0 Z\r3\x1b\x1b");  // other keys ignored; Escape leaves
  main_menu();
  EXPECT_EQ(info.c_CDF, 7);  // "3" then Escape keeps the CDF
  EXPECT_EQ(s.keys_left() + s.reads_past_end(), 0u);
  s.push_keys("342\r49\r581\r\b\r12\r22\rq");  // "q" leaves too
  main_menu();
  EXPECT_EQ(s.keys_left() + s.reads_past_end(), 0u);
  EXPECT_EQ(s.line(5).substr(50, 12), "Ash Warlock ");  // redrawn
  EXPECT_EQ(s.line(7).substr(50, 3), "42 ");
  EXPECT_EQ(info.c_CDF, 42);
  EXPECT_EQ(info.max_CDF, 9);
  EXPECT_EQ(info.c_JewEL, 8);
  EXPECT_EQ(info.c_mon, 1);
  EXPECT_EQ(info.c_area, 1);
}

}  // namespace
