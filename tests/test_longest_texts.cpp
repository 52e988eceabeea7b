// The longest texts: the longest magical military item word for word, and
// walks over every row of the military main table, its sub-tables, the race
// rows, the goods the supplies name, and the magic table's military rows,
// with the other dice at their extremes. Every text must arrive whole (ending
// with its line end) and its line count must equal its line ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "trtext.h"

namespace {

// clang-format off
// The range of every die of the dice record, sub-record by sub-record in
// field order.
struct die_range {
  int lo, hi;
};
constexpr die_range D100{1, 100}, D10{1, 10}, D6{1, 6}, D3S{1, 3},
    D2S{1, 2}, D6_2{2, 12}, D10_2{2, 20};
constexpr die_range metal_ranges[] = {D100, D10, D10, D10, D10, D6, D6, D6};
constexpr die_range gemjj_ranges[] = {D3S, D10, D10, D10, D100, D10, D100};
constexpr die_range other_ranges[] = {
    D100, D100,  D100, D6_2, D10, D100,  D10,  D10_2,   D10, D6_2,
    D3S,  D6,    D6,   D10,  D100, D100, D10,  {3, 30}, D10, D6,
    {6, 24}, D10, D10, D10_2, D10, D6,   D100, D100,    D10, D100,
    {2, 7}, D6,  {3, 8}, D10, D10, D100, D10_2, D10,    D100, D10_2,
    D6,   D100};
constexpr die_range milit_ranges[] = {D100, D10, D10, D100, D100, D6_2, D10_2};
constexpr die_range magic_ranges[] = {
    D100, D100, D6_2, D10,  D10_2, D6_2, D6_2, D100, D100, D100, D100, D3S,
    D3S,  D10_2, D2S, D100, D100,  D100, D3S,  D100, D100, D100, D100};
constexpr die_range coins_ranges[] = {D100, D10, D10, D10_2, D100, D6_2};
// clang-format on

// Profiles of extreme values: 0 puts every die at its minimum, 1 at its
// maximum; the others pick minimum or maximum per die from a fixed mix.
constexpr int PROFILES = 4;

template <typename Sub, std::size_t N>
void set_extremes(Sub &sub, const die_range (&ranges)[N], int profile,
                  uint32_t &mix) {
  static_assert(sizeof(Sub) == N * sizeof(int32_t));
  int32_t values[N];
  for (std::size_t i = 0; i < N; ++i) {
    mix ^= mix << 13;
    mix ^= mix >> 17;
    mix ^= mix << 5;
    bool high = profile == 1 || (profile > 1 && (mix & 1) != 0);
    values[i] = high ? ranges[i].hi : ranges[i].lo;
  }
  std::memcpy(&sub, values, sizeof values);
}

all_dice extreme_dice(int profile) {
  all_dice d{};
  uint32_t mix = 0x9E3779B9u * static_cast<uint32_t>(profile + 1);
  set_extremes(d.metal, metal_ranges, profile, mix);
  set_extremes(d.gemjj, gemjj_ranges, profile, mix);
  set_extremes(d.other, other_ranges, profile, mix);
  set_extremes(d.milit, milit_ranges, profile, mix);
  set_extremes(d.magic, magic_ranges, profile, mix);
  set_extremes(d.coins, coins_ranges, profile, mix);
  d.message = 0;
  return d;
}

// Checks one result: the text is whole (shorter than the buffer and ending
// with its line end) and the line count equals its line ends. Records the
// longest text and reports only the first few failures.
struct text_check {
  std::size_t longest = 0;
  int failures = 0;

  void operator()(int lines, const char *walk, const all_dice &d) {
    const std::size_t len = std::strlen(con_trs_txt);
    const auto ends = std::count(con_trs_txt, con_trs_txt + len, '\n');
    const bool whole =
        len > 0 && len < TRS_TXT_SIZE - 1 && con_trs_txt[len - 1] == '\n';
    if ((!whole || ends != lines) && failures++ < 5)
      ADD_FAILURE() << walk << " milit " << d.milit.d100_maintype << "/"
                    << d.milit.d100_sub_type << " magic "
                    << d.magic.d100_subtype << ": lines " << lines
                    << ", line ends " << ends << ", text \"" << con_trs_txt
                    << "\"";
    longest = std::max(longest, len);
  }
};

// The rows of the supplies' goods that a military item can reach: keg and
// container contents, fill and capacity; books, scrolls, coded scrolls and
// maps; furniture.
void walk_supplies(all_dice base, int (*category)(all_dice_ptr),
                   text_check &check) {
  for (int amount = 1; amount <= 3; ++amount)
    for (int material = 1; material <= 100; ++material)
      for (int fill : {1, 2, 8, 9, 10})
        for (int size : {1, 10, 11, 26, 46, 71, 91, 96, 100}) {
          all_dice d = base;
          d.milit.d100_sub_type = 51;  // kegs
          d.other.d3star_amount_class = amount;
          d.other.d100_keg_material = material;
          d.other.d10_keg_fill = fill;
          d.other.d100_keg_size = size;
          check(category(&d), "kegs", d);
        }
  for (int row = 1; row <= 100; ++row)
    for (int coded : {1, 96, 100}) {
      all_dice d = base;
      d.milit.d100_sub_type = 31;  // books, scrolls and maps
      d.other.d10_book_kind = 1;
      d.other.d100_book = row;
      check(category(&d), "book", d);
      d.other.d10_book_kind = 10;
      d.other.d10_scroll_kind = 1;
      d.other.d100_scroll = row;
      d.other.d100_coded = coded;
      check(category(&d), "scroll", d);
      d.other.d100_scroll = 100;
      d.other.d100_coded = row;
      check(category(&d), "coded scroll", d);
    }
  for (int map = 2; map <= 20; ++map)
    for (int area : {1, 10}) {
      all_dice d = base;
      d.milit.d100_sub_type = 31;
      d.other.d10_book_kind = 10;
      d.other.d10_scroll_kind = 10;
      d.other.d10_2_map = map;
      d.other.d10_map_area = area;
      check(category(&d), "map", d);
    }
  for (int furniture = 1; furniture <= 10; ++furniture) {
    all_dice d = base;
    d.milit.d100_sub_type = 16;
    d.other.d10_furniture = furniture;
    check(category(&d), "furniture", d);
  }
}

// The bounds of every race's kind rows in milit.d100_NHM_type, and the values
// just outside 1 to 100.
constexpr int kind_bounds[] = {0,  1,  34, 35, 44, 45,  55, 56, 57,
                               62, 63, 74, 75, 76, 80,  81, 82, 85,
                               86, 87, 88, 91, 92, 100, 101};

// Every military main-table row against every sub-table row, then every race
// against every kind row, then the supplies' goods, directly and made by the
// race of the longest word.
void walk_military(all_dice base, int (*category)(all_dice_ptr),
                   text_check &check) {
  for (int maintype = 1; maintype <= 100; ++maintype)
    for (int sub = 0; sub <= 101; ++sub) {
      all_dice d = base;
      d.milit.d100_maintype = maintype;
      d.milit.d100_sub_type = sub;
      check(category(&d), "main", d);
    }
  for (int race = 0; race <= 11; ++race)
    for (int kind : kind_bounds)
      for (int sub = 0; sub <= 101; ++sub) {
        all_dice d = base;
        d.milit.d100_maintype = 100;
        d.milit.d10_NonHumanM = race;
        d.milit.d100_NHM_type = kind;
        d.milit.d100_sub_type = sub;
        check(category(&d), "race", d);
      }
  all_dice supplies = base;
  supplies.milit.d100_maintype = 66;
  walk_supplies(supplies, category, check);
  all_dice made = base;
  made.milit.d100_maintype = 100;
  made.milit.d10_NonHumanM = 10;  // "Other race's "
  made.milit.d100_NHM_type = 80;
  walk_supplies(made, category, check);
}

// A magical military item without modifier and with three total immunities,
// whose military item is supplies made by another race; MEL 12, EL 6.
all_dice three_powers_other_race_supplies(int sub_type) {
  all_dice d = extreme_dice(0);
  d.magic.d100_maintype = 90;
  d.magic.d100_HCM = 76;
  d.magic.d100_DAM = 51;
  d.magic.d100_subtype = 98;
  d.magic.d3star_other_100 = 3;
  d.magic.d100_other_3_1 = 1;
  d.magic.d100_other_3_2 = 8;
  d.magic.d100_other_3_3 = 15;
  d.magic.d100_immunity = 100;
  d.magic.d100_total_imm = 1;
  d.magic.d6_2_MEL = 12;
  d.magic.d10_EL = 10;
  d.milit.d100_maintype = 100;
  d.milit.d10_NonHumanM = 10;
  d.milit.d100_NHM_type = 75;
  d.milit.d100_sub_type = sub_type;
  return d;
}

TEST(LongestTexts, MagicalKegsOfAnotherRaceWithThreePowers) {
  // Twelve full kegs of 100 quarts of a potion that detects.
  all_dice d = three_powers_other_race_supplies(60);
  d.magic.d100_detection = 56;
  d.other.d3star_amount_class = 3;
  d.other.d6_amount_1 = 6;
  d.other.d6_amount_2 = 6;
  d.other.d100_keg_size = 100;
  d.other.d100_keg_material = 100;
  d.other.d10_keg_fill = 8;
  // 299 characters before the breaks at the last blanks at or before 239, 159
  // and 79.
  EXPECT_EQ(magic_main(&d), 4);
  EXPECT_EQ(
      std::string(con_trs_txt),
      "Magical 1 Other race's Set(s) of 12 Keg(s), size 100.0 quart, "
      "containing 75.0\n"
      "     quart Magical Potion of Detection of a Supernatural Force, "
      "MEL 12  EL 6, Total\n"
      "     Immunity to Two Powers, roll manually, Total Immunity to Two "
      "Powers, roll\n"
      "     manually, Total Immunity to Two Powers, roll manually, MEL 12 "
      " EL 6\n");
}

TEST(LongestTexts, MagicalCodedScrollOfAnotherRaceWithThreePowers) {
  // A coded treasure and spell scroll (EL 8, Balance) worth 2 * 5 * 20 + 2,
  // with the 1500 GC treasure map of map roll 5 + 14.
  all_dice d = three_powers_other_race_supplies(35);
  d.other.d10_book_kind = 10;
  d.other.d10_scroll_kind = 7;
  d.other.d100_scroll = 100;
  d.other.d100_coded = 100;
  d.other.d6_a2_EL = 8;
  d.other.d10_alignment = 8;
  d.other.d10_2_medicEL = 20;
  d.other.d6_scrollmap = 5;
  d.other.d100_map_accu = 100;  // replaced by 0 for a treasure scroll's map
  // 302 characters before the breaks.
  EXPECT_EQ(magic_main(&d), 4);
  EXPECT_EQ(
      std::string(con_trs_txt),
      "Magical 1 Other race's Militairy Coded Scroll : Treasure and "
      "Spell Scroll, 1 EL\n"
      "     8 Balance spell, value 202.0 GC, 1500 GC Treasure Map, 50.0 "
      "GC, accurate, Total\n"
      "     Immunity to Two Powers, roll manually, Total Immunity to Two "
      "Powers, roll\n"
      "     manually, Total Immunity to Two Powers, roll manually, MEL 12 "
      " EL 6\n");
}

TEST(LongestTexts, EveryMilitaryRowArrivesWhole) {
  text_check check;
  for (int profile = 0; profile < PROFILES; ++profile)
    walk_military(extreme_dice(profile), milit_main, check);
  EXPECT_EQ(check.failures, 0);
  // The walk reached the long supplies (one line whatever the length).
  EXPECT_GT(check.longest, 120u);
}

TEST(LongestTexts, EveryMagicalMilitaryRowArrivesWhole) {
  text_check check;
  for (int profile = 0; profile < PROFILES; ++profile) {
    for (int maintype = 76; maintype <= 90; ++maintype) {
      // Modifiers and the single powers of every row.
      for (int hcm : {75, 76})
        for (int dam : {50, 51})
          for (int other : {40, 41})
            for (int subtype = 1; subtype <= 100; ++subtype) {
              all_dice d = extreme_dice(profile);
              d.magic.d100_maintype = maintype;
              d.magic.d100_HCM = hcm;
              d.magic.d100_DAM = dam;
              d.magic.d100_othermagic = other;
              d.magic.d100_subtype = subtype;
              check(magic_main(&d), "magic", d);
            }
      // Several powers, each slot on every row.
      for (int count = 1; count <= 3; ++count)
        for (int slot = 0; slot < 3; ++slot)
          for (int row = 1; row <= 100; ++row) {
            all_dice d = extreme_dice(profile);
            d.magic.d100_maintype = maintype;
            d.magic.d100_HCM = 76;
            d.magic.d100_DAM = 51;
            d.magic.d100_subtype = 98;
            d.magic.d3star_other_100 = count;
            int32_t *rows[] = {&d.magic.d100_other_3_1, &d.magic.d100_other_3_2,
                               &d.magic.d100_other_3_3};
            *rows[slot] = row;
            check(magic_main(&d), "powers", d);
          }
    }
    // Every military item under three powers of the longest kind.
    all_dice base = extreme_dice(profile);
    base.magic.d100_maintype = 76 + profile;
    base.magic.d100_HCM = 76;
    base.magic.d100_DAM = 51;
    base.magic.d100_subtype = 98;
    base.magic.d3star_other_100 = 3;
    base.magic.d100_other_3_1 = 1;
    base.magic.d100_other_3_2 = 1;
    base.magic.d100_other_3_3 = 1;
    base.magic.d100_immunity = 100;
    base.magic.d100_total_imm = 1;
    walk_military(base, magic_main, check);
  }
  EXPECT_EQ(check.failures, 0);
  // The walk reached texts of three breaks.
  EXPECT_GT(check.longest, 240u);
}

}  // namespace
