// Manufactured magic item families: the EL cap, power rows reading a list, the
// ounces of potions, total immunity and negation, named and special items.
#include "table_tests.h"
#include "tr_magic.h"

// clang-format off
// Rolls that name every list distinctly: cure 10, immunity 42, alignment 12,
// curse 2, detection 88; MEL 5 with EL 2 (under the cap of 3); 14 ounces.
static all_dice family_dice(int subtype) {
  all_dice d{};
  magic_dice &m = d.magic;
  m.d100_subtype = subtype, m.d6_2_MEL = 5, m.d10_EL = 2, m.d10_2_potion_amount = 14, m.d6_2_cure = 10;
  m.d100_immunity = 42, m.d100_total_imm = 50, m.d6_2_alignment = 12, m.d3star_curse = 2, m.d100_detection = 88;
  return d;
}

TEST(MagicFamily, ElCapPowerRowsContainerContentsAndTotalImmunity) {
  // Each family's table ends and list rows; a container's content (message 1)
  // leaves the ounces out; immunity 100 reads the total roll less one; the EL
  // cap (half the MEL rounded up) is written back into the record.
  const struct { void (*family)(all_dice_ptr); int subtype; const char *power; int immunity = 42, total_imm = 50, message = 0, mel = 5, el = 2, capped = 2; } cases[] = {
      {magic_aepp,  35, "Luck", 42, 50, 0, 3, 9, 2}, {magic_aepp, 35, "Luck", 42, 50, 0, 2, 10, 1}, {magic_aepp, 35, "Luck", 42, 50, 0, 7, 10, 4},
      {magic_aepp,  35, "Luck", 42, 50, 0, 7, 4, 4}, {magic_jewel_talisman_wand_staff, 86, "Ward Pact", 42, 50, 0, 7, 3, 3}, {magic_other_treasure, 100, "Other Power", 42, 50, 0, 12, 10, 6},
      {magic_aepp,   1, "Cure Disease and Plague"},       {magic_aepp,  21, "Immunity to Telepathic Powers"},
      {magic_aepp,  80, "Repel or Banish Sidh Elder"},    {magic_aepp,  96, "Physical Curse"},
      {magic_aepp,  97, "Detection of Poison"},           {magic_aepp,  61, "Attribute Effect", 42, 1, 1},
      {magic_jewel_talisman_wand_staff,   1, "Cure Disease and Plague"},       {magic_jewel_talisman_wand_staff,  45, "Repel or Banish Sidh Elder"},
      {magic_jewel_talisman_wand_staff,  51, "Detection of Poison"},           {magic_jewel_talisman_wand_staff,  66, "Physical Curse"},
      {magic_jewel_talisman_wand_staff,  76, "Negation of Telepathic Powers"},
      {magic_jewel_talisman_wand_staff,  87, "Magic Power, alignment Sidh Elder"}, {magic_jewel_talisman_wand_staff, 99, "Family Spell, alignment Sidh Elder"},
      {magic_other_treasure,  1, "Detection of Poison"},           {magic_other_treasure,  6, "Cure Disease and Plague"},
      {magic_other_treasure, 88, "Repel or Banish Sidh Elder"},    {magic_other_treasure, 93, "Physical Curse"},
      {magic_aepp,  30, "Total Immunity to Storm Powers", 100, 2}, {magic_aepp, 30, "Total Immunity to Other Powers", 100, 100},
      {magic_jewel_talisman_wand_staff,  76, "Total Negation of Two Powers, roll manually", 100, 1}, {magic_jewel_talisman_wand_staff, 82, "Negation of Other Powers", 99, 1},
  };
  for (const auto &c : cases) {
    all_dice d = family_dice(c.subtype);
    d.magic.d100_immunity = c.immunity, d.magic.d100_total_imm = c.total_imm, d.message = c.message, d.magic.d6_2_MEL = c.mel, d.magic.d10_EL = c.el;
    const bool ounces = c.family == magic_aepp && c.message == 0;
    const std::string levels = ", MEL " + std::to_string(c.mel) + "  EL " + std::to_string(c.capped);
    EXPECT_EQ(text_of([&] { c.family(&d); }), c.power + levels + (ounces ? ", 14 ounces" : "")) << c.subtype;
    EXPECT_EQ(d.magic.d10_EL, c.capped) << c.subtype;
    EXPECT_EQ(d.magic.d6_2_MEL, c.mel);
  }
}

TEST(MagicNamedAndSpecial, LevelsAndItemWeaponAndArmorRows) {
  // Named: MEL at least 8, EL at most half the MEL.
  const struct { int r_magic, mel, el, r_extra; const char *text; } named[] = {
      {40,  2, 10,   1, "Staff, MEL 8  EL 4"},   {40,  6,  1,  1, "Staff, MEL 12  EL 4"},   {40, 12,  9,  1, "Staff, MEL 24  EL 12"},
      { 0,  6,  2,   1, "Sword, MEL 12  EL 5"},  {30,  6,  2, 11, "Fighting Dagger, MEL 12  EL 5"}, {1, 6, 2, 100, "Tulwar, MEL 12  EL 5"},
      {31,  6,  2,  50, "Staff, MEL 12  EL 5"},  {46,  6,  2, 50, "Talisman, MEL 12  EL 5"}, {56, 6, 2,  1, "Buckler, MEL 12  EL 5"},
      {70,  6,  2,  90, "Metal Helmet, MEL 12  EL 5"}, {56, 6, 2, 91, "Metal Helm, MEL 12  EL 5"},
      {71,  6,  2,  50, "Jeweled Item, MEL 12  EL 5"}, {91, 6, 2, 50, "Other Item, MEL 12  EL 5"},
  };
  for (const auto &c : named) EXPECT_EQ(text_of([&] { magic_named(c.r_magic, c.mel, c.el, c.r_extra); }), c.text) << c.r_magic;
  // Special: MEL at least 11, EL between 6 and half the MEL.
  const struct { int mel, el; const char *text; } special[] = {
      {2, 1, ", MEL 11  EL 6"}, {5, 10, ", MEL 11  EL 6"}, {6, 10, ", MEL 12  EL 6"}, {9, 5, ", MEL 18  EL 8"}, {9, 10, ", MEL 18  EL 9"},
  };
  for (const auto &c : special) EXPECT_EQ(text_of([&] { magic_special(c.mel, c.el); }), c.text) << c.mel << " " << c.el;
  // From the main table the record's EL is left alone.
  all_dice d{};
  d.magic.d100_maintype = 50, d.magic.d100_subtype = 80, d.magic.d6_2_MEL = 2, d.magic.d10_EL = 10;
  EXPECT_EQ(magic_main(&d), 1);
  EXPECT_STREQ(con_trs_txt, "Named Item : Jeweled Item, MEL 8  EL 4\n");
  EXPECT_EQ(d.magic.d10_EL, 10);
}
// clang-format on
