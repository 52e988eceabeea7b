// Coins: the number at both ends of every row of the amount table, and the
// kind by Station, or by CDF / 5 plus a d10 without one.
#include <gtest/gtest.h>

#include <climits>

#include "tr_coins.h"

TEST(Coins, AmountRowsAtBothEnds) {
  all_dice d{};
  d.coins = {1, 5, 4, 13, 57, 7};  // distinct dice: each formula shows
  // The amount roll (the highest CDF plus d100_amount) and its number.
  const int rows[][2] = {{5, 7},     {6, 13},     {15, 13},   {16, 17},
                         {30, 17},   {31, 26},    {50, 26},   {51, 57},
                         {80, 57},   {81, 114},   {100, 114}, {101, 171},
                         {115, 171}, {116, 570},  {125, 570}, {126, 800},
                         {130, 800}, {131, 2600}, {199, 2600}};
  for (auto [roll, n] : rows) EXPECT_EQ(coins_number(&d, roll - 1), n) << roll;
  EXPECT_EQ(coins_number(&d, INT_MAX), 2600);
  EXPECT_EQ(coins_number(&d, INT_MIN), 7);
}

TEST(Coins, KindByStationOrByCdf) {
  // CDF, highest CDF, Station, kind d10, line.
  const std::tuple<int, int, int, int, const char *> cases[] = {
      {99, 1, 0, 10, "7 Brass Bits\n"},  {1, 1, 1, 1, "7 Brass Bits\n"},
      {1, 1, 2, 1, "7 Copper Coins\n"},  {1, 1, 3, 1, "7 Silver Coins\n"},
      {1, 1, 4, 1, "7 Silver Coins\n"},  {1, 1, 5, 1, "7 Gold Coins\n"},
      {1, 1, 10, 1, "7 Gold Coins\n"},   {4, 1, -1, 3, "7 Brass Bits\n"},
      {5, 1, -1, 3, "7 Copper Coins\n"}, {0, 1, -1, 7, "7 Copper Coins\n"},
      {0, 1, -1, 8, "7 Silver Coins\n"}, {0, 1, -1, 9, "7 Silver Coins\n"},
      {0, 1, -1, 10, "7 Gold Coins\n"},  {99, 1, -1, 10, "7 Gold Coins\n"},
      {1, 80, 0, 1, "114 Brass Bits\n"},
  };
  for (auto [cdf, max_cdf, station, kind, line] : cases) {
    all_dice d{};
    d.coins = {4, kind, 4, 13, 57, 7};
    EXPECT_EQ(coins_main(cdf, max_cdf, station, &d), 1);
    EXPECT_STREQ(con_trs_txt, line) << cdf << " " << station << " " << kind;
  }
}
