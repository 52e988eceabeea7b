// roll_dice: one fresh roll for every field of the dice record. The order of
// the draws fixes which generator value lands in which field, so a seed
// reproduces a report; keep it in declaration order.
#include "dice.h"

namespace {

void roll_metal(metal_dice &m) {
  m.d100_metal = D100();
  m.d10_type = D10();
  m.d10_val1 = D10();
  m.d10_val2 = D10();
  m.d10_val3 = D10();
  m.d6_val1 = D6();
  m.d6_val2 = D6();
  m.d6_val3 = D6();
}

void roll_other(other_dice &o) {
  o.d100_maintype = D100();
  o.d100_excep_1 = D100();
  o.d100_excep_2 = D100();
  o.d6_2_exc_qualmult = D2d6();
  o.d10_exc_qualgb = D10();
  o.d100_exc_sizemult = D100();
  o.d10_exc_sizesl = D10();
  o.d10_2_statueval = D2d10();
  o.d10_misc_amount = D10();
  o.d6_2_misc_val = D2d6();
  o.d3star_amount_class = D3star();
  o.d6_amount_1 = D6();
  o.d6_amount_2 = D6();
  o.d10_keg_fill = D10();
  o.d100_keg_size = D100();
  o.d100_keg_material = D100();
  o.d10_furniture = D10();
  o.d10_3_fur_value = D3d10();
  o.d10_fur_kind = D10();
  o.d6_cov_width = D6();
  o.d10_2_a4_cov_length = D2d10() + 4;
  o.d10_crystal = D10();
  o.d10_glass_size = D10();
  o.d10_2_art_value = D2d10();
  o.d10_art_magic = D10();
  o.d6_clothes = D6();
  o.d100_cloth_length = D100();
  o.d100_cloth_value = D100();
  o.d10_book_kind = D10();
  o.d100_book = D100();
  o.d6_a1_book_excq = D6() + 1;
  o.d6_numspell = D6();
  o.d6_a2_EL = D6() + 2;
  o.d10_alignment = D10();
  o.d10_scroll_kind = D10();
  o.d100_scroll = D100();
  o.d10_2_map = D2d10();
  o.d10_map_area = D10();
  o.d100_map_accu = D100();
  o.d10_2_medicEL = D2d10();
  o.d6_scrollmap = D6();
  o.d100_coded = D100();
}

void roll_milit(milit_dice &m) {
  m.d100_maintype = D100();
  m.d10_NumberFound = D10();
  m.d10_NonHumanM = D10();
  m.d100_NHM_type = D100();
  m.d100_sub_type = D100();
  m.d6_2_amount = D2d6();
  m.d10_2_amount = D2d10();
}

void roll_gemjj(gemjj_dice &g) {
  g.d3star_kind = D3star();
  g.d10_size = D10();
  g.d10_appearance = D10();
  g.d10_clarity = D10();
  g.d100_name = D100();
  g.d10_starform = D10();
  g.d100_value = D100();
}

void roll_magic(magic_dice &m) {
  m.d100_maintype = D100();
  m.d100_subtype = D100();
  m.d6_2_MEL = D2d6();
  m.d10_EL = D10();
  m.d10_2_potion_amount = D2d10();
  m.d6_2_cure = D2d6();
  m.d6_2_alignment = D2d6();
  m.d100_detection = D100();
  m.d100_immunity = D100();
  m.d100_total_imm = D100();
  m.d100_dedication = D100();
  m.d3star_curse = D3star();
  m.d3star_NMI_type = D3star();
  m.d10_2_NMI_amount = D2d10();
  m.d2star_NMI_amount = D2star();
  m.d100_HCM = D100();
  m.d100_DAM = D100();
  m.d100_othermagic = D100();
  m.d3star_other_100 = D3star();
  m.d100_other_3_1 = D100();
  m.d100_other_3_2 = D100();
  m.d100_other_3_3 = D100();
  m.d100_named_sub = D100();
}

void roll_coins(coins_dice &c) {
  c.d100_amount = D100();
  c.d10_kind = D10();
  c.d10_num = D10();
  c.d10_2_num = D2d10();
  c.d100_num = D100();
  c.d6_2_num = D2d6();
}

}  // namespace

void roll_dice(all_dice_ptr dice) {
  roll_metal(dice->metal);
  roll_other(dice->other);
  roll_milit(dice->milit);
  roll_gemjj(dice->gemjj);
  roll_magic(dice->magic);
  roll_coins(dice->coins);
  dice->message = 0;
}
