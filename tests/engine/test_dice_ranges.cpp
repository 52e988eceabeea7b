// Dice at exact generator values: each face's boundary, on both sides (the
// golden reports sweep every face of every draw, the weighted and summed
// dice too, but only at each face's first value).
#include <gtest/gtest.h>

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

}  // namespace
