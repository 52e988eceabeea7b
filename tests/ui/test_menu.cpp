// The main menu: the screen, the special-score lines and the keys.
#include <cstring>

#include "reader_screens.h"
#include "ui_env.h"

class Menu : public UiEnv {
 protected:
  void SetUp() override {
    UiEnv::SetUp();
    // 0x803C: Station, MEL and CEL, other monsters, Station, magic user.
    tables.monsters[0] = {"Bog Lurker", "Mirewight", nullptr, 0x3, 0, 0};
    tables.monsters[1] = {"Ash Warlock", " ", nullptr, 0x803C, 0, 0};
    tables.monsters[2] = {"Fen Shifter", "Skinturner", nullptr, 0x3700, 0, 0};
    tables.areas[1] = {"Ruined Keep", 0, 0, 0, 0, 0};
    tables.monster_count = 3;
  }
  // Rows first to last of the menu from column col.
  std::string rows(int first, int last, int col = 0) {
    screen.push_key(KEY_ESC);
    main_menu(game);
    return screen.rows(first, last, col);
  }
};

TEST_F(Menu, WholeScreenWithTheSettingsColumn) {
  std::strcpy(config.output_name, "hoard");
  config.monster_index = 1, config.lair_index = 1, config.cdf = 12;
  config.group_cdf = 34, config.jeweler_el = 56, config.station = 4;
  config.mel = 17, config.cel = 23, config.answers = 0x8000;
  config.game_day = 3, config.game_month = 11, config.game_year = 1024;
  // 29 characters are shown whole, longer texts as 28 and "..".
  std::strcpy(game.position, std::string(29, 'p').c_str());
  std::strcpy(game.comment, "abcdefghijklmnopqrstuvwxyz1234");
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
  R: Read earlier reports      ?: Help (or F1)

 Enter your choice :
)");
  EXPECT_EQ(screen.col(), 21);  // the cursor waits after the prompt
}

TEST_F(Menu, StartNotesOneAKeyThenAGroupCdfBelowTheCreatures) {
  config.cdf = 25, config.group_cdf = 24;
  screen.push_keys("x3\0334\033");
  main_menu(game, "first\nsecond");
  const char *below =
      "The group's highest CDF (24) is below the creature's CDF (25): kept "
      "as given.";
  // A key that is no menu key keeps the note; a dialogue left shows the
  // next one.
  for (auto [n, shown] :
       {std::pair{0, "first"}, {1, "first"}, {3, "second"}, {5, below}})
    EXPECT_EQ(screen.row(n, 24, 1), shown) << n;
  EXPECT_EQ(config.group_cdf, 24);  // kept
  config.group_cdf = 25;
  EXPECT_EQ(rows(24, 24), "\n");
}

TEST_F(Menu, KeysStoreTheDialogueResults) {
  // Other keys are ignored; "3" then Escape keeps the CDF; Escape leaves.
  config.cdf = 7;
  screen.push_keys("x0 Z\r3\033\033342\r49\r581\r\b\r12\r22\rq");
  main_menu(game);
  EXPECT_EQ(config.cdf, 7);
  main_menu(game);  // "q" leaves too
  EXPECT_EQ(screen.keys_left() + screen.reads_past_end(), 0u);
  EXPECT_EQ(screen.line(5).substr(50, 12) + screen.line(7).substr(50, 3),
            "Ash Warlock 42 ");  // redrawn
  EXPECT_EQ(std::vector<int>({config.cdf, config.group_cdf, config.jeweler_el,
                              config.monster_index, config.lair_index}),
            std::vector<int>({42, 9, 8, 1, 1}));
}

// The viewer follows the window, counts the reports, repeats a search in
// any case with the match highlighted, goes Home and End, removes a report
// only after y, asking again after a resize, and says where it cannot go.
TEST_F(Menu, ViewerFillsTheWindowSearchesAndRemovesAReport) {
  const std::string oldest = REPORT_RULE + "a gold ring\n-----\n\n";
  const std::string middle =  // a match shown below three rows of context
      REPORT_RULE + "m 1\nm 2\nm 3\nm 4\nm 5\nm 6\nGOLD crown\n-----\n\n";
  std::string newest = REPORT_RULE + std::string(150, 'w') + "\n";
  for (int i = 3; i <= 40; ++i) newest += "line " + std::to_string(i) + "\n";
  spit("default.hxo", oldest + middle + newest);
  screen.push_resize(40, 120);
  screen.push_keys("/goLD\r/\r");
  for (int key :
       {KEY_PAD_HOME, KEY_PAD_END, int('d'), int('n'), KEY_PAD_HOME, int('d')})
    screen.push_key(key);
  screen.push_resize(36, 100);
  screen.push_key('y');
  screen.push_resize(26, 80);
  screen.push_key(KEY_PAD_PGDN);
  screen.push_key(KEY_PAD_PGUP);
  screen.push_keys("p/zz\rq");
  view_reports("default.hxo");
  const std::string hint =
      " Up/Dn PgUp/Dn Home/End  n/p: report  /?: search  d: remove  l: ledger  "
      "q: back";
  // 80x26: 18 rows of the newest report; 120x40: 32 rows, 120 columns.
  for (auto [n, last, shown, place] : {std::tuple(0, 25, "line 17", "1 of 3"),
                                       {1, 39, "line 31", "1 of 3"},
                                       {7, 39, "", "2 of 3"},
                                       {9, 39, "", "3 of 3"},
                                       {10, 39, "line 31", "1 of 3"},
                                       {17, 35, "", "1 of 2"},
                                       {18, 25, "", "1 of 2"}}) {
    EXPECT_EQ(screen.row(n, 3),
              "        EARLIER REPORTS IN default.hxo, NEWEST FIRST" +
                  std::string(12, ' ') + "Report " + place)
        << n;
    EXPECT_EQ(screen.row(n, last), hint) << n;
    EXPECT_EQ(screen.row(n, last - 3), shown) << n;
    EXPECT_EQ(screen.snaps.at(n).size(), (last + 1) * (last == 25   ? 81u
                                                       : last == 35 ? 101u
                                                                    : 121u));
  }
  EXPECT_EQ(screen.row(1, 7), std::string(120, 'w'));
  EXPECT_EQ(screen.row(7, 5) + "|" + screen.row(7, 8), "m 4|GOLD crown");
  EXPECT_EQ(screen.row(9, 7), "a gold ring");
  for (auto [n, lit] : {std::pair(7, 8004), {9, 7024}, {10, 0}})
    EXPECT_EQ(screen.lits.at(n).row * 1000 + screen.lits.at(n).col * 10 +
                  screen.lits.at(n).cells,
              lit)
        << n;
  EXPECT_EQ(screen.row(11, 35), "-----");  // the end of the oldest report
  EXPECT_EQ(screen.row(16, 35), " Remove this report from default.hxo? (y/n)");
  EXPECT_EQ(screen.row(17, 34), " Report removed.");
  EXPECT_EQ(screen.row(17, 7), "m 1");  // the next older report, from its top
  EXPECT_NE(screen.snaps.at(19), screen.snaps.at(18));  // a page down
  EXPECT_EQ(screen.snaps.at(20), screen.snaps.at(18));  // and up again
  EXPECT_EQ(screen.row(21, 24, 1), "This is the newest report.");
  EXPECT_EQ(screen.row(25, 24, 1), "Not found: zz");
  EXPECT_EQ(output(), oldest + middle);
  EXPECT_EQ(screen.text_screen::rows() * 100 + screen.keys_left(), 2600u);
}
