// Magical military items: the modifiers decide the item and whether it has
// powers; several powers read shifted rows; the EL is capped.
#include "table_tests.h"
#include "tr_magic.h"

using setter = void (*)(magic_dice &, milit_dice &);

TEST(MagicMilit, ModifiersPickTheWeaponAndSeveralPowersReadRowsLessFive) {
  // Unless set: no modifier, power row 17 (Protection), MEL 7 with EL 9
  // (capped to 4), Law, Slay a Creature; one uniform, or clubs.
  // clang-format off
  const struct { setter set; int lines; const char *text; } cases[] = {
      {[](magic_dice &, milit_dice &) {}, 1, "Magical 1 Uniform(s), Protection, MEL 7  EL 4\n"},
      {[](magic_dice &m, milit_dice &) { m.d100_HCM = 75, m.d100_othermagic = 41; }, 1, "Magical Club(s), Hit Chance modifier, MEL 7  EL 4\n"},
      {[](magic_dice &m, milit_dice &) { m.d100_HCM = 1, m.d100_DAM = 50, m.d100_othermagic = 40; }, 1,
       "Magical Club(s), Hit Chance modifier, Damage modifier, Protection, MEL 7  EL 4\n"},
      // 1 - 5 a total immunity, 79 - 5 a curse, 100 - 5 another power; EL 10 capped to 6.
      {[](magic_dice &m, milit_dice &w) {
         m.d100_subtype = 98, m.d3star_power_count = 3, m.d100_immunity = 100, m.d100_power_1 = 1;
         m.d100_power_2 = 79, m.d100_power_3 = 100, m.d6_2_MEL = 12, m.d10_EL = 10, w.d100_maintype = 51; }, 2,
       "Magical 1 Flag(s), Total Immunity to Two Powers, roll manually, Physical Curse,\n     Other Power, MEL 12  EL 6\n"},
      // Two powers: the third is not read.
      {[](magic_dice &m, milit_dice &) {
         m.d100_subtype = 100, m.d3star_power_count = 2, m.d100_power_1 = 102, m.d100_power_2 = 16, m.d100_power_3 = 74; }, 2,
       "Magical 1 Uniform(s), Intelligent, alignment Law, dedicated to Slay a Creature,\n     Communicate, MEL 7  EL 4\n"},
  };
  // clang-format on
  for (const auto &c : cases) {
    dice_record d{};
    magic_dice &m = d.magic;
    m.d100_maintype = 76, m.d100_subtype = 17, m.d6_2_MEL = 7, m.d10_EL = 9;
    m.d6_2_alignment = 8, m.d100_immunity = 14, m.d100_total_imm = 1;
    m.d100_dedication = 1, m.d3star_curse = 2, m.d100_HCM = 76;
    m.d100_DAM = 51, m.d100_othermagic = 100, m.d3star_power_count = 1;
    d.milit = {71, 1, 1, 1, 72, 7, 15};
    c.set(d.magic, d.milit);
    EXPECT_EQ(magic_main(out, &d), c.lines) << c.text;
    EXPECT_STREQ(out.text(), c.text);
  }
}
