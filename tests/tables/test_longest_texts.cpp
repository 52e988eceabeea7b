// Whole texts and true line counts: a walk over the rows of the other,
// military and magic tables and the goods they reach, the remaining dice at
// their ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "table_lookup.h"
#include "tr_other.h"

namespace {

// The result the routines under test write into; the tables hold none.
item_result out;

// Every die of a sub-record at its lowest (profile 0), its highest (1) or a
// fixed mix of both ends (2, 3).
struct die_range {
  int lo, hi;
};
constexpr int PROFILES = 4;

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

dice_record extreme_dice(int profile) {
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

// A magical military item of another race without modifier and with three
// total immunities (rows 1, 8 and 15, each less 5), MEL 12 with EL 10.
dice_record three_powers(int profile, int maintype, int sub_type) {
  dice_record d = extreme_dice(profile);
  magic_dice &m = d.magic;
  m.d100_maintype = maintype, m.d100_HCM = 76, m.d100_DAM = 51;
  m.d100_subtype = 98, m.d3star_power_count = 3, m.d100_power_1 = 1;
  m.d100_power_2 = 8, m.d100_power_3 = 15, m.d100_immunity = 100;
  m.d100_total_imm = 1, m.d6_2_MEL = 12, m.d10_EL = 10;
  d.milit = {100, 1, 10, 75, sub_type, 2, 2};
  return d;
}

TEST(LongestTexts, EveryRowArrivesWholeWithItsLineCount) {
  // Each result whole (ending with its line end, shorter than the buffer),
  // at most four lines, as many as its line ends, and a magic text's first
  // line up to 79; the longest other or military (0) and magic (1) texts.
  std::size_t longest[2] = {};
  int failures = 0;
  auto check = [&](int lines, const char *walk, bool magic = false) {
    const char *text = out.text();
    const std::size_t len = std::strlen(text);
    const bool ok = len > 0 && len < RESULT_TEXT_SIZE - 1 &&
                    text[len - 1] == '\n' && lines <= 4 &&
                    std::count(text, text + len, '\n') == lines &&
                    std::strcspn(text, "\n") <= (magic ? 79 : RESULT_TEXT_SIZE);
    if (!ok && failures++ < 5)
      ADD_FAILURE() << walk << ": " << lines << " lines for \"" << text << "\"";
    longest[magic] = std::max(longest[magic], len);
  };
  for (int profile = 0; profile < PROFILES; ++profile)
    for (int row = 0; row <= 101; ++row)
      for (int main = 1; main <= 100; ++main) {
        // The main row picks the item; the row roll every table below it.
        dice_record d = extreme_dice(profile);
        other_dice &o = d.other;
        o.d100_maintype = main, o.d100_keg_material = o.d100_book = row;
        o.d100_scroll = o.d100_coded = o.d100_keg_size = row;
        o.d10_2_map = row % 21, o.d10_book_kind = o.d10_scroll_kind = main % 10;
        d.milit = {main, row % 12, row % 12, row, row, 12, 20};
        d.magic.d100_maintype = main, d.magic.d100_subtype = row;
        d.magic.d100_HCM = 75 + row % 2, d.magic.d100_DAM = 50 + row / 2 % 2;
        dice_record other = d, milit = d,
                    powers = three_powers(profile, 90, row);
        check(other_main(out, &other), "other");
        check(milit_main(out, &milit), "milit");
        check(magic_main(out, &d), "magic", true);
        powers.milit.d100_race_item = main, powers.other = o;
        check(magic_main(out, &powers), "powers", true);
      }
  EXPECT_EQ(failures, 0);
  EXPECT_GT(longest[0], 100u);  // long supplies and goods stay one piece
  EXPECT_GT(longest[1], 240u);  // the walk reached texts of three breaks
}

}  // namespace
