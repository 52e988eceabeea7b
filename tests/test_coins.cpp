// Coins: the number of coins across both ends of every row of the amount
// table, the coin kind by Station and by CDF, and the result line.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tr_coins.h"
#include "trtables.h"

namespace {

// Coin dice with distinct values, so each row's formula shows in its result.
all_dice coin_dice(int amount) {
  all_dice d{};
  d.coins.d100_amount = amount;
  d.coins.d10_kind = 5;
  d.coins.d10_num = 4;
  d.coins.d10_2_num = 13;
  d.coins.d100_num = 57;
  d.coins.d6_2_num = 7;
  return d;
}

int number_for_roll(int roll) {
  // The amount roll is the group's highest CDF plus d100_amount.
  all_dice d = coin_dice(1);
  return coins_num(&d, roll - 1);
}

TEST(CoinsNumber, BothEndsOfEveryRow) {
  EXPECT_EQ(number_for_roll(5), 7);   // d6_2_num
  EXPECT_EQ(number_for_roll(6), 13);  // d10_2_num
  EXPECT_EQ(number_for_roll(15), 13);
  EXPECT_EQ(number_for_roll(16), 17);  // d10_2_num + d10_num
  EXPECT_EQ(number_for_roll(30), 17);
  EXPECT_EQ(number_for_roll(31), 26);  // 2 x d10_2_num
  EXPECT_EQ(number_for_roll(50), 26);
  EXPECT_EQ(number_for_roll(51), 57);  // d100_num
  EXPECT_EQ(number_for_roll(80), 57);
  EXPECT_EQ(number_for_roll(81), 114);  // 2 x d100_num
  EXPECT_EQ(number_for_roll(100), 114);
  EXPECT_EQ(number_for_roll(101), 171);  // 3 x d100_num
  EXPECT_EQ(number_for_roll(115), 171);
  EXPECT_EQ(number_for_roll(116), 570);  // 10 x d100_num
  EXPECT_EQ(number_for_roll(125), 570);
  EXPECT_EQ(number_for_roll(126), 800);  // 200 x d10_num
  EXPECT_EQ(number_for_roll(130), 800);
  EXPECT_EQ(number_for_roll(131), 2600);  // 200 x d10_2_num
  EXPECT_EQ(number_for_roll(199), 2600);
}

TEST(CoinsNumber, HighestCdfOneAndAmountFour) {
  all_dice d = coin_dice(4);
  EXPECT_EQ(coins_num(&d, 1), 7);
}

TEST(CoinsNumber, CdfFarOutOfRangeStaysInTheEndRows) {
  all_dice d = coin_dice(100);
  EXPECT_EQ(coins_num(&d, INT_MAX), 2600);
  EXPECT_EQ(coins_num(&d, INT_MIN), 7);
}

std::string kind_of(int roll) {
  char kind[COINS_KIND_SIZE];
  coins_type(kind, roll);
  return kind;
}

TEST(CoinsKind, KindRollBoundaries) {
  EXPECT_EQ(kind_of(-4), "Brass Bits");
  EXPECT_EQ(kind_of(3), "Brass Bits");
  EXPECT_EQ(kind_of(4), "Copper Coins");
  EXPECT_EQ(kind_of(7), "Copper Coins");
  EXPECT_EQ(kind_of(8), "Silver Coins");
  EXPECT_EQ(kind_of(9), "Silver Coins");
  EXPECT_EQ(kind_of(10), "Gold Coins");
  EXPECT_EQ(kind_of(29), "Gold Coins");
}

std::string coin_line(int cdf, int max_cdf, int station, int kind_die) {
  all_dice d = coin_dice(4);
  d.coins.d10_kind = kind_die;
  EXPECT_EQ(coins_main(cdf, max_cdf, station, &d), 1);
  return con_trs_txt;
}

TEST(CoinsMain, StationDecidesTheKindWhateverTheCdf) {
  EXPECT_EQ(coin_line(99, 1, 0, 10), "7 Brass Bits\n");
  EXPECT_EQ(coin_line(99, 1, 1, 10), "7 Brass Bits\n");
  EXPECT_EQ(coin_line(1, 1, 2, 1), "7 Copper Coins\n");
  EXPECT_EQ(coin_line(1, 1, 3, 1), "7 Silver Coins\n");
  EXPECT_EQ(coin_line(1, 1, 4, 1), "7 Silver Coins\n");
  EXPECT_EQ(coin_line(1, 1, 5, 1), "7 Gold Coins\n");
  EXPECT_EQ(coin_line(1, 1, 10, 1), "7 Gold Coins\n");
}

TEST(CoinsMain, WithoutStationTheCdfDecides) {
  EXPECT_EQ(coin_line(4, 1, -1, 3), "7 Brass Bits\n");     // 0 + 3
  EXPECT_EQ(coin_line(5, 1, -1, 3), "7 Copper Coins\n");   // 1 + 3
  EXPECT_EQ(coin_line(1, 1, -1, 10), "7 Gold Coins\n");    // 0 + 10
  EXPECT_EQ(coin_line(40, 1, -1, 1), "7 Silver Coins\n");  // 8 + 1
}

TEST(CoinsMain, NumberFollowsOnlyTheHighestCdf) {
  EXPECT_EQ(coin_line(1, 80, 0, 1), "114 Brass Bits\n");  // 80 + 4 = 84
  EXPECT_EQ(coin_line(99, 80, -1, 10), "114 Gold Coins\n");
  EXPECT_EQ(coin_line(1, 80, 10, 1), "114 Gold Coins\n");
}

TEST(CoinsMain, ReplacesEarlierText) {
  coin_line(1, 1, 0, 1);
  EXPECT_EQ(coin_line(1, 1, 5, 1), "7 Gold Coins\n");
}

}  // namespace
