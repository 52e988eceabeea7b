// Manufactured magic item families: the EL cap, the power rows that read a
// list, the ounces of the potion family, total immunity and negation, and the
// levels and items of named and special items.
#include <gtest/gtest.h>

#include "support/table_tests.h"
#include "tr_magic.h"

namespace {

// Rolls that name every list distinctly: cure 10, immunity 42, alignment 12,
// curse 2, detection 88; MEL 5 with EL 2 (under the cap of 3); 14 ounces.
all_dice family_dice(int subtype) {
  all_dice d{};
  magic_dice &m = d.magic;
  m.d100_subtype = subtype, m.d6_2_MEL = 5, m.d10_EL = 2;
  m.d10_2_potion_amount = 14, m.d6_2_cure = 10, m.d100_immunity = 42;
  m.d100_total_imm = 50, m.d6_2_alignment = 12, m.d3star_curse = 2;
  m.d100_detection = 88;
  return d;
}

std::string run(void (*family)(all_dice_ptr), all_dice &d) {
  return text_of([&] { family(&d); });
}

TEST(MagicFamily, ElCapIsWrittenBackIntoTheRecordAndStated) {
  const struct {
    int mel, el, capped;
  } cases[] = {{3, 9, 2}, {3, 1, 1}, {2, 10, 1},  {7, 10, 4},
               {7, 4, 4}, {7, 3, 3}, {12, 10, 6}, {12, 5, 5}};
  for (const auto &c : cases) {
    all_dice d = family_dice(35);
    d.magic.d6_2_MEL = c.mel;
    d.magic.d10_EL = c.el;
    EXPECT_EQ(run(magic_aepp, d), "Luck, MEL " + std::to_string(c.mel) +
                                      "  EL " + std::to_string(c.capped) +
                                      ", 14 ounces");
    EXPECT_EQ(d.magic.d10_EL, c.capped) << c.mel << " " << c.el;
    EXPECT_EQ(d.magic.d6_2_MEL, c.mel);
  }
}

// clang-format off
TEST(MagicFamily, PowerRowsContainerContentsAndTotalImmunity) {
  // The ends of each family's table and the rows that read a power list; a
  // container's content (message 1) leaves the ounces out; immunity 100
  // reads the total roll less one.
  const struct { void (*family)(all_dice_ptr); int subtype; const char *power; int immunity = 42, total_imm = 50, message = 0; } cases[] = {
      {magic_aepp,   1, "Cure Disease and Plague"},       {magic_aepp,  21, "Immunity to Telepathic Powers"},
      {magic_aepp,  35, "Luck"},                          {magic_aepp,  80, "Repel or Banish Sidh Elder"},
      {magic_aepp,  96, "Physical Curse"},                {magic_aepp,  97, "Detection of Poison"},
      {magic_aepp, 100, "Detection of Poison"},
      {magic_jtsw,   1, "Cure Disease and Plague"},       {magic_jtsw,  23, "Alignment Tie to Sidh Elder"},
      {magic_jtsw,  45, "Repel or Banish Sidh Elder"},    {magic_jtsw,  51, "Detection of Poison"},
      {magic_jtsw,  66, "Physical Curse"},                {magic_jtsw,  76, "Negation of Telepathic Powers"},
      {magic_jtsw,  86, "Ward Pact"},                     {magic_jtsw,  87, "Magic Power, alignment Sidh Elder"},
      {magic_jtsw,  99, "Family Spell, alignment Sidh Elder"}, {magic_jtsw, 100, "Family Spell, alignment Sidh Elder"},
      {magic_other,  1, "Detection of Poison"},           {magic_other,  6, "Cure Disease and Plague"},
      {magic_other, 88, "Repel or Banish Sidh Elder"},    {magic_other, 93, "Physical Curse"},
      {magic_other, 100, "Other Power"},
      {magic_aepp, 61, "Attribute Effect", 42, 1, 1},     {magic_aepp, 61, "Attribute Effect", 42, 1, 0},
      {magic_aepp, 21, "Total Immunity to Two Powers, roll manually", 100, 1},
      {magic_aepp, 30, "Total Immunity to Storm Powers", 100, 2},
      {magic_aepp, 30, "Total Immunity to Other Powers", 100, 100},
      {magic_aepp, 21, "Immunity to Other Powers", 99, 1},
      {magic_jtsw, 76, "Total Negation of Two Powers, roll manually", 100, 1},
      {magic_jtsw, 82, "Negation of Other Powers", 99, 1},
  };
  for (const auto &c : cases) {
    all_dice d = family_dice(c.subtype);
    d.magic.d100_immunity = c.immunity, d.magic.d100_total_imm = c.total_imm, d.message = c.message;
    const bool ounces = c.family == magic_aepp && c.message == 0;
    EXPECT_EQ(run(c.family, d), c.power + std::string(ounces ? ", MEL 5  EL 2, 14 ounces" : ", MEL 5  EL 2")) << c.subtype;
  }
}

TEST(MagicNamed, LevelsAndItemWeaponAndArmorRows) {
  // MEL at least 8, EL at most half the MEL.
  const struct { int r_magic, mel, el, r_extra; const char *text; } cases[] = {
      {40,  2, 10,   1, "Staff, MEL 8  EL 4"},   {40,  5,  7,  1, "Staff, MEL 10  EL 5"},
      {40,  6,  1,   1, "Staff, MEL 12  EL 4"},  {40, 12,  9,  1, "Staff, MEL 24  EL 12"},
      {40, 12,  8,   1, "Staff, MEL 24  EL 11"}, { 0,  6,  2,  1, "Sword, MEL 12  EL 5"},
      {30,  6,  2,  11, "Fighting Dagger, MEL 12  EL 5"}, {1, 6, 2, 100, "Tulwar, MEL 12  EL 5"},
      {31,  6,  2,  50, "Staff, MEL 12  EL 5"},  {46,  6,  2, 50, "Talisman, MEL 12  EL 5"},
      {56,  6,  2,   1, "Buckler, MEL 12  EL 5"}, {70, 6,  2, 90, "Metal Helmet, MEL 12  EL 5"},
      {56,  6,  2,  91, "Metal Helm, MEL 12  EL 5"}, {71, 6, 2, 50, "Jeweled Item, MEL 12  EL 5"},
      {91,  6,  2,  50, "Other Item, MEL 12  EL 5"}, {101, 6, 2, 50, "Other Item, MEL 12  EL 5"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(text_of([&] { magic_named(c.r_magic, c.mel, c.el, c.r_extra); }), c.text) << c.r_magic;
  // From the main table the record's EL is left alone.
  all_dice d{};
  d.magic.d100_maintype = 50, d.magic.d100_subtype = 80, d.magic.d6_2_MEL = 2, d.magic.d10_EL = 10;
  magic_main(&d);
  EXPECT_STREQ(con_trs_txt, "Named Item : Jeweled Item, MEL 8  EL 4\n");
  EXPECT_EQ(d.magic.d10_EL, 10);
}

TEST(MagicSpecial, MelAtLeast11AndElBetween6AndHalfMel) {
  const struct { int mel, el; const char *text; } cases[] = {
      {2, 1, ", MEL 11  EL 6"}, {5, 10, ", MEL 11  EL 6"}, {6, 10, ", MEL 12  EL 6"}, {6, 3, ", MEL 12  EL 6"},
      {9, 5, ", MEL 18  EL 8"}, {9, 10, ", MEL 18  EL 9"}, {12, 10, ", MEL 24  EL 12"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(text_of([&] { magic_special(c.mel, c.el); }), c.text) << c.mel << " " << c.el;
}
// clang-format on

}  // namespace
