// roll_dice: one fresh roll for every field of the dice record. The order of
// the draws fixes which generator value lands in which field, so a seed
// reproduces a report; keep it in declaration order.
#include "dice.h"

namespace {

// The record's generator values, drawn in one go before the fields are
// rolled, taken in order.
struct drawn {
  const int *values;
  int next(int) { return *values++; }
};
using record_dice = dice_over<drawn>;

template <typename Dice>
void roll_metal(metal_dice &m, Dice &v) {
  m.d100_metal = v.d100();
  m.d10_type = v.d10();
  m.d10_val1 = v.d10();
  m.d10_val2 = v.d10();
  m.d10_val3 = v.d10();
  m.d6_val1 = v.d6();
  m.d6_val2 = v.d6();
  m.d6_val3 = v.d6();
}

template <typename Dice>
void roll_other(other_dice &o, Dice &v) {
  o.d100_maintype = v.d100();
  o.d100_excep_1 = v.d100();
  o.d100_excep_2 = v.d100();
  o.d6_2_exc_qualmult = v.two_d6();
  o.d10_unread = v.d10();
  o.d100_exc_sizemult = v.d100();
  o.d10_exc_sizesl = v.d10();
  o.d10_2_statueval = v.two_d10();
  o.d10_misc_amount = v.d10();
  o.d6_2_misc_val = v.two_d6();
  o.d3star_amount_class = v.d3_star();
  o.d6_amount_1 = v.d6();
  o.d6_amount_2 = v.d6();
  o.d10_keg_fill = v.d10();
  o.d100_keg_size = v.d100();
  o.d100_keg_material = v.d100();
  o.d10_furniture = v.d10();
  o.d10_3_fur_value = v.three_d10();
  o.d10_fur_kind = v.d10();
  o.d6_cov_width = v.d6();
  o.d10_2_plus_4_cov_length = v.two_d10() + 4;
  o.d10_crystal = v.d10();
  o.d10_glass_size = v.d10();
  o.d10_2_art_value = v.two_d10();
  o.d10_art_magic = v.d10();
  o.d6_clothes = v.d6();
  o.d100_cloth_length = v.d100();
  o.d100_cloth_value = v.d100();
  o.d10_book_kind = v.d10();
  o.d100_book = v.d100();
  o.d6_plus_1_exc_quality = v.d6() + 1;
  o.d6_numspell = v.d6();
  o.d6_plus_2_EL = v.d6() + 2;
  o.d10_alignment = v.d10();
  o.d10_scroll_kind = v.d10();
  o.d100_scroll = v.d100();
  o.d10_2_map = v.two_d10();
  o.d10_map_area = v.d10();
  o.d100_map_accu = v.d100();
  o.d10_2_scroll_number = v.two_d10();
  o.d6_scrollmap = v.d6();
  o.d100_coded = v.d100();
}

template <typename Dice>
void roll_milit(milit_dice &m, Dice &v) {
  m.d100_maintype = v.d100();
  m.d10_count = v.d10();
  m.d10_race = v.d10();
  m.d100_race_item = v.d100();
  m.d100_sub_type = v.d100();
  m.d6_2_amount = v.two_d6();
  m.d10_2_amount = v.two_d10();
}

template <typename Dice>
void roll_gems(gems_dice &g, Dice &v) {
  g.d3star_kind = v.d3_star();
  g.d10_size = v.d10();
  g.d10_appearance = v.d10();
  g.d10_clarity = v.d10();
  g.d100_name = v.d100();
  g.d10_starform = v.d10();
  g.d100_value = v.d100();
}

template <typename Dice>
void roll_magic(magic_dice &m, Dice &v) {
  m.d100_maintype = v.d100();
  m.d100_subtype = v.d100();
  m.d6_2_MEL = v.two_d6();
  m.d10_EL = v.d10();
  m.d10_2_potion_amount = v.two_d10();
  m.d6_2_cure = v.two_d6();
  m.d6_2_alignment = v.two_d6();
  m.d100_detection = v.d100();
  m.d100_immunity = v.d100();
  m.d100_total_imm = v.d100();
  m.d100_dedication = v.d100();
  m.d3star_curse = v.d3_star();
  m.d3star_NMI_type = v.d3_star();
  m.d10_2_NMI_amount = v.two_d10();
  m.d2star_NMI_amount = v.d2_star();
  m.d100_HCM = v.d100();
  m.d100_DAM = v.d100();
  m.d100_othermagic = v.d100();
  m.d3star_power_count = v.d3_star();
  m.d100_power_1 = v.d100();
  m.d100_power_2 = v.d100();
  m.d100_power_3 = v.d100();
  m.d100_named_sub = v.d100();
}

template <typename Dice>
void roll_coins(coins_dice &c, Dice &v) {
  c.d100_amount = v.d100();
  c.d10_kind = v.d10();
  c.d10_num = v.d10();
  c.d10_2_num = v.two_d10();
  c.d100_num = v.d100();
  c.d6_2_num = v.two_d6();
}

template <typename Dice>
void roll_record(dice_record &dice, Dice &v) {
  roll_metal(dice.metal, v);
  roll_other(dice.other, v);
  roll_milit(dice.milit, v);
  roll_gems(dice.gems, v);
  roll_magic(dice.magic, v);
  roll_coins(dice.coins, v);
  dice.in_container = 0;
}

}  // namespace

void roll_dice(dice_record &dice) {
  // A test's source is asked die by die, so it learns each field's faces;
  // the generator gives the record's values in one go.
  if (g_dice.source) [[unlikely]] {
    one_by_one v;
    return roll_record(dice, v);
  }
  int values[DICE_PER_RECORD];
  draw_values(values, DICE_PER_RECORD);
  record_dice v{{values}};
  roll_record(dice, v);
}
