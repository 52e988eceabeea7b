// Dice at exact generator values: faces, weighted dice, and the draws of the
// whole record. This program's own rand() hands out the values a test sets.
#include <gtest/gtest.h>

#include <deque>

#include "dice.h"

namespace {

std::deque<int> queued;  // values handed out first
int constant = 0;        // then this one, for ever
long draws = 0;

constexpr int RAND_TOP = 2147483647;

// The smallest generator value that gives `face` on a die of `max` faces.
int value_for(int max, int face) {
  return static_cast<int>((((int64_t{face} - 1) << 31) + max - 1) / max);
}

}  // namespace

int rand() noexcept {
  ++draws;
  if (queued.empty()) return constant;
  int v = queued.front();
  queued.pop_front();
  return v;
}

namespace {

TEST(Dice, FacesAtTheGeneratorsExtremesAndBoundaries) {
  for (int max : {1, 2, 3, 6, 10, 100}) {
    constant = 0;
    EXPECT_EQ(gendice(max), 1) << max;
    constant = RAND_TOP;
    EXPECT_EQ(gendice(max), max) << max;
    for (int face = 2; face <= max; ++face) {
      constant = value_for(max, face);
      ASSERT_EQ(gendice(max), face) << max;
      constant -= 1;  // the value just below belongs to the face below
      ASSERT_EQ(gendice(max), face - 1) << max;
    }
  }
}

TEST(Dice, WeightedDiceMapOneD6) {
  const int d3star[] = {1, 1, 1, 2, 2, 3}, d2star[] = {1, 1, 1, 1, 2, 2};
  for (int face = 1; face <= 6; ++face) {
    constant = value_for(6, face);
    EXPECT_EQ(D3star(), d3star[face - 1]) << face;
    EXPECT_EQ(D2star(), d2star[face - 1]) << face;
  }
}

TEST(Dice, RecordDrawsEveryDieInOrder) {
  all_dice d{};
  d.message = 1;
  queued = {value_for(100, 37), value_for(10, 4)};
  constant = 0;
  draws = 0;
  roll_dice(&d);
  EXPECT_EQ(draws, DICE_PER_RECORD);
  EXPECT_EQ(d.message, 0);
  EXPECT_EQ(d.metal.d100_metal, 37);  // the first draws fill the first fields
  EXPECT_EQ(d.metal.d10_type, 4);
  EXPECT_EQ(d.other.d10_2_a4_cov_length, 6);  // sums of minimum dice
  EXPECT_EQ(d.other.d10_3_fur_value, 3);
  EXPECT_EQ(d.other.d6_a1_book_excq, 2);
  EXPECT_EQ(d.other.d6_a2_EL, 3);

  queued = {};
  constant = RAND_TOP;
  roll_dice(&d);
  EXPECT_EQ(d.other.d10_2_a4_cov_length, 24);  // sums of maximum dice
  EXPECT_EQ(d.other.d10_3_fur_value, 30);
  EXPECT_EQ(d.other.d6_a1_book_excq, 7);
  EXPECT_EQ(d.other.d6_a2_EL, 8);
  EXPECT_EQ(d.gemjj.d3star_kind, 3);
  EXPECT_EQ(d.magic.d2star_NMI_amount, 2);
  EXPECT_EQ(d.coins.d6_2_num, 12);  // the last field takes the last draws
}

TEST(Dice, LastFieldsTakeTheLastDraws) {
  // 109 draws at 0, then the two d6 of the last field.
  queued.assign(DICE_PER_RECORD - 2, 0);
  queued.push_back(value_for(6, 5));
  queued.push_back(value_for(6, 6));
  constant = RAND_TOP;
  all_dice d{};
  roll_dice(&d);
  EXPECT_EQ(d.coins.d100_num, 1);
  EXPECT_EQ(d.coins.d6_2_num, 11);
}

}  // namespace
