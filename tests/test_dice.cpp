// Dice: faces at the generator's extremes, weighted dice, and the draw order
// of the whole record.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "dice.h"

namespace {

// Finds a seed whose first rand() value satisfies pred.
template <typename Pred>
unsigned seed_where(Pred pred) {
  for (unsigned s = 1; s < 5000000; ++s) {
    std::srand(s);
    if (pred(std::rand())) return s;
  }
  ADD_FAILURE() << "no seed found";
  return 1;
}

TEST(Gendice, FaceFollowsHighBitsOfGeneratorValue) {
  for (int faces : {1, 2, 3, 6, 10, 100}) {
    for (int i = 0; i < 2000; ++i) {
      unsigned seed = 7919u * i + faces;
      std::srand(seed);
      long r = std::rand();
      std::srand(seed);
      int got = gendice(faces);
      EXPECT_EQ(got, static_cast<int>(faces * static_cast<long long>(r) /
                                      2147483648LL) +
                         1);
      ASSERT_GE(got, 1);
      ASSERT_LE(got, faces);
    }
  }
}

TEST(Gendice, SmallestAndLargestGeneratorValues) {
  // A value below 2^31/100 gives 1 on every die; one in the top hundredth
  // gives the largest face.
  unsigned low = seed_where([](int r) { return r < 2147483648LL / 100; });
  for (int faces : {2, 3, 6, 10, 100}) {
    std::srand(low);
    EXPECT_EQ(gendice(faces), 1) << faces;
  }
  unsigned high =
      seed_where([](int r) { return r >= 2147483648LL - 2147483648LL / 100; });
  for (int faces : {2, 3, 6, 10, 100}) {
    std::srand(high);
    EXPECT_EQ(gendice(faces), faces) << faces;
  }
}

TEST(WeightedDice, RangeAndRoughShares) {
  std::srand(12345);
  std::map<int, int> d3, d2;
  const int n = 60000;
  for (int i = 0; i < n; ++i) {
    ++d3[D3star()];
    ++d2[D2star()];
  }
  ASSERT_EQ(d3.size(), 3u);
  ASSERT_EQ(d2.size(), 2u);
  EXPECT_EQ(d3.begin()->first, 1);
  EXPECT_EQ(d3.rbegin()->first, 3);
  EXPECT_EQ(d2.rbegin()->first, 2);
  EXPECT_NEAR(d3[1] / double(n), 3 / 6.0, 0.02);
  EXPECT_NEAR(d3[2] / double(n), 2 / 6.0, 0.02);
  EXPECT_NEAR(d3[3] / double(n), 1 / 6.0, 0.02);
  EXPECT_NEAR(d2[1] / double(n), 4 / 6.0, 0.02);
}

TEST(WeightedDice, MapTheD6) {
  // D3star: 1-3 -> 1, 4-5 -> 2, 6 -> 3; D2star: 1-4 -> 1, 5-6 -> 2.
  for (unsigned seed = 1; seed < 400; ++seed) {
    std::srand(seed);
    int d6 = gendice(6);
    std::srand(seed);
    EXPECT_EQ(D3star(), d6 <= 3 ? 1 : d6 <= 5 ? 2 : 3);
    std::srand(seed);
    EXPECT_EQ(D2star(), d6 <= 4 ? 1 : 2);
  }
}

TEST(RollDice, Draws111ValuesAndResetsMessage) {
  all_dice d{};
  d.message = 1;
  std::srand(99);
  roll_dice(&d);
  int after = std::rand();
  std::srand(99);
  for (int i = 0; i < DICE_PER_RECORD; ++i) std::rand();
  EXPECT_EQ(after, std::rand());
  EXPECT_EQ(d.message, 0);
}

TEST(RollDice, FieldOrderFollowsTheRecord) {
  // The first fields of the record take the first draws.
  std::srand(4242);
  int metal = D100(), type = D10();
  std::srand(4242);
  all_dice d{};
  roll_dice(&d);
  EXPECT_EQ(d.metal.d100_metal, metal);
  EXPECT_EQ(d.metal.d10_type, type);
}

TEST(RollDice, EveryFieldInRange) {
  std::srand(2024);
  for (int i = 0; i < 20000; ++i) {
    all_dice d;
    roll_dice(&d);
    ASSERT_GE(d.other.d10_2_a4_cov_length, 6);
    ASSERT_LE(d.other.d10_2_a4_cov_length, 24);
    ASSERT_GE(d.other.d10_3_fur_value, 3);
    ASSERT_LE(d.other.d10_3_fur_value, 30);
    ASSERT_GE(d.other.d6_a1_book_excq, 2);
    ASSERT_LE(d.other.d6_a1_book_excq, 7);
    ASSERT_GE(d.other.d6_a2_EL, 3);
    ASSERT_LE(d.other.d6_a2_EL, 8);
    ASSERT_GE(d.gemjj.d3star_kind, 1);
    ASSERT_LE(d.gemjj.d3star_kind, 3);
    ASSERT_GE(d.magic.d2star_NMI_amount, 1);
    ASSERT_LE(d.magic.d2star_NMI_amount, 2);
    ASSERT_GE(d.coins.d10_2_num, 2);
    ASSERT_LE(d.coins.d10_2_num, 20);
    ASSERT_GE(d.coins.d6_2_num, 2);
    ASSERT_LE(d.coins.d6_2_num, 12);
    ASSERT_GE(d.milit.d100_sub_type, 1);
    ASSERT_LE(d.milit.d100_sub_type, 100);
  }
}

}  // namespace
