// Gems, jewels and jewelry: every row of the kind, size, look, stone and value
// tables, star stones, the rounding of the factor and the valueless stones.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "tr_gemjj.h"
#include "trtext.h"

namespace {

struct gem_case {
  int kind, size, el, app, clar, name, star, value;
  const char *text;
};

// Runs the category routine on a record holding only the gem dice given.
void expect_gems(std::initializer_list<gem_case> cases) {
  for (const gem_case &c : cases) {
    all_dice dice{};
    dice.gemjj = {c.kind, c.size, c.app, c.clar, c.name, c.star, c.value};
    EXPECT_EQ(gemjj_main(c.el, &dice), 1);
    EXPECT_EQ(std::string(con_trs_txt), c.text);
  }
}

// clang-format off
TEST(Gemjj, KindSizeAndJewelersEl) {
  // Average look, Jet (x1), last value column: up to factor 10 the value is
  // the factor itself.
  expect_gems({
      {1,  1, 80, 5, 5, 1, 2, 100, "Gem : Small, minimal flawed, average clarity, Jet, 2.0 SC\n"},
      {1,  7,  0, 5, 5, 1, 2, 100, "Gem : Small, minimal flawed, average clarity, Jet, 2.0 SC\n"},
      {1,  8, 80, 5, 5, 1, 2, 100, "Gem : Medium, minimal flawed, average clarity, Jet, 3.0 SC\n"},
      {1,  9,  0, 5, 5, 1, 2, 100, "Gem : Medium, minimal flawed, average clarity, Jet, 3.0 SC\n"},
      {1, 10, 80, 5, 5, 1, 2, 100, "Gem : Large, minimal flawed, average clarity, Jet, 5.0 SC\n"},
      {2,  7,  9, 5, 5, 1, 2, 100, "Jewel : Small, minimal flawed, average clarity, Jet, 4.0 SC\n"},
      {2,  8, 80, 5, 5, 1, 2, 100, "Jewel : Medium, minimal flawed, average clarity, Jet, 28.0 SC\n"},
      {2, 10, 10, 5, 5, 1, 2, 100, "Jewel : Large, minimal flawed, average clarity, Jet, 22.0 SC\n"},
      {3,  1,  0, 5, 5, 1, 2, 100, "Jewelry : Small, minimal flawed, average clarity, Jet, 8.0 SC\n"},
      {3,  9,  0, 5, 5, 1, 2, 100, "Jewelry : Medium, minimal flawed, average clarity, Jet, 24.0 SC\n"},
      // "LARGE" jewelry with EL 80: 20 + 8.
      {3, 10, 80, 5, 5, 1, 2, 100, "Jewelry : Large, minimal flawed, average clarity, Jet, 112.0 SC\n"},
  });
}

TEST(Gemjj, AppearanceAndClarityRows) {
  // Large jewelry, EL 0: base 20; first value column.
  expect_gems({
      {3, 10, 0,  1,  1, 1, 2, 1, "Jewelry : Large, severely flawed, clouded, Jet, 5.0 SC\n"},
      {3, 10, 0,  2,  3, 1, 2, 1, "Jewelry : Large, slightly flawed, dull, Jet, 9.6 SC\n"},
      {3, 10, 0,  3,  2, 1, 2, 1, "Jewelry : Large, slightly flawed, dull, Jet, 9.6 SC\n"},
      {3, 10, 0,  4,  7, 1, 2, 1, "Jewelry : Large, minimal flawed, average clarity, Jet, 12.0 SC\n"},
      {3, 10, 0,  7,  4, 1, 2, 1, "Jewelry : Large, minimal flawed, average clarity, Jet, 12.0 SC\n"},
      {3, 10, 0,  8,  9, 1, 2, 1, "Jewelry : Large, nearly flawless, fine clarity, Jet, 14.4 SC\n"},
      {3, 10, 0,  9,  8, 1, 2, 1, "Jewelry : Large, nearly flawless, fine clarity, Jet, 14.4 SC\n"},
      {3, 10, 0, 10, 10, 1, 2, 1, "Jewelry : Large, flawless, brilliant, Jet, 24.0 SC\n"},
      {3, 10, 0,  1, 10, 1, 2, 1, "Jewelry : Large, severely flawed, brilliant, Jet, 12.0 SC\n"},
  });
}

TEST(Gemjj, StoneRowsAndMultipliers) {
  // A small gem of average look (factor 2), last value column, no star: the
  // value is twice the multiplier.
  struct {
    int roll;
    const char *stone, *value;
  } const cases[] = {
      { 1, "Jet",          "2.0"}, { 5, "Jet",          "2.0"}, { 6, "Garnet",     "2.0"},
      {12, "Garnet",       "2.0"}, {13, "Amethyst",     "2.0"}, {18, "Amethyst",   "2.0"},
      {19, "Agate",        "2.0"}, {24, "Agate",        "2.0"}, {25, "Jacinth",    "2.0"},
      {30, "Jacinth",      "2.0"}, {31, "Turquoise",    "2.0"}, {36, "Turquoise",  "2.0"},
      {37, "Jade",         "3.0"}, {41, "Jade",         "3.0"}, {42, "Carnelian",  "3.0"},
      {46, "Carnelian",    "3.0"}, {47, "Onyx",         "3.0"}, {51, "Onyx",       "3.0"},
      {52, "Opal",         "4.0"}, {56, "Opal",         "4.0"}, {57, "Toadstone",  "4.0"},
      {61, "Toadstone",    "4.0"}, {62, "Topaz",        "4.0"}, {66, "Topaz",      "4.0"},
      {67, "Serpentine",   "4.0"}, {71, "Serpentine",   "4.0"}, {72, "Snake Stone", "4.0"},
      {76, "Snake Stone",  "4.0"}, {77, "Lapiz Lazuli", "4.0"}, {81, "Lapiz Lazuli", "4.0"},
      {82, "Carbuncle",    "4.0"}, {86, "Carbuncle",    "4.0"}, {87, "Sapphire",   "6.0"},
      {90, "Sapphire",     "6.0"}, {91, "Tourmaline",   "6.0"}, {93, "Tourmaline", "6.0"},
      {94, "Emerald",      "8.0"}, {95, "Emerald",      "8.0"}, {96, "Ruby",       "8.0"},
      {97, "Ruby",         "8.0"}, {98, "Dark Ruby",   "10.0"}, {99, "Diamond",   "10.0"},
      {100, "Black Diamond", "10.0"},
  };
  for (const auto &c : cases) {
    std::string text = std::string("Gem : Small, minimal flawed, average clarity, ") +
                       c.stone + ", " + c.value + " SC\n";
    expect_gems({{1, 1, 0, 5, 5, c.roll, 2, 100, text.c_str()}});
  }
}

TEST(Gemjj, StarStones) {
  // Star form 1 on a small average gem; only the star stones take it.
  expect_gems({
      {1, 1, 0, 5, 5,   1, 1, 100, "Gem : Small, minimal flawed, average clarity, Jet, 2.0 SC\n"},
      {1, 1, 0, 5, 5,  52, 1, 100, "Gem : Small, minimal flawed, average clarity, Star Opal, 8.0 SC\n"},
      {1, 1, 0, 5, 5,  52, 2, 100, "Gem : Small, minimal flawed, average clarity, Opal, 4.0 SC\n"},
      {1, 1, 0, 5, 5,  66, 1, 100, "Gem : Small, minimal flawed, average clarity, Star Topaz, 8.0 SC\n"},
      {1, 1, 0, 5, 5,  90, 1, 100, "Gem : Small, minimal flawed, average clarity, Star Sapphire, 10.0 SC\n"},
      {1, 1, 0, 5, 5,  91, 1, 100, "Gem : Small, minimal flawed, average clarity, Tourmaline, 6.0 SC\n"},
      {1, 1, 0, 5, 5,  94, 1, 100, "Gem : Small, minimal flawed, average clarity, Star Emerald, 24.0 SC\n"},
      {1, 1, 0, 5, 5,  97, 1, 100, "Gem : Small, minimal flawed, average clarity, Star Ruby, 24.0 SC\n"},
      {1, 1, 0, 5, 5,  98, 1, 100, "Gem : Small, minimal flawed, average clarity, Dark Ruby, 10.0 SC\n"},
      {1, 1, 0, 5, 5,  99, 1, 100, "Gem : Small, minimal flawed, average clarity, Star Diamond, 28.0 SC\n"},
      {1, 1, 0, 5, 5, 100, 1, 100, "Gem : Small, minimal flawed, average clarity, Black Diamond, 10.0 SC\n"},
      // The largest value there is: (20 + 8 + 5 + 5) x 7 = 266 at 200 SC.
      {3, 10, 80, 10, 10, 99, 1, 91, "Jewelry : Large, flawless, brilliant, Star Diamond, 53200.0 SC\n"},
  });
}

TEST(Gemjj, FactorRoundingAndValuelessStones) {
  expect_gems({
      // Jade: 1.5 x 3 = 4.5 goes up to 5, 1.5 x 5 = 7.5 to 8, 1.5 x 1 to 2.
      {1, 8, 0, 5, 5, 37, 2, 100, "Gem : Medium, minimal flawed, average clarity, Jade, 5.0 SC\n"},
      {1, 8, 0, 8, 5, 37, 2, 100, "Gem : Medium, nearly flawless, average clarity, Jade, 8.0 SC\n"},
      {1, 8, 0, 2, 5, 37, 2,   1, "Gem : Medium, slightly flawed, average clarity, Jade, 1.0 SC\n"},
      // Factor 1, then 0 and below: valueless, whatever the stone.
      {1, 8,  0, 2, 5,  1, 2,   1, "Gem : Medium, slightly flawed, average clarity, Jet, 0.5 SC\n"},
      {1, 1,  0, 2, 4,  1, 2, 100, "Gem : Small, slightly flawed, average clarity, Jet, valueless\n"},
      {1, 1,  0, 2, 1, 37, 2, 100, "Gem : Small, slightly flawed, clouded, Jade, valueless\n"},
      {1, 1, 80, 1, 1, 99, 1, 100, "Gem : Small, severely flawed, clouded, Star Diamond, valueless\n"},
  });
}

TEST(Gemjj, ValueTableRowsAndColumns) {
  struct {
    int factor, roll;
    const char *text;
  } const cases[] = {
      {  1,   1, ", 0.5 SC"},    { 10,  50, ", 5.0 SC"},     { 10,  51, ", 6.0 SC"},
      { 10,  75, ", 6.0 SC"},    { 10,  76, ", 8.0 SC"},     { 10,  90, ", 8.0 SC"},
      { 10,  91, ", 10.0 SC"},   { 10, 100, ", 10.0 SC"},    { 11,   1, ", 6.6 SC"},
      { 25,  51, ", 20.0 SC"},   { 25, 100, ", 50.0 SC"},    { 26,   1, ", 20.8 SC"},
      { 45,  76, ", 90.0 SC"},   { 45, 100, ", 180.0 SC"},   { 46,   1, ", 46.0 SC"},
      { 70,  51, ", 140.0 SC"},  { 70, 100, ", 700.0 SC"},   { 71,   1, ", 142.0 SC"},
      {100,  76, ", 1000.0 SC"}, {100, 100, ", 2000.0 SC"},  {101,   1, ", 404.0 SC"},
      {135,  51, ", 1350.0 SC"}, {135, 100, ", 5400.0 SC"},  {136,   1, ", 1360.0 SC"},
      {175,  76, ", 7000.0 SC"}, {175, 100, ", 17500.0 SC"}, {176,   1, ", 3520.0 SC"},
      {266,  51, ", 10640.0 SC"}, {266, 100, ", 53200.0 SC"}, {  0, 100, ", valueless"},
      { -3,  50, ", valueless"},
  };
  for (const auto &c : cases) {
    trs_clear();
    gemjj_value(c.factor, c.roll);
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.factor << " " << c.roll;
  }
}
// clang-format on

}  // namespace
