// Gems, jewels and jewelry: the kind, size, look, stone and value tables, star
// stones, the rounding of the factor and the valueless stones.
#include "table_tests.h"
#include "tr_gemjj.h"

static std::string gem(int kind, int size, int el, int app, int clar, int name,
                       int star, int value) {
  all_dice dice{};
  dice.gemjj = {kind, size, app, clar, name, star, value};
  EXPECT_EQ(gemjj_main(el, &dice), 1);
  return con_trs_txt;
}

// clang-format off
TEST(Gemjj, KindSizeLookStonesRoundingValuelessAndValueTable) {
  const struct { int kind, size, el, app, clar, name, star, value; const char *text; } cases[] = {
      // Average Jet (x1), last column: the value is the factor (to 10); EL / 10 adds to all but gems.
      {1,  1, 80,  5,  5,  1, 2, 100, "Gem : Small, minimal flawed, average clarity, Jet, 2.0 SC\n"},
      {2,  7,  9,  5,  5,  1, 2, 100, "Jewel : Small, minimal flawed, average clarity, Jet, 4.0 SC\n"},
      {2,  8, 80,  5,  5,  1, 2, 100, "Jewel : Medium, minimal flawed, average clarity, Jet, 28.0 SC\n"},
      {2, 10, 10,  5,  5,  1, 2, 100, "Jewel : Large, minimal flawed, average clarity, Jet, 22.0 SC\n"},
      // Large jewelry, EL 0: base 20; first value column; every look row.
      {3, 10,  0,  1,  1,  1, 2,   1, "Jewelry : Large, severely flawed, clouded, Jet, 5.0 SC\n"},
      {3, 10,  0,  2,  3,  1, 2,   1, "Jewelry : Large, slightly flawed, dull, Jet, 9.6 SC\n"},
      {3, 10,  0,  4,  7,  1, 2,   1, "Jewelry : Large, minimal flawed, average clarity, Jet, 12.0 SC\n"},
      {3, 10,  0,  8,  9,  1, 2,   1, "Jewelry : Large, nearly flawless, fine clarity, Jet, 14.4 SC\n"},
      {3, 10,  0, 10, 10,  1, 2,   1, "Jewelry : Large, flawless, brilliant, Jet, 24.0 SC\n"},
      {3, 10,  0,  1, 10,  1, 2,   1, "Jewelry : Large, severely flawed, brilliant, Jet, 12.0 SC\n"},
      // Jade: 1.5 x 3 = 4.5 goes up to 5, 1.5 x 5 = 7.5 to 8, 1.5 x 1 to 2.
      {1,  8,  0,  5,  5, 37, 2, 100, "Gem : Medium, minimal flawed, average clarity, Jade, 5.0 SC\n"},
      {1,  8,  0,  8,  5, 37, 2, 100, "Gem : Medium, nearly flawless, average clarity, Jade, 8.0 SC\n"},
      {1,  8,  0,  2,  5, 37, 2,   1, "Gem : Medium, slightly flawed, average clarity, Jade, 1.0 SC\n"},
      {1,  1,  0,  2,  4,  1, 2, 100, "Gem : Small, slightly flawed, average clarity, Jet, valueless\n"},  // factor 0 and below
      {1,  1, 80,  1,  1, 99, 1, 100, "Gem : Small, severely flawed, clouded, Star Diamond, valueless\n"},
      {3, 10, 80, 10, 10, 99, 1,  91, "Jewelry : Large, flawless, brilliant, Star Diamond, 53200.0 SC\n"},  // the largest: 266 x 200
  };
  for (const auto &c : cases)
    EXPECT_EQ(gem(c.kind, c.size, c.el, c.app, c.clar, c.name, c.star, c.value), c.text);
  // A small average gem (factor 2): only the star stones take star form 1.
  const struct { int roll, star; const char *stone, *value; } stones[] = {
      {52, 1, "Star Opal", "8.0"}, {56, 2, "Opal", "4.0"}, {57, 1, "Toadstone", "4.0"}, {77, 1, "Lapiz Lazuli", "4.0"},
      {87, 1, "Star Sapphire", "10.0"}, {94, 1, "Star Emerald", "24.0"}, {98, 1, "Dark Ruby", "10.0"},
      {99, 1, "Star Diamond", "28.0"}, {100, 1, "Black Diamond", "10.0"},
  };
  for (const auto &c : stones)
    EXPECT_EQ(gem(1, 1, 0, 5, 5, c.roll, c.star, 100),
              std::string("Gem : Small, minimal flawed, average clarity, ") + c.stone + ", " + c.value + " SC\n");
  // The value table: both sides of every row and column bound.
  const struct { int factor, roll; const char *text; } values[] = {
      {  1,   1, ", 0.5 SC"},     { 10,  50, ", 5.0 SC"},    { 10,  51, ", 6.0 SC"},     { 10, 75, ", 6.0 SC"},
      { 10,  76, ", 8.0 SC"},     { 10,  90, ", 8.0 SC"},    { 10,  91, ", 10.0 SC"},    { 11,  1, ", 6.6 SC"},
      { 25, 100, ", 50.0 SC"},    { 26,   1, ", 20.8 SC"},   { 45, 100, ", 180.0 SC"},   { 46,  1, ", 46.0 SC"},
      { 70, 100, ", 700.0 SC"},   { 71,   1, ", 142.0 SC"},  {100, 100, ", 2000.0 SC"},  {101,  1, ", 404.0 SC"},
      {135, 100, ", 5400.0 SC"},  {136,   1, ", 1360.0 SC"}, {175, 100, ", 17500.0 SC"}, {176,  1, ", 3520.0 SC"},
  };
  for (const auto &c : values)
    EXPECT_EQ(text_of([&] { gemjj_value(c.factor, c.roll); }), c.text) << c.factor << " " << c.roll;
}
// clang-format on
