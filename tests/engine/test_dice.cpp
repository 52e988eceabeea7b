// Dice at exact generator values: faces, weighted dice, a record's draws.
#include <gtest/gtest.h>

#include <vector>

#include "dice.h"
#include "scripted_rand.h"

namespace {

using scripted::queue, scripted::value_for;
constexpr int RAND_TOP = 2147483647;

int roll(int max, int value) { return queue = {value}, roll_die(max); }

TEST(Dice, FacesAtTheGeneratorsExtremesAndBoundaries) {
  scripted::source dice;
  for (int max : {1, 2, 3, 6, 10, 100}) {
    EXPECT_EQ(roll(max, 0), 1) << max;
    EXPECT_EQ(roll(max, RAND_TOP), max) << max;
    for (int face = 2; face <= max; ++face) {
      ASSERT_EQ(roll(max, value_for(max, face)), face) << max;
      // The value just below belongs to the face below.
      ASSERT_EQ(roll(max, value_for(max, face) - 1), face - 1) << max;
    }
  }
}

TEST(Dice, WeightedDiceMapOneD6) {
  scripted::source dice;
  const int d3star[] = {1, 1, 1, 2, 2, 3}, d2star[] = {1, 1, 1, 1, 2, 2};
  for (int face = 1; face <= 6; ++face) {
    queue = {value_for(6, face), value_for(6, face)};
    EXPECT_EQ(d3_star(), d3star[face - 1]) << face;
    EXPECT_EQ(d2_star(), d2star[face - 1]) << face;
  }
}

TEST(Dice, RecordDrawsEveryDieInOrder) {
  scripted::source dice;
  dice_record d{};
  d.in_container = 1;
  auto sums = [&o = d.other] {
    return std::vector{o.d10_2_plus_4_cov_length, o.d10_3_fur_value,
                       o.d6_plus_1_exc_quality, o.d6_plus_2_EL};
  };
  queue.assign(DICE_PER_RECORD, 0);
  queue[0] = value_for(100, 37), queue[1] = value_for(10, 4);
  roll_dice(d);
  EXPECT_EQ(scripted::draws, DICE_PER_RECORD);  // exactly the queued values
  EXPECT_TRUE(queue.empty());
  EXPECT_EQ(d.in_container, 0);
  EXPECT_EQ(d.metal.d100_metal, 37);  // the first draws fill the first fields
  EXPECT_EQ(d.metal.d10_type, 4);
  EXPECT_EQ(sums(), (std::vector{6, 3, 2, 3}));  // sums of minimum dice
  queue.assign(DICE_PER_RECORD, RAND_TOP);
  roll_dice(d);
  EXPECT_EQ(sums(), (std::vector{24, 30, 7, 8}));  // sums of maximum dice
  EXPECT_EQ(d.gemjj.d3star_kind, 3);
  EXPECT_EQ(d.magic.d2star_NMI_amount, 2);
  // The last field takes the last two draws.
  queue.assign(DICE_PER_RECORD - 2, 0);
  queue.insert(queue.end(), {value_for(6, 5), value_for(6, 6)});
  roll_dice(d);
  EXPECT_EQ(d.coins.d6_2_num, 11);
}

}  // namespace
