// Each die asks for its own faces and gives only its own range, and every
// field of the dice record is drawn from its own dice: at the smallest and
// the largest generator value each field holds the ends of its range.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <utility>
#include <vector>

#include "dice.h"
#include "scripted_rand.h"

namespace {

constexpr int TOP_VALUE = 2147483647;

// "n" is 1 to n, "a-b" is a to b.
std::vector<std::pair<int, int>> ranges(const char *text) {
  std::vector<std::pair<int, int>> out;
  std::istringstream in(text);
  for (std::string w; in >> w;) {
    auto dash = w.find('-');
    if (dash == std::string::npos)
      out.emplace_back(1, std::stoi(w));
    else
      out.emplace_back(std::stoi(w), std::stoi(w.substr(dash + 1)));
  }
  return out;
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

// The faces of the record's draws in the order rolled: metal, other, milit,
// gems, magic, coins (a weighted die is one d6).
constexpr char RECORD_DRAWS[] =
    "100 10 10 10 10 6 6 6 "
    "100 100 100 6 6 10 100 10 10 10 10 6 6 6 6 6 10 100 100 10 10 10 10 10 "
    "6 10 10 10 10 10 10 10 6 100 100 10 100 6 6 6 10 10 100 10 10 10 100 "
    "10 10 6 100 "
    "100 10 10 100 100 6 6 10 10 "
    "6 10 10 10 100 10 100 "
    "100 100 6 6 10 10 10 6 6 6 6 100 100 100 100 6 6 10 10 6 100 100 100 6 "
    "100 100 100 100 "
    "100 10 10 10 10 100 6 6";
// The range of each field in the record's layout (the order of the draws)
// and the in-container flag.
constexpr char RECORD_FIELDS[] =
    "100 10 10 10 10 6 6 6 "
    "100 100 100 2-12 10 100 10 2-20 10 2-12 3 6 6 10 100 100 10 3-30 10 6 "
    "6-24 10 10 2-20 10 6 100 100 10 100 2-7 6 3-8 10 10 100 2-20 10 100 2-20 "
    "6 100 "
    "100 10 10 100 100 2-12 2-20 "
    "3 10 10 10 100 10 100 "
    "100 100 2-12 10 2-20 2-12 2-12 100 100 100 100 3 3 2-20 2 100 100 100 3 "
    "100 100 100 100 "
    "100 10 10 2-20 100 2-12 0-0";

TEST(DiceRanges, EveryFieldOfTheRecordHasItsOwnDice) {
  scripted::source dice;
  std::vector<int> draws;
  for (auto [one, faces] : ranges(RECORD_DRAWS)) draws.push_back(faces);
  ASSERT_EQ(draws.size(), std::size_t{DICE_PER_RECORD});
  auto fields = ranges(RECORD_FIELDS);
  ASSERT_EQ(fields.size() * sizeof(int32_t), sizeof(dice_record));
  for (int value : {0, TOP_VALUE}) {
    dice_record d;
    std::memset(&d, 0x55, sizeof d);
    scripted::reset();
    scripted::queue.assign(DICE_PER_RECORD, value);
    roll_dice(d);
    EXPECT_EQ(scripted::faces, draws);
    std::vector<int32_t> got(fields.size());
    std::memcpy(got.data(), &d, sizeof d);
    for (std::size_t i = 0; i < fields.size(); ++i)
      EXPECT_EQ(got[i], value ? fields[i].second : fields[i].first)
          << "field " << i;
  }
}

}  // namespace
