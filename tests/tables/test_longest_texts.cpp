// The longest magical military item word for word; walks over every row of the
// military and magic tables and what they reach, the other dice at their ends.
#include "table_tests.h"

using category = int (*)(all_dice_ptr);

// clang-format off
// The supplies' goods: kegs; books, scrolls, coded scrolls and maps.
static void walk_supplies(all_dice base, category run, text_check &check) {
  for (int material = 1; material <= 100; ++material)
    for (int fill : {1, 2, 8, 9, 10})
      for (int size : {1, 10, 11, 26, 46, 71, 91, 96, 100}) {
        all_dice d = base;  // kegs
        d.milit.d100_sub_type = 51, d.other.d100_keg_material = material, d.other.d10_keg_fill = fill, d.other.d100_keg_size = size;
        check(run(&d), "kegs", d);
      }
  for (int row = 1; row <= 100; ++row)
    for (int coded : {1, 96, 100}) {
      all_dice d = base;  // books, scrolls and maps
      other_dice &o = d.other;
      d.milit.d100_sub_type = 31, o.d10_book_kind = 1, o.d100_book = row;
      check(run(&d), "book", d);
      o.d10_book_kind = 10, o.d10_scroll_kind = 10, o.d10_2_map = row % 19 + 2, o.d10_map_area = coded / 10 + 1;
      check(run(&d), "map", d);
      o.d10_scroll_kind = 1, o.d100_scroll = row, o.d100_coded = coded;
      check(run(&d), "scroll", d);
      o.d100_scroll = 100, o.d100_coded = row;
      check(run(&d), "coded scroll", d);
    }
}

// Every main row by sub row; every race at and past each kind row's bounds.
static void walk_military(all_dice base, category run, text_check &check) {
  for (int maintype = 1; maintype <= 100; ++maintype)
    for (int sub = 0; sub <= 101; ++sub) {
      all_dice d = base;
      d.milit.d100_maintype = maintype, d.milit.d100_sub_type = sub;
      check(run(&d), "main", d);
    }
  for (int race = 0; race <= 11; ++race)
    for (int kind : {0, 1, 34, 35, 44, 45, 55, 56, 57, 62, 63, 74, 75, 76, 80, 81, 82, 85, 86, 87, 88, 91, 92, 100, 101})
      for (int sub = 0; sub <= 101; ++sub) {
        all_dice d = base;
        d.milit.d100_maintype = 100, d.milit.d10_NonHumanM = race, d.milit.d100_NHM_type = kind, d.milit.d100_sub_type = sub;
        check(run(&d), "race", d);
      }
  all_dice made = base;
  made.milit.d100_maintype = 100, made.milit.d10_NonHumanM = 10, made.milit.d100_NHM_type = 80;  // "Other race's "
  walk_supplies(made, run, check);
}

// A magical military item of another race without modifier, with three total
// immunities (rows 1, 8 and 15, each less 5), MEL 12 with EL 10 capped to 6.
static all_dice three_powers(int profile, int maintype, int sub_type) {
  all_dice d = extreme_dice(profile);
  magic_dice &m = d.magic;
  m.d100_maintype = maintype, m.d100_HCM = 76, m.d100_DAM = 51, m.d100_subtype = 98, m.d3star_other_100 = 3;
  m.d100_other_3_1 = 1, m.d100_other_3_2 = 8, m.d100_other_3_3 = 15, m.d100_immunity = 100, m.d100_total_imm = 1;
  m.d6_2_MEL = 12, m.d10_EL = 10;
  d.milit.d100_maintype = 100, d.milit.d10_NonHumanM = 10, d.milit.d100_NHM_type = 75, d.milit.d100_sub_type = sub_type;
  return d;
}

TEST(LongestTexts, MagicalCodedScrollOfAnotherRaceWithThreePowers) {
  // A coded treasure and spell scroll worth 2 * 5 * 20 + 2, its map of roll 5 + 14
  // made accurate: 302 characters, broken at the last blanks by 239, 159 and 79.
  all_dice d = three_powers(0, 90, 35);
  other_dice &o = d.other;
  o.d10_book_kind = 10, o.d10_scroll_kind = 7, o.d100_scroll = 100, o.d100_coded = 100, o.d6_a2_EL = 8;
  o.d10_alignment = 8, o.d10_2_medicEL = 20, o.d6_scrollmap = 5, o.d100_map_accu = 100;
  EXPECT_EQ(magic_main(&d), 4);
  EXPECT_EQ(std::string(con_trs_txt),
            "Magical 1 Other race's Militairy Coded Scroll : Treasure and Spell Scroll, 1 EL\n"
            "     8 Balance spell, value 202.0 GC, 1500 GC Treasure Map, 50.0 GC, accurate, Total\n"
            "     Immunity to Two Powers, roll manually, Total Immunity to Two Powers, roll\n"
            "     manually, Total Immunity to Two Powers, roll manually, MEL 12  EL 6\n");
}

TEST(LongestTexts, EveryMilitaryAndMagicRowArrivesWhole) {
  text_check military;
  for (int profile = 0; profile < PROFILES; ++profile) walk_military(extreme_dice(profile), milit_main, military);
  EXPECT_EQ(military.failures, 0);
  EXPECT_GT(military.longest, 120u);  // the long supplies: one line whatever the length
  int32_t magic_dice::*const slots[] = {&magic_dice::d100_other_3_1, &magic_dice::d100_other_3_2, &magic_dice::d100_other_3_3};
  text_check check{.first_max = 79};  // magic texts break at or before 79
  for (int profile = 0; profile < PROFILES; ++profile) {
    // Every row with each single power (military rows with modifiers at and past
    // their bounds), and every count of powers with each slot on every row.
    for (int maintype = 1; maintype <= 100; ++maintype)
      for (int mods = 0; mods < (maintype >= 76 && maintype <= 90 ? 9 : 1); ++mods)
        for (int row = 1; row <= 100; ++row) {
          all_dice d = extreme_dice(profile);
          magic_dice &m = d.magic;
          m.d100_maintype = maintype, m.d100_subtype = row;
          m.d100_HCM = 75 + (mods & 1), m.d100_DAM = 50 + (mods >> 1 & 1), m.d100_othermagic = 40 + (mods >> 2 & 1);
          check(magic_main(&d), "magic", d);
          d = extreme_dice(profile);
          m.d100_maintype = maintype, m.d100_HCM = 76, m.d100_DAM = 51, m.d100_subtype = 98;
          m.d3star_other_100 = mods / 3 + 1, m.*slots[mods % 3] = row;
          check(magic_main(&d), "powers", d);
        }
    // Every military item under three powers of the longest kind.
    walk_military(three_powers(profile, 76 + profile, 1), magic_main, check);
  }
  EXPECT_EQ(check.failures, 0);
  EXPECT_GT(check.longest, 240u);  // the walk reached texts of three breaks
}
// clang-format on
