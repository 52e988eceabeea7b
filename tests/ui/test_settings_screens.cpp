// The settings dialogues: monster list paging, picking by letters and the
// mark, the special-score questions.
#include <cstring>

#include "number_explanations.h"
#include "ui_env.h"

class Screens : public UiEnv {
 protected:
  // n monsters "Monster k"; every third has the group "Clan".
  void monsters(int n, uint32_t code = 0) {
    for (int i = 0; i < n; ++i) {
      std::snprintf(tables.monsters[i].name, NAME_SIZE, "Monster %d", i + 1);
      std::snprintf(tables.monsters[i].group, GROUP_SIZE, "%s",
                    i % 3 ? " " : "Clan");
      tables.monsters[i].special_code = code;
    }
    tables.monster_count = n;
  }
  // The monster picked after `keys`.
  int pick(const std::string &keys) {
    screen.push_keys(keys);
    return select_monster(game);
  }
};

TEST_F(Screens, MonsterListPagesThirtySevenMonsters) {
  monsters(37);
  config.monster_index = 5;
  const std::string prompt =
      " Or type letters of a name, or Up/Down, to mark one; Enter picks it.\n"
      " Spacebar for next page of monster list. Select a monster (1-37) :\n";
  for (const char *k : {"\x1b", "  \x1b"}) {  // Space twice wraps to page one
    EXPECT_EQ(pick(k), 5);  // Escape keeps the current monster
    EXPECT_EQ(screen.rows(3, 5) + screen.rows(22, 25),
              "        SELECT MONSTER\n\n  1: Clan, Monster 1" +
                  std::string(15, ' ') +
                  "19: Clan, Monster 19\n 18: Monster 18" +
                  std::string(20, ' ') + "36: Monster 36\n\n" + prompt);
  }
  pick(" \x1b");
  EXPECT_EQ(screen.rows(5, 25),
            " 37: Clan, Monster 37\n" + std::string(18, '\n') + prompt);
  // 0 and 38 cannot be chosen; typing goes on across a page change.
  EXPECT_EQ(pick("038\r\b7\r1 2\r"), 36);
  EXPECT_EQ(select_monster(game), 11);
  EXPECT_EQ(screen.line(25).substr(67, 3), "12 ");
  EXPECT_EQ(screen.keys_left() + screen.reads_past_end(), 0u);
  monsters(36);  // one full page: Space shows it again
  pick(" \x1b");
  EXPECT_EQ(screen.rows(22, 22),
            " 18: Monster 18" + std::string(20, ' ') + "36: Monster 36\n");
}

TEST_F(Screens, PickByLettersAndTheMark) {
  monsters(37);
  config.monster_index = 5;
  const int down = KEY_PAD_DOWN, pgdn = KEY_PAD_PGDN, up = KEY_PAD_UP;
  // clang-format off
  const struct { std::vector<int> keys; int chosen; } cases[] = {
      {{'c', 'L', 'a', 'n', down, '\r'}, 3},        // any case; the mark starts on the first
      {{down, down, pgdn, '\r'}, 24},                // from the current one, 18 a page
      {{up, pgdn, pgdn, up, KEY_PAD_PGUP, '\r'}, 17},
      {{'m', 'o', 'n', '3', '7', '\r'}, 36},         // digits work as ever
      {{'3', 'm', 'o', 'n', down, '\r'}, 1},         // the mark, not the 3
      {{'z', 'z', '\r', '\b', '\b', '\b', '\b', '_', '3', '7', '\b', '\b', '3', '\r'}, 2},
      {{'n', ',', '_', 'm', down, '\r'}, 3},         // "_" is a blank
      {{'x', KEY_ESC}, 5},
  };
  // clang-format on
  for (const auto &c : cases) {
    for (int k : c.keys) screen.push_key(k);
    EXPECT_EQ(select_monster(game), c.chosen) << c.keys.size();
  }
  EXPECT_EQ(screen.keys_left() + screen.reads_past_end(), 0u);
  screen.push_keys("clan");
  screen.push_key(down);
  pick("\033");
  EXPECT_EQ(screen.rows(5, 6) + screen.rows(17, 18) + screen.rows(23, 24),
            "    1: Clan, Monster 1\n >  4: Clan, Monster 4\n"
            "   37: Clan, Monster 37\n\n Names holding: clan\n Up/Down, "
            "PgUp/PgDn: move the mark  Enter: pick it  Backspace: a letter\n");
  pick("zz\033");
  EXPECT_EQ(screen.rows(5, 6), "   No name holds 'zz'.\n\n");
  // A digit while a name is marked: the page view, the digit typed in it.
  screen.push_keys("mon");
  screen.push_key(down);
  pick("5\033");
  EXPECT_EQ(screen.rows(5, 5).substr(0, 24) + screen.rows(23, 25),
            "  1: Clan, Monster 1    \n Or type letters of a name, or "
            "Up/Down, to mark one; Enter picks it.\n Spacebar for next page "
            "of monster list. Select a monster (1-37) : 5\n");
}

TEST_F(Screens, SpecialScoreQuestions) {
  // Each case goes on from the answers the one before stored.
  // clang-format off
  const struct { uint32_t code; std::string keys, stored, prompt; } cases[] = {
      {0x4, "11\r\b0\r51\r\b0\r50\r", "10 50 50 abc00010", " CEL (0-50) : 50 "},  // the largest scores
      {0x4 | 0x8, "1\r2\r3\r4\r5\r6\r", "4 5 6 abc00010", " CEL (0-50) : 6 "},  // asked twice
      {0x4 | 0x20, "1\r2\r\r9\r", "9 2 0 abc00010", " Station (0-10) : 9 "},      // Station again; empty is 0
      {0x10 | 0xFF00, "n\ry\ry\ry\ry\ry\ry\rn\ry\r", "9 2 0 fd00", " Is it a King of its race (y/n) : y "},
      {0x4 | 0x8, "5\r6\r\x1b", "9 2 0 fd00", " CEL (0-50) : "},  // Escape drops all
      {0x4 | 0x100, "7\r8\r9\ry\x1b", "9 2 0 fd00", " Is it a King of its race (y/n) : y "},  // Escape drops all
      {0x3 | 0x40000, "", "9 2 0 fd00", " Is it a King"},  // nothing to ask
      // clang-format on
  };
  config.answers = 0xABC00010;  // bits 16 to 31 go once answers are stored
  for (const auto &c : cases) {
    monsters(1, c.code);
    screen.push_keys(c.keys);
    ask_special_scores(game);
    char stored[64];
    std::snprintf(stored, sizeof stored, "%d %d %d %x", config.station,
                  config.mel, config.cel, config.answers);
    EXPECT_EQ(stored, c.stored) << c.keys;
    EXPECT_EQ(screen.line(25).substr(0, c.prompt.size()), c.prompt) << c.keys;
    EXPECT_EQ(screen.keys_left() + screen.reads_past_end(), 0u) << c.keys;
  }
  // The questions blank columns 1 to 55: the longest question's end stays.
  EXPECT_EQ(screen.rows(25, 25), " Is it a King of its race (y/n) : y" +
                                     std::string(21, ' ') + "/n) : n\n");
  // Above each number question, what the number does; a yes/no has none.
  monsters(1, 0x8 | 0x20 | 0x100);
  screen.snaps.clear();
  screen.push_keys("1\r2\r3\r4\r\x1b");
  ask_special_scores(game);
  for (auto [n, id] : {std::pair{0, number_id::station},
                       {1, number_id::mel},
                       {2, number_id::cel},
                       {3, number_id::station}})
    EXPECT_EQ(screen.row(2 * n, 24, 1), explanation_of(id).line) << n;
  EXPECT_EQ(screen.row(8, 24), "");
}
