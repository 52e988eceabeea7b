// Magical military items: modifiers deciding the item and its powers, the
// power rows, several powers on shifted rows, the keyword-forced magical
// weapon and the EL cap.
#include <gtest/gtest.h>

#include <string>

#include "tr_magic.h"
#include "trtext.h"

namespace {

// No modifier, one power of row 17 ("Protection"), MEL 7 with EL 9 (capped to
// 4); alignment Law, dedication "Slay a Creature", immunity "Iron", curse
// "Physical "; the military table gives one uniform, the weapon table clubs.
all_dice magic_milit_dice() {
  all_dice d{};
  magic_dice &m = d.magic;
  m.d100_maintype = 76;
  m.d100_subtype = 17;
  m.d6_2_MEL = 7;
  m.d10_EL = 9;
  m.d6_2_alignment = 8;
  m.d100_immunity = 14;
  m.d100_total_imm = 1;
  m.d100_dedication = 1;
  m.d3star_curse = 2;
  m.d100_HCM = 76;
  m.d100_DAM = 51;
  m.d100_othermagic = 100;
  m.d3star_other_100 = 1;
  d.milit = {71, 1, 1, 1, 72, 7, 15};  // one uniform; clubs; sets of 7 or 15
  return d;
}

std::string magic_line(all_dice &d) {
  EXPECT_EQ(magic_main(&d), 1);
  return con_trs_txt;
}

TEST(MagicMilit, ModifiersDecideTheItemAndItsPowers) {
  // No modifier: a counted item of the main military table, always a power.
  all_dice d = magic_milit_dice();
  EXPECT_EQ(magic_line(d), "Magical 1 Uniform(s), Protection, MEL 7  EL 4\n");
  EXPECT_EQ(d.magic.d10_EL, 4);  // the capped EL stays in the record
  d = magic_milit_dice();
  d.magic.d100_HCM = 75;
  d.magic.d100_othermagic = 41;
  EXPECT_EQ(magic_line(d),
            "Magical Club(s), Hit Chance modifier, MEL 7  EL 4\n");
  d = magic_milit_dice();
  d.magic.d100_HCM = 1;
  d.magic.d100_DAM = 50;
  d.magic.d100_othermagic = 40;
  EXPECT_EQ(magic_line(d),
            "Magical Club(s), Hit Chance modifier, Damage modifier, "
            "Protection, MEL 7  EL 4\n");
}

TEST(MagicMilit, PowerRows) {
  const std::pair<int, const char *> rows[] = {
      {1, "Immunity to Iron"},
      {10, "Immunity to Iron"},
      {11, "Communicate"},
      {30, "Protection"},
      {31, "Mana Sensing"},
      {42, "Mana Resistance"},
      {43, "Alignment Tie to Law"},
      {65, "Attribute Effect"},
      {66, "Special Attribute"},
      {72, "Special Ban"},
      {73, "Knowledge"},
      {74, "Physical Curse"},
      {75, "Creature Tie"},
      {90, "Magic Power, alignment Law"},
      {91, "Dedication to Slay a Creature"},
      {96, "Other Power"},
      {97, "Intelligent, alignment Law, dedicated to Slay a Creature"}};
  for (const auto &[subtype, power] : rows) {
    all_dice d = magic_milit_dice();
    d.magic.d100_subtype = subtype;
    trs_clear();
    magic_milit(&d);
    EXPECT_EQ(std::string(con_trs_txt),
              std::string("1 Uniform(s), ") + power + ", MEL 7  EL 4")
        << subtype;
  }
}

TEST(MagicMilit, SeveralPowersTakeShiftedRows) {
  // 1 - 5 = -4 is an immunity (here a total one), 79 - 5 = 74 a curse,
  // 100 - 5 = 95 another power; MEL 12 with EL 10 capped to 6.
  all_dice d = magic_milit_dice();
  d.magic.d100_subtype = 98;
  d.magic.d3star_other_100 = 3;
  d.magic.d100_other_3_1 = 1;
  d.magic.d100_other_3_2 = 79;
  d.magic.d100_other_3_3 = 100;
  d.magic.d100_immunity = 100;
  d.magic.d6_2_MEL = 12;
  d.magic.d10_EL = 10;
  d.milit.d100_maintype = 51;
  EXPECT_EQ(magic_main(&d), 2);
  EXPECT_EQ(std::string(con_trs_txt),
            "Magical 1 Flag(s), Total Immunity to Two Powers, roll manually, "
            "Physical Curse,\n     Other Power, MEL 12  EL 6\n");
  // Two powers: 15 - 5 = 10 and 16 - 5 = 11; the third row is not read.
  d = magic_milit_dice();
  d.magic.d100_subtype = 100;
  d.magic.d3star_other_100 = 2;
  d.magic.d100_other_3_1 = 15;
  d.magic.d100_other_3_2 = 16;
  d.magic.d100_other_3_3 = 74;
  EXPECT_EQ(magic_line(d),
            "Magical 1 Uniform(s), Immunity to Iron, Communicate, MEL 7  EL "
            "4\n");
}

TEST(MagicMilit, MagicWeaponKeywordNamesACountedWeapon) {
  // "L3_MAGICWEAPON": magic row 80, military row 1; without a modifier the
  // weapon is counted (d10 4 + 2 gives 2).
  all_dice d = magic_milit_dice();
  d.magic.d100_maintype = 80;
  d.milit.d100_maintype = 1;
  d.milit.d10_NumberFound = 4;
  d.milit.d100_sub_type = 53;
  d.magic.d100_subtype = 36;
  EXPECT_EQ(magic_line(d),
            "Magical 2 Set(s) of Arrows (7 each), Mana Resistance, MEL 7  EL "
            "4\n");
}

}  // namespace
