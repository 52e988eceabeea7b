// Gems, jewels and jewelry: the factor from kind, size, look and stone, its
// rounding, the valueless stones and the value table.
#include "table_tests.h"
#include "tr_gemjj.h"

TEST(Gemjj, FactorFromJewelersElLookStarAndStone) {
  // clang-format off
  const struct { gemjj_dice dice; int el; const char *text; } cases[] = {  // kind, size, look, clarity, stone, star, value
      {{1, 1, 5, 5, 1, 2, 100}, 80, "Gem : Small, minimal flawed, average clarity, Jet, 2.0 SC\n"},  // EL raises jewels only
      {{2, 8, 5, 5, 1, 2, 100}, 80, "Jewel : Medium, minimal flawed, average clarity, Jet, 28.0 SC\n"},
      {{3, 10, 1, 1, 1, 2, 1}, 0, "Jewelry : Large, severely flawed, clouded, Jet, 5.0 SC\n"},
      {{3, 10, 10, 8, 1, 2, 1}, 0, "Jewelry : Large, flawless, fine clarity, Jet, 21.6 SC\n"},
      {{1, 8, 5, 5, 37, 2, 100}, 0, "Gem : Medium, minimal flawed, average clarity, Jade, 5.0 SC\n"},  // 4.5 up to 5
      {{1, 1, 5, 5, 52, 1, 100}, 0, "Gem : Small, minimal flawed, average clarity, Star Opal, 8.0 SC\n"},
      {{1, 1, 5, 5, 100, 1, 100}, 0, "Gem : Small, minimal flawed, average clarity, Black Diamond, 10.0 SC\n"},  // no star form
      {{1, 1, 2, 4, 1, 2, 100}, 0, "Gem : Small, slightly flawed, average clarity, Jet, valueless\n"},
      {{3, 10, 10, 10, 99, 1, 91}, 80, "Jewelry : Large, flawless, brilliant, Star Diamond, 53200.0 SC\n"},
  };
  // clang-format on
  for (const auto &c : cases) {
    dice_record d{};
    d.gemjj = c.dice;
    EXPECT_EQ(gemjj_main(c.el, &d), 1);
    EXPECT_STREQ(result_text, c.text);
  }
}

TEST(Gemjj, ValueByFactorAndD100) {
  // clang-format off
  const std::tuple<int, int, const char *> values[] = {{1, 1, ", 0.5 SC"}, {10, 50, ", 5.0 SC"}, {10, 51, ", 6.0 SC"},
      {10, 91, ", 10.0 SC"}, {175, 100, ", 17500.0 SC"}, {176, 1, ", 3520.0 SC"}};
  // clang-format on
  for (auto [factor, roll, text] : values)
    EXPECT_EQ(text_of([f = factor, r = roll] { gemjj_value(f, r); }), text);
}
