// Fine metal: the ends and unit changes of the metal rows, every form with
// the value dice it reads, the jeweler's EL and the valueless other metal.
#include <gtest/gtest.h>

#include "tr_metal.h"
#include "trtext.h"

namespace {

// clang-format off
TEST(Metal, MetalsFormsAndJewelersEl) {
  const struct { int el; metal_dice d; const char *text; } cases[] = {
      // A ring with d6 5 and EL 0: the value is 5 times the multiplier.
      { 0, {  1,  1,  1,  1,  1, 5, 1, 1}, "White Gold Ring, 5 GC\n"},
      { 0, {  2,  1,  1,  1,  1, 5, 1, 1}, "Brass Ring, 10 CC\n"},
      { 0, { 45,  1,  1,  1,  1, 5, 1, 1}, "Orichalum Ring, 30 SC\n"},
      { 0, { 46,  1,  1,  1,  1, 5, 1, 1}, "Nickel Ring, 40 BB\n"},
      { 0, { 75,  1,  1,  1,  1, 5, 1, 1}, "Platinum Ring, 75 SC\n"},
      { 0, { 99,  1,  1,  1,  1, 5, 1, 1}, "Lead Ring, 5 BB\n"},
      { 0, {100,  1,  1,  1,  1, 5, 1, 1}, "Other Metal Ring\n"},
      // Copper (x1) with EL 25 (+2); d10s 2, 5, 9 and d6s 1, 3, 6.
      {25, { 60,  1,  2,  5,  9, 1, 3, 6}, "Copper Ring, 3 CC\n"},
      {25, { 60,  2,  2,  5,  9, 1, 3, 6}, "Copper Amulet, 4 CC\n"},
      {25, { 60,  3,  2,  5,  9, 1, 3, 6}, "Copper Crown, 18 CC\n"},
      {25, { 60,  4,  2,  5,  9, 1, 3, 6}, "Copper Bracelet, 6 CC\n"},
      {25, { 60,  5,  2,  5,  9, 1, 3, 6}, "Copper Bracelet, 6 CC\n"},
      {25, { 60,  6,  2,  5,  9, 1, 3, 6}, "Copper Necklace, 9 CC\n"},
      {25, { 60,  7,  2,  5,  9, 1, 3, 6}, "Copper Necklace, 9 CC\n"},
      {25, { 60,  8,  2,  5,  9, 1, 3, 6}, "Copper Armband, 4 CC\n"},
      {25, { 60,  9,  2,  5,  9, 1, 3, 6}, "Copper Scepter, 23 CC\n"},
      {25, { 60, 10,  2,  5,  9, 1, 3, 6}, "Copper Gorget, 12 CC\n"},
      { 9, { 30,  1,  1,  1,  1, 1, 1, 1}, "Gold Ring, 4 SC\n"},
      {10, { 30,  1,  1,  1,  1, 1, 1, 1}, "Gold Ring, 8 SC\n"},
      {80, { 73,  9, 10, 10,  1, 1, 1, 1}, "Platinum Scepter, 1020 SC\n"},
      {80, {100,  3, 10, 10, 10, 6, 6, 6}, "Other Metal Crown\n"},
  };
  for (const auto &c : cases) {
    all_dice dice{};
    dice.metal = c.d;
    EXPECT_EQ(metal_main(c.el, &dice), 1);
    EXPECT_STREQ(con_trs_txt, c.text) << c.d.d100_metal << " " << c.d.d10_type;
  }
}
// clang-format on

}  // namespace
