// Coins: the number grows with the group's highest CDF; the kind follows the
// monster's Station, or its CDF / 5 plus a d10 without one.
#include <climits>

#include "table_tests.h"
#include "tr_coins.h"

TEST(Coins, AmountRowsChangeAtTheirBounds) {
  dice_record d{};
  d.coins = {1, 1, 5, 13, 57, 7};  // distinct dice: each formula shows
  // The highest CDF (plus d100_amount 1) and the number it gives.
  // clang-format off
  const int cases[][2] = {{4, 7}, {5, 13}, {29, 18}, {30, 26}, {79, 57}, {124, 570}, {129, 1000}, {130, 2600},
                          {INT_MAX, 2600}, {INT_MIN, 7}};
  // clang-format on
  for (auto [max_cdf, n] : cases) EXPECT_EQ(coins_number(&d, max_cdf), n);
}

TEST(Coins, StationDecidesTheKindElseCdfAndD10) {
  // CDF, Station (-1: none), kind d10, kind.
  // clang-format off
  const struct { int cdf, station, d10; const char *kind; } cases[] = {
      {99, 0, 10, "Brass Bits"}, {1, 2, 1, "Copper Coins"}, {1, 4, 1, "Silver Coins"}, {1, 5, 1, "Gold Coins"},
      {4, -1, 3, "Brass Bits"}, {5, -1, 3, "Copper Coins"}, {0, -1, 8, "Silver Coins"},
      {0, -1, 10, "Gold Coins"}, {99, -1, 10, "Gold Coins"},
      // clang-format on
  };
  for (const auto &c : cases) {
    dice_record d{};
    d.coins = {1, c.d10, 5, 13, 57, 7};
    EXPECT_EQ(coins_main(out, c.cdf, 1, c.station, &d), 1);
    EXPECT_EQ(std::string(out.text()), "7 " + std::string(c.kind) + "\n")
        << c.cdf;
  }
}
