// Fine metal: every metal row with its unit and multiplier, every form with
// the value dice it reads, the jeweler's EL and the valueless other metal.
#include <gtest/gtest.h>

#include <string>

#include "tr_metal.h"
#include "trtext.h"

namespace {

std::string metal_text(int el, const metal_dice &d) {
  all_dice dice{};
  dice.metal = d;
  EXPECT_EQ(metal_main(el, &dice), 1);
  return con_trs_txt;
}

// clang-format off
TEST(Metal, MetalRowsUnitsAndMultipliers) {
  // A ring with d6 5 and EL 0: the value is 5 times the multiplier.
  struct {
    int roll;
    const char *text;
  } const cases[] = {
      { 1, "White Gold Ring, 5 GC\n"},  { 2, "Brass Ring, 10 CC\n"},     {15, "Brass Ring, 10 CC\n"},
      {16, "Iron Ring, 15 BB\n"},       {25, "Iron Ring, 15 BB\n"},      {26, "Gold Ring, 20 SC\n"},
      {30, "Gold Ring, 20 SC\n"},       {40, "Gold Ring, 20 SC\n"},      {41, "Orichalum Ring, 30 SC\n"},
      {45, "Orichalum Ring, 30 SC\n"},  {46, "Nickel Ring, 40 BB\n"},    {55, "Nickel Ring, 40 BB\n"},
      {56, "Copper Ring, 5 CC\n"},      {70, "Copper Ring, 5 CC\n"},     {71, "Platinum Ring, 75 SC\n"},
      {75, "Platinum Ring, 75 SC\n"},   {76, "Tin Ring, 10 BB\n"},       {80, "Tin Ring, 10 BB\n"},
      {81, "Silver Ring, 10 SC\n"},     {95, "Silver Ring, 10 SC\n"},    {96, "Lead Ring, 5 BB\n"},
      {99, "Lead Ring, 5 BB\n"},        {100, "Other Metal Ring\n"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(metal_text(0, {c.roll, 1, 1, 1, 1, 5, 1, 1}), c.text) << c.roll;
}

TEST(Metal, FormsReadTheirOwnDice) {
  // Copper (x1) with EL 25 (+2); d10s 2, 5, 9 and d6s 1, 3, 6.
  struct {
    int type;
    const char *text;
  } const cases[] = {
      {1, "Copper Ring, 3 CC\n"},     {2, "Copper Amulet, 4 CC\n"},   {3, "Copper Crown, 18 CC\n"},
      {4, "Copper Bracelet, 6 CC\n"}, {5, "Copper Bracelet, 6 CC\n"}, {6, "Copper Necklace, 9 CC\n"},
      {7, "Copper Necklace, 9 CC\n"}, {8, "Copper Armband, 4 CC\n"},  {9, "Copper Scepter, 23 CC\n"},
      {10, "Copper Gorget, 12 CC\n"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(metal_text(25, {60, c.type, 2, 5, 9, 1, 3, 6}), c.text) << c.type;
}

TEST(Metal, JewelersElAndOtherMetal) {
  struct {
    int el;
    metal_dice d;
    const char *text;
  } const cases[] = {
      { 0, { 56, 1,  1,  1,  1, 1, 1, 1}, "Copper Ring, 1 CC\n"},
      { 9, { 30, 1,  1,  1,  1, 1, 1, 1}, "Gold Ring, 4 SC\n"},
      {10, { 30, 1,  1,  1,  1, 1, 1, 1}, "Gold Ring, 8 SC\n"},
      {80, { 73, 9, 10, 10,  1, 1, 1, 1}, "Platinum Scepter, 1020 SC\n"},
      {80, {100, 3, 10, 10, 10, 6, 6, 6}, "Other Metal Crown\n"},
  };
  for (const auto &c : cases) EXPECT_EQ(metal_text(c.el, c.d), c.text);
}
// clang-format on

}  // namespace
