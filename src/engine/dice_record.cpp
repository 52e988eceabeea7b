// roll_dice: one fresh roll for every field of the dice record. The order of
// the draws fixes which generator value lands in which field, so a seed
// reproduces a report; keep it in declaration order.
#include "dice.h"

namespace {

void roll_metal(metal_dice &m) {
  m.d100_metal = d100();
  m.d10_type = d10();
  m.d10_val1 = d10();
  m.d10_val2 = d10();
  m.d10_val3 = d10();
  m.d6_val1 = d6();
  m.d6_val2 = d6();
  m.d6_val3 = d6();
}

void roll_other(other_dice &o) {
  o.d100_maintype = d100();
  o.d100_excep_1 = d100();
  o.d100_excep_2 = d100();
  o.d6_2_exc_qualmult = two_d6();
  o.d10_unread = d10();
  o.d100_exc_sizemult = d100();
  o.d10_exc_sizesl = d10();
  o.d10_2_statueval = two_d10();
  o.d10_misc_amount = d10();
  o.d6_2_misc_val = two_d6();
  o.d3star_amount_class = d3_star();
  o.d6_amount_1 = d6();
  o.d6_amount_2 = d6();
  o.d10_keg_fill = d10();
  o.d100_keg_size = d100();
  o.d100_keg_material = d100();
  o.d10_furniture = d10();
  o.d10_3_fur_value = three_d10();
  o.d10_fur_kind = d10();
  o.d6_cov_width = d6();
  o.d10_2_plus_4_cov_length = two_d10() + 4;
  o.d10_crystal = d10();
  o.d10_glass_size = d10();
  o.d10_2_art_value = two_d10();
  o.d10_art_magic = d10();
  o.d6_clothes = d6();
  o.d100_cloth_length = d100();
  o.d100_cloth_value = d100();
  o.d10_book_kind = d10();
  o.d100_book = d100();
  o.d6_plus_1_exc_quality = d6() + 1;
  o.d6_numspell = d6();
  o.d6_plus_2_EL = d6() + 2;
  o.d10_alignment = d10();
  o.d10_scroll_kind = d10();
  o.d100_scroll = d100();
  o.d10_2_map = two_d10();
  o.d10_map_area = d10();
  o.d100_map_accu = d100();
  o.d10_2_scroll_number = two_d10();
  o.d6_scrollmap = d6();
  o.d100_coded = d100();
}

void roll_milit(milit_dice &m) {
  m.d100_maintype = d100();
  m.d10_count = d10();
  m.d10_race = d10();
  m.d100_race_item = d100();
  m.d100_sub_type = d100();
  m.d6_2_amount = two_d6();
  m.d10_2_amount = two_d10();
}

void roll_gemjj(gemjj_dice &g) {
  g.d3star_kind = d3_star();
  g.d10_size = d10();
  g.d10_appearance = d10();
  g.d10_clarity = d10();
  g.d100_name = d100();
  g.d10_starform = d10();
  g.d100_value = d100();
}

void roll_magic(magic_dice &m) {
  m.d100_maintype = d100();
  m.d100_subtype = d100();
  m.d6_2_MEL = two_d6();
  m.d10_EL = d10();
  m.d10_2_potion_amount = two_d10();
  m.d6_2_cure = two_d6();
  m.d6_2_alignment = two_d6();
  m.d100_detection = d100();
  m.d100_immunity = d100();
  m.d100_total_imm = d100();
  m.d100_dedication = d100();
  m.d3star_curse = d3_star();
  m.d3star_NMI_type = d3_star();
  m.d10_2_NMI_amount = two_d10();
  m.d2star_NMI_amount = d2_star();
  m.d100_HCM = d100();
  m.d100_DAM = d100();
  m.d100_othermagic = d100();
  m.d3star_power_count = d3_star();
  m.d100_power_1 = d100();
  m.d100_power_2 = d100();
  m.d100_power_3 = d100();
  m.d100_named_sub = d100();
}

void roll_coins(coins_dice &c) {
  c.d100_amount = d100();
  c.d10_kind = d10();
  c.d10_num = d10();
  c.d10_2_num = two_d10();
  c.d100_num = d100();
  c.d6_2_num = two_d6();
}

}  // namespace

void roll_dice(dice_record &dice) {
  roll_metal(dice.metal);
  roll_other(dice.other);
  roll_milit(dice.milit);
  roll_gemjj(dice.gemjj);
  roll_magic(dice.magic);
  roll_coins(dice.coins);
  dice.in_container = 0;
}
