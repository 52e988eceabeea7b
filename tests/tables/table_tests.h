// Helpers the treasure-table tests share: the text a routine leaves in the
// result buffer, exceptional-item codes, extreme dice and the wholeness check.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "tr_other.h"
#include "trtext.h"

// The text a call leaves in the emptied result buffer.
template <typename F>
std::string text_of(F call) {
  trs_clear();
  call();
  return con_trs_txt;
}

// clang-format off
// Exceptional quality with its multiplier; size with its large (1-5) or small (6-10) roll and row.
constexpr uint32_t quality(int mult) { return EXC_QUALITY | static_cast<uint32_t>(mult) << 4; }
constexpr uint32_t sized(int smla, int roll) { return EXC_SIZE | static_cast<uint32_t>(roll) << 12 | static_cast<uint32_t>(smla) << 20; }

// The range of every die of the sub-records the sweeps read, in field order.
struct die_range { int lo, hi; };
inline constexpr die_range D100{1, 100}, D10{1, 10}, D6{1, 6}, D3S{1, 3}, D2S{1, 2}, D6_2{2, 12}, D10_2{2, 20};
inline constexpr die_range other_ranges[] = {
    D100, D100, D100, D6_2, D10, D100, D10, D10_2, D10, D6_2, D3S, D6, D6, D10,
    D100, D100, D10, {3, 30}, D10, D6, {6, 24}, D10, D10, D10_2, D10, D6, D100,
    D100, D10, D100, {2, 7}, D6, {3, 8}, D10, D10, D100, D10_2, D10, D100, D10_2, D6, D100};
inline constexpr die_range milit_ranges[] = {D100, D10, D10, D100, D100, D6_2, D10_2};
inline constexpr die_range magic_ranges[] = {
    D100, D100, D6_2, D10, D10_2, D6_2, D6_2, D100, D100, D100, D100, D3S,
    D3S, D10_2, D2S, D100, D100, D100, D3S, D100, D100, D100, D100};

// Extreme dice: profile 0 all minimum, 1 all maximum, 2 and 3 a fixed mix of ends.
inline constexpr int PROFILES = 4;

template <typename Sub, std::size_t N>
void set_extremes(Sub &sub, const die_range (&ranges)[N], int profile, uint32_t &mix) {
  static_assert(sizeof(Sub) == N * sizeof(int32_t));
  int32_t values[N];
  for (std::size_t i = 0; i < N; ++i) {
    mix ^= mix << 13, mix ^= mix >> 17, mix ^= mix << 5;
    values[i] = profile == 1 || (profile > 1 && (mix & 1) != 0) ? ranges[i].hi : ranges[i].lo;
  }
  std::memcpy(&sub, values, sizeof values);
}

inline all_dice extreme_dice(int profile) {
  all_dice d{};
  uint32_t mix = 0x9E3779B9u * static_cast<uint32_t>(profile + 1);
  set_extremes(d.other, other_ranges, profile, mix);
  set_extremes(d.milit, milit_ranges, profile, mix);
  set_extremes(d.magic, magic_ranges, profile, mix);
  return d;
}

// Checks one result: whole (shorter than the buffer, ending with its line end),
// at most four lines, as many as its line ends, a first line up to first_max.
struct text_check {
  std::size_t first_max = TRS_TXT_SIZE, longest = 0;
  int failures = 0;

  void operator()(int lines, const char *walk, const all_dice &d) {
    const std::size_t len = std::strlen(con_trs_txt);
    const auto ends = std::count(con_trs_txt, con_trs_txt + len, '\n');
    const bool whole = len > 0 && len < TRS_TXT_SIZE - 1 && con_trs_txt[len - 1] == '\n';
    if ((!whole || ends != lines || lines > 4 || std::strcspn(con_trs_txt, "\n") > first_max) && failures++ < 5)
      ADD_FAILURE() << walk << " milit " << d.milit.d100_maintype << "/" << d.milit.d100_sub_type << " magic " << d.magic.d100_maintype
                    << "/" << d.magic.d100_subtype << ": lines " << lines << ", line ends " << ends << ", text \"" << con_trs_txt << "\"";
    longest = std::max(longest, len);
  }
};
// clang-format on
