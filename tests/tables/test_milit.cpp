// Military treasure: main rows and their counts, weapon sets, the supplies'
// goods, and how a race picks the kind of its item and shifts its armor.
#include "table_tests.h"
#include "tr_milit.h"

struct milit_case {
  milit_dice dice;  // main, found, race, race item, sub-table row, 2d6, 2d10
  const char *text;
};

// The supplies' goods at their first rows, ordinary whatever the exceptional
// quality roll says.
static void expect_milit(const std::vector<milit_case> &cases) {
  for (const milit_case &c : cases) {
    dice_record d{};
    d.milit = c.dice;
    other_dice &o = d.other;
    o.d10_furniture = 1, o.d10_misc_amount = 4, o.d6_2_misc_val = 7;
    o.d6_2_exc_qualmult = 12;
    EXPECT_EQ(milit_main(&d), 1);
    EXPECT_STREQ(result_text, c.text);
  }
}

TEST(Milit, MainRowsAddToTheFoundRollAndSetsNameTheirPieces) {
  expect_milit({
      {{1, 10, 1, 1, 11, 5, 17}, "5 Sword(s)\n"},
      // clang-format off
      {{88, 10, 1, 1, 94, 5, 17}, "4 Bolas\n"}, {{89, 10, 1, 1, 11, 5, 17}, "1 Dwarven Sword(s)\n"},
      {{1, 1, 1, 1, 46, 5, 17}, "1 Set(s) of Quarrels (5 each)\n"}, {{1, 1, 1, 1, 94, 5, 17}, "1 Set(s) of Pellets (17 each)\n"},
      {{1, 1, 1, 1, 140, 5, 17}, "1 Other Weapon\n"},
      // clang-format on
  });
  const std::pair<int, const char *> counts[] = {
      {-1, "1 "}, {4, "1 "}, {5, "2 "}, {10, "4 "}, {11, "5 "}};
  for (auto [roll, text] : counts)
    EXPECT_EQ(text_of([r = roll] { milit_count(r); }), text);
}

TEST(Milit, SuppliesNameOrdinaryOtherTreasure) {
  expect_milit({
      // clang-format off
      {{66, 1, 1, 1, 16, 5, 17}, "1 Piece(s) of Camp Furniture, 2 BB\n"},
      {{66, 1, 1, 1, 90, 5, 17}, "1 Set(s) of 4 Eating utensil(s), mod. * 7.0 BB\n"},
      // clang-format on
  });
}

TEST(Milit, RaceTakesTheFirstKindItMakesAtOrAboveTheRoll) {
  expect_milit({
      // clang-format off
      {{100, 7, 3, 55, 50, 5, 17}, "1 Dwarven Set(s) of Quarrels (5 each)\n"},
      {{100, 7, 3, 92, 50, 5, 17}, "1 Dwarven Tool(s)\n"},  // no flag, shelter or uniform
      {{100, 7, 4, 76, 50, 5, 17}, "1 Goblin's Flag(s)\n"},
      {{100, 7, 5, 101, 50, 5, 17}, "1 Giant's Tool(s)\n"},  // the last kind past 100
      {{100, 7, 0, 1, 50, 5, 17}, "1 \n"}, {{100, 7, 11, 1, 50, 5, 17}, "1 \n"},  // no race
      // Armor shifted 20 down for elves, 20 up for dwarves, past both ends.
      {{100, 7, 6, 60, 45, 5, 17}, "1 Elven Banded Ring Mail(s)\n"},
      {{100, 7, 3, 56, 50, 5, 17}, "1 Dwarven Metal Shield(s)\n"},
      {{100, 7, 2, 60, 100, 5, 17}, "1 Dwarven Chainmail(s)\n"},
      // clang-format on
  });
}
