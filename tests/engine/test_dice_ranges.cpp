// Dice at exact generator values: each face's boundary, the weighted dice,
// and each die asks for its own faces and stays in its range (which draw
// fills which field of the dice record the golden reports prove).
#include <gtest/gtest.h>

#include <vector>

#include "dice.h"
#include "scripted_rand.h"

namespace {

constexpr int TOP_VALUE = 2147483647;

using scripted::queue, scripted::value_for;

TEST(Dice, FacesAtTheGeneratorsExtremesAndBoundaries) {
  scripted::source dice;
  auto roll = [](int max, int value) { return queue = {value}, roll_die(max); };
  for (int max : {1, 2, 3, 6, 10, 100}) {
    EXPECT_EQ(roll(max, 0), 1) << max;
    EXPECT_EQ(roll(max, TOP_VALUE), max) << max;
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

TEST(DiceRanges, EachDieAsksItsFacesAndStaysInItsRange) {
  scripted::source dice;
  const struct {
    int (*roll)();
    std::vector<int> faces;
    int low, high;
  } dies[] = {{d100, {100}, 1, 100},
              {d10, {10}, 1, 10},
              {d6, {6}, 1, 6},
              {d3, {3}, 1, 3},
              {d3_star, {6}, 1, 3},
              {d2_star, {6}, 1, 2},
              {two_d6, {6, 6}, 2, 12},
              {two_d10, {10, 10}, 2, 20},
              {three_d10, {10, 10, 10}, 3, 30}};
  for (auto &d : dies)
    for (int value : {0, TOP_VALUE}) {
      scripted::reset();
      scripted::queue.assign(d.faces.size(), value);
      EXPECT_EQ(d.roll(), value ? d.high : d.low) << d.high;
      EXPECT_EQ(scripted::faces, d.faces) << d.high;
    }
}

}  // namespace
