// Fine metal: the ends and unit changes of the metal rows, every form with
// the value dice it reads, the jeweler's EL and the valueless other metal.
#include "table_tests.h"
#include "tr_metal.h"

static std::string metal(int el, metal_dice d) {
  all_dice dice{};
  dice.metal = d;
  EXPECT_EQ(metal_main(el, &dice), 1);
  return con_trs_txt;
}

// clang-format off
TEST(Metal, MetalsFormsAndJewelersEl) {
  // A ring with d6 5 and EL 0: the value is 5 times the multiplier.
  const struct { int roll; const char *text; } metals[] = {
      {1, "White Gold Ring, 5 GC\n"}, {2, "Brass Ring, 10 CC\n"}, {45, "Orichalum Ring, 30 SC\n"}, {46, "Nickel Ring, 40 BB\n"},
      {75, "Platinum Ring, 75 SC\n"}, {99, "Lead Ring, 5 BB\n"}, {100, "Other Metal Ring\n"},
  };
  for (const auto &c : metals) EXPECT_EQ(metal(0, {c.roll, 1, 1, 1, 1, 5, 1, 1}), c.text) << c.roll;
  // Every form: Copper (x1) with EL 25 (+2); d10s 2, 5, 9 and d6s 1, 3, 6.
  const std::string forms[] = {"Ring, 3", "Amulet, 4", "Crown, 18", "Bracelet, 6", "Bracelet, 6",
                               "Necklace, 9", "Necklace, 9", "Armband, 4", "Scepter, 23", "Gorget, 12"};
  for (int form = 1; form <= 10; ++form)
    EXPECT_EQ(metal(25, {60, form, 2, 5, 9, 1, 3, 6}), "Copper " + forms[form - 1] + " CC\n") << form;
  EXPECT_EQ(metal(9, {30, 1, 1, 1, 1, 1, 1, 1}), "Gold Ring, 4 SC\n");
  EXPECT_EQ(metal(10, {30, 1, 1, 1, 1, 1, 1, 1}), "Gold Ring, 8 SC\n");
  EXPECT_EQ(metal(80, {73, 9, 10, 10, 1, 1, 1, 1}), "Platinum Scepter, 1020 SC\n");
}
// clang-format on
