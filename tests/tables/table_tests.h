// Helpers of the treasure-table tests: extreme dice and the wholeness check.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "table_lookup.h"
#include "tr_other.h"

// The result the routines under test write into; the tables hold none.
inline item_result out;

// Every die of a sub-record at its lowest (profile 0), its highest (1) or a
// fixed mix of both ends (2, 3).
struct die_range {
  int lo, hi;
};
inline constexpr int PROFILES = 4;

template <typename Sub>
void set_extremes(Sub &sub, std::initializer_list<die_range> ranges,
                  int profile, uint32_t &mix) {
  int32_t values[sizeof(Sub) / sizeof(int32_t)];
  EXPECT_EQ(ranges.size(), std::size(values));
  std::size_t i = 0;
  for (const die_range &r : ranges) {
    mix ^= mix << 13, mix ^= mix >> 17, mix ^= mix << 5;
    const bool high = profile == 1 || (profile > 1 && (mix & 1) != 0);
    values[i++] = high ? r.hi : r.lo;
  }
  std::memcpy(&sub, values, sizeof values);
}

inline dice_record extreme_dice(int profile) {
  constexpr die_range D100{1, 100}, D10{1, 10}, D6{1, 6}, D3{1, 3}, D2{1, 2},
      D6_2{2, 12}, D10_2{2, 20};
  dice_record d{};
  uint32_t mix = 0x9E3779B9u * static_cast<uint32_t>(profile + 1);
  // clang-format off
  set_extremes(d.other, {D100, D100, D100, D6_2, D10, D100, D10, D10_2, D10, D6_2, D3, D6, D6, D10, D100, D100,
                         D10, {3, 30}, D10, D6, {6, 24}, D10, D10, D10_2, D10, D6, D100, D100, D10, D100, {2, 7},
                         D6, {3, 8}, D10, D10, D100, D10_2, D10, D100, D10_2, D6, D100}, profile, mix);
  set_extremes(d.milit, {D100, D10, D10, D100, D100, D6_2, D10_2}, profile, mix);
  set_extremes(d.magic, {D100, D100, D6_2, D10, D10_2, D6_2, D6_2, D100, D100, D100, D100, D3, D3, D10_2, D2,
                         D100, D100, D100, D3, D100, D100, D100, D100}, profile, mix);
  // clang-format on
  return d;
}

// Checks results: whole (ending with its line end, shorter than the buffer),
// at most four lines, as many as its line ends, a first line up to first_max.
struct text_check {
  std::size_t first_max = RESULT_TEXT_SIZE, longest = 0;
  int failures = 0;

  void operator()(int lines, const char *walk) {
    const char *text = out.text();
    const std::size_t len = std::strlen(text);
    const auto ends = std::count(text, text + len, '\n');
    const bool whole =
        len > 0 && len < RESULT_TEXT_SIZE - 1 && out.text()[len - 1] == '\n';
    const bool ok = whole && ends == lines && lines <= 4 &&
                    std::strcspn(out.text(), "\n") <= first_max;
    if (!ok && failures++ < 5)
      ADD_FAILURE() << walk << ": " << lines << " lines for \"" << out.text()
                    << "\"";
    longest = std::max(longest, len);
  }
};
