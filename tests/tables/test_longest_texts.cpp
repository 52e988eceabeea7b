// Whole texts and true line counts: a walk over the rows of the other,
// military and magic tables and the goods they reach, the remaining dice at
// their ends.
#include "table_tests.h"

// A magical military item of another race without modifier and with three
// total immunities (rows 1, 8 and 15, each less 5), MEL 12 with EL 10.
static dice_record three_powers(int profile, int maintype, int sub_type) {
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
  text_check check, magic{.first_max = 79};  // magic texts break by 79
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
        magic(magic_main(out, &d), "magic");
        powers.milit.d100_race_item = main, powers.other = o;
        magic(magic_main(out, &powers), "powers");
      }
  EXPECT_EQ(check.failures, 0);
  EXPECT_GT(check.longest, 100u);  // long supplies and goods stay one piece
  EXPECT_EQ(magic.failures, 0);
  EXPECT_GT(magic.longest, 240u);  // the walk reached texts of three breaks
}
