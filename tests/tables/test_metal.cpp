// Fine metal: the metal sets the unit and multiplier, the form which value
// dice count, the jeweler's EL adds a tenth; other metal has no value.
#include "table_tests.h"
#include "tr_metal.h"

static std::string metal(int el, metal_dice d) {
  dice_record dice{};
  dice.metal = d;
  EXPECT_EQ(metal_main(out, el, &dice), 1);
  return out.text();
}

TEST(Metal, MetalRowsSetUnitAndMultiplier) {
  // A ring worth its d6 (5) at EL 0.
  // clang-format off
  const std::pair<int, const char *> cases[] = {{1, "White Gold Ring, 5 GC\n"}, {2, "Brass Ring, 10 CC\n"},
      {75, "Platinum Ring, 75 SC\n"}, {99, "Lead Ring, 5 BB\n"}, {100, "Other Metal Ring\n"}};
  // clang-format on
  for (auto [roll, text] : cases)
    EXPECT_EQ(metal(0, {roll, 1, 1, 1, 1, 5, 1, 1}), text);
}

TEST(Metal, EachFormCountsItsOwnDiceAndTheJewelersEl) {
  // Copper (x1) at EL 25 (+2); d10s 2, 5, 9 and d6s 1, 3, 6.
  // The first form, the one that counts three d10s and the last.
  EXPECT_EQ(metal(25, {60, 1, 2, 5, 9, 1, 3, 6}), "Copper Ring, 3 CC\n");
  EXPECT_EQ(metal(25, {60, 9, 2, 5, 9, 1, 3, 6}), "Copper Scepter, 23 CC\n");
  EXPECT_EQ(metal(25, {60, 10, 2, 5, 9, 1, 3, 6}), "Copper Gorget, 12 CC\n");
  EXPECT_EQ(metal(9, {30, 1, 1, 1, 1, 1, 1, 1}), "Gold Ring, 4 SC\n");
  EXPECT_EQ(metal(10, {30, 1, 1, 1, 1, 1, 1, 1}), "Gold Ring, 8 SC\n");
}
