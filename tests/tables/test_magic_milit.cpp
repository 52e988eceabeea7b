// Magical military items: modifiers deciding the item and its powers, the power
// rows, several powers on shifted rows, the keyword-forced weapon, the EL cap.
#include "table_tests.h"
#include "tr_magic.h"

// No modifier, power row 17 (Protection), MEL 7 with EL 9 (capped to 4), Law,
// Slay a Creature, Iron, Physical; one uniform from the main table, or clubs.
static all_dice magic_milit_dice() {
  all_dice d{};
  magic_dice &m = d.magic;
  m.d100_maintype = 76, m.d100_subtype = 17, m.d6_2_MEL = 7, m.d10_EL = 9;
  m.d6_2_alignment = 8, m.d100_immunity = 14, m.d100_total_imm = 1;
  m.d100_dedication = 1, m.d3star_curse = 2, m.d100_HCM = 76, m.d100_DAM = 51;
  m.d100_othermagic = 100, m.d3star_other_100 = 1;
  d.milit = {71, 1, 1, 1, 72, 7, 15};  // one uniform; clubs; sets of 7 or 15
  return d;
}

template <typename F>
static std::string magical(F set, int lines = 1) {
  all_dice d = magic_milit_dice();
  set(d.magic, d.milit);
  EXPECT_EQ(magic_main(&d), lines);
  return con_trs_txt;
}

// clang-format off
TEST(MagicMilit, ModifiersSeveralPowersAndTheMagicWeapon) {
  // No modifier: a counted item of the main military table, always a power.
  EXPECT_EQ(magical([](magic_dice &, milit_dice &) {}), "Magical 1 Uniform(s), Protection, MEL 7  EL 4\n");
  EXPECT_EQ(magical([](magic_dice &m, milit_dice &) { m.d100_HCM = 75, m.d100_othermagic = 41; }),
            "Magical Club(s), Hit Chance modifier, MEL 7  EL 4\n");
  EXPECT_EQ(magical([](magic_dice &m, milit_dice &) { m.d100_HCM = 1, m.d100_DAM = 50, m.d100_othermagic = 40; }),
            "Magical Club(s), Hit Chance modifier, Damage modifier, Protection, MEL 7  EL 4\n");
  // "L3_MAGICWEAPON": magic row 80, military row 1, counted without a modifier (4 + 2: 2).
  EXPECT_EQ(magical([](magic_dice &m, milit_dice &w) { m.d100_maintype = 80, m.d100_subtype = 36, w.d100_maintype = 1, w.d10_NumberFound = 4, w.d100_sub_type = 53; }),
            "Magical 2 Set(s) of Arrows (7 each), Mana Resistance, MEL 7  EL 4\n");
  // Several powers: 1 - 5 = -4 is an immunity (here a total one), 79 - 5 = 74
  // a curse, 100 - 5 = 95 another power; MEL 12 with EL 10 capped to 6.
  EXPECT_EQ(magical([](magic_dice &m, milit_dice &w) {
              m.d100_subtype = 98, m.d3star_other_100 = 3, m.d100_immunity = 100, m.d100_other_3_1 = 1;
              m.d100_other_3_2 = 79, m.d100_other_3_3 = 100, m.d6_2_MEL = 12, m.d10_EL = 10, w.d100_maintype = 51;
            }, 2),
            "Magical 1 Flag(s), Total Immunity to Two Powers, roll manually, Physical Curse,\n     Other Power, MEL 12  EL 6\n");
  // Two powers: rows 10 and 11; the third is not read.
  EXPECT_EQ(magical([](magic_dice &m, milit_dice &) { m.d100_subtype = 100, m.d3star_other_100 = 2, m.d100_other_3_1 = 15, m.d100_other_3_2 = 16, m.d100_other_3_3 = 74; }),
            "Magical 1 Uniform(s), Immunity to Iron, Communicate, MEL 7  EL 4\n");
  const struct { int subtype; const char *power; } rows[] = {
      {10, "Immunity to Iron"}, {11, "Communicate"}, {43, "Alignment Tie to Law"}, {72, "Special Ban"}, {73, "Knowledge"},
      {74, "Physical Curse"}, {75, "Creature Tie"}, {90, "Magic Power, alignment Law"}, {91, "Dedication to Slay a Creature"},
      {96, "Other Power"}, {97, "Intelligent, alignment Law, dedicated to Slay a Creature"},
  };
  for (const auto &r : rows) {
    all_dice d = magic_milit_dice();
    d.magic.d100_subtype = r.subtype;
    EXPECT_EQ(text_of([&] { magic_milit(&d); }), std::string("1 Uniform(s), ") + r.power + ", MEL 7  EL 4") << r.subtype;
  }
}
// clang-format on
