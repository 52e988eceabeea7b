// Manufactured magic item families: the EL cap, the MEL and EL part, the
// immunity and curse entries, each family's power rows, the ounces of the
// potion family, and the levels of named and special items.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tr_magic.h"
#include "trtext.h"

namespace {

// Rolls that name every list distinctly: cure 10, immunity 42, alignment 12,
// curse 2, detection 88; MEL 5 with EL 2 (under the cap of 3); 14 ounces.
all_dice family_dice(int subtype) {
  all_dice d{};
  d.magic.d100_subtype = subtype;
  d.magic.d6_2_MEL = 5;
  d.magic.d10_EL = 2;
  d.magic.d10_2_potion_amount = 14;
  d.magic.d6_2_cure = 10;
  d.magic.d100_immunity = 42;
  d.magic.d100_total_imm = 50;
  d.magic.d6_2_alignment = 12;
  d.magic.d3star_curse = 2;
  d.magic.d100_detection = 88;
  return d;
}

std::string run_family(void (*family)(all_dice_ptr), all_dice &d) {
  trs_clear();
  family(&d);
  return con_trs_txt;
}

struct power_case {
  int lo, hi;
  const char *power;
};

void expect_powers(void (*family)(all_dice_ptr), const std::string &tail,
                   const std::vector<power_case> &rows) {
  for (const power_case &row : rows) {
    for (int subtype : {row.lo, row.hi}) {
      all_dice d = family_dice(subtype);
      EXPECT_EQ(run_family(family, d), row.power + tail) << subtype;
    }
  }
}

TEST(MagicFamily, ElCapIsWrittenBackIntoTheRecord) {
  const struct {
    int mel, el, capped;
  } cases[] = {{3, 9, 2}, {3, 1, 1}, {2, 10, 1},  {2, 1, 1},  {7, 10, 4},
               {7, 4, 4}, {7, 3, 3}, {12, 10, 6}, {12, 6, 6}, {12, 5, 5}};
  for (const auto &c : cases) {
    all_dice d{};
    d.magic.d6_2_MEL = c.mel;
    d.magic.d10_EL = c.el;
    magic_el_cap(&d);
    EXPECT_EQ(d.magic.d10_EL, c.capped) << c.mel << " " << c.el;
    EXPECT_EQ(d.magic.d6_2_MEL, c.mel);
  }
}

TEST(MagicFamily, PotionStatesTheCappedEl) {
  all_dice d = family_dice(35);
  d.magic.d6_2_MEL = 3;
  d.magic.d10_EL = 9;
  EXPECT_EQ(run_family(magic_aepp, d), "Luck, MEL 3  EL 2, 14 ounces");
  EXPECT_EQ(d.magic.d10_EL, 2);
  d.magic.d10_EL = 1;
  EXPECT_EQ(run_family(magic_aepp, d), "Luck, MEL 3  EL 1, 14 ounces");
}

TEST(MagicFamily, MelElPartHasTwoBlanksBeforeEl) {
  trs_clear();
  trs_append("Staff");
  magic_mel_el(24, 12);
  EXPECT_STREQ(con_trs_txt, "Staff, MEL 24  EL 12");
}

TEST(MagicFamily, PotionPowerRows) {
  expect_powers(magic_aepp, ", MEL 5  EL 2, 14 ounces",
                {{1, 20, "Cure Disease and Plague"},
                 {21, 30, "Immunity to Telepathic Powers"},
                 {31, 34, "Communicate"},
                 {35, 35, "Luck"},
                 {36, 45, "Protection"},
                 {46, 50, "Mana Sensing"},
                 {51, 55, "Mana Reading"},
                 {56, 60, "Mana Resistance"},
                 {61, 75, "Attribute Effect"},
                 {76, 80, "Repel or Banish Sidh Elder"},
                 {81, 83, "Attraction"},
                 {84, 90, "Influence"},
                 {91, 95, "Wealth"},
                 {96, 96, "Physical Curse"},
                 {97, 100, "Detection of Poison"}});
}

TEST(MagicFamily, ContainerContentLeavesOuncesOut) {
  all_dice d = family_dice(61);
  d.message = 1;
  EXPECT_EQ(run_family(magic_aepp, d), "Attribute Effect, MEL 5  EL 2");
  d.message = 0;
  EXPECT_EQ(run_family(magic_aepp, d),
            "Attribute Effect, MEL 5  EL 2, 14 ounces");
}

TEST(MagicFamily, JeweledItemPowerRowsStateNoAmount) {
  expect_powers(magic_jtsw, ", MEL 5  EL 2",
                {{1, 5, "Cure Disease and Plague"},
                 {6, 11, "Communicate"},
                 {12, 18, "Protection"},
                 {19, 22, "Mana Resistance"},
                 {23, 29, "Alignment Tie to Sidh Elder"},
                 {30, 40, "Attribute Effect"},
                 {41, 45, "Repel or Banish Sidh Elder"},
                 {46, 50, "Special Attribute"},
                 {51, 57, "Detection of Poison"},
                 {58, 65, "Creature Tie"},
                 {66, 66, "Physical Curse"},
                 {67, 75, "Summoning"},
                 {76, 82, "Negation of Telepathic Powers"},
                 {83, 85, "Familiar"},
                 {86, 86, "Ward Pact"},
                 {87, 98, "Magic Power, alignment Sidh Elder"},
                 {99, 100, "Family Spell, alignment Sidh Elder"}});
}

TEST(MagicFamily, OtherTreasurePowerRows) {
  expect_powers(magic_other, ", MEL 5  EL 2",
                {{1, 5, "Detection of Poison"},
                 {6, 15, "Cure Disease and Plague"},
                 {16, 30, "Communicate"},
                 {31, 55, "Protection"},
                 {56, 65, "Attribute Effect"},
                 {66, 80, "Enhanced"},
                 {81, 88, "Repel or Banish Sidh Elder"},
                 {89, 92, "Influence"},
                 {93, 93, "Physical Curse"},
                 {94, 100, "Other Power"}});
}

TEST(MagicFamily, TotalImmunityAndTotalNegation) {
  const struct {
    void (*family)(all_dice_ptr);
    int subtype, immunity, total_imm;
    const char *text;
  } cases[] = {
      {magic_aepp, 21, 100, 1,
       "Total Immunity to Two Powers, roll manually, MEL 5  EL 2, 14 ounces"},
      {magic_aepp, 30, 100, 2,
       "Total Immunity to Storm Powers, MEL 5  EL 2, 14 ounces"},
      {magic_aepp, 30, 100, 100,
       "Total Immunity to Other Powers, MEL 5  EL 2, 14 ounces"},
      {magic_aepp, 21, 99, 1,
       "Immunity to Other Powers, MEL 5  EL 2, 14 ounces"},
      {magic_aepp, 21, 1, 1,
       "Immunity to Storm Powers, MEL 5  EL 2, 14 ounces"},
      {magic_jtsw, 76, 100, 1,
       "Total Negation of Two Powers, roll manually, MEL 5  EL 2"},
      {magic_jtsw, 82, 100, 90, "Total Negation of Detection, MEL 5  EL 2"},
      {magic_jtsw, 82, 99, 1, "Negation of Other Powers, MEL 5  EL 2"},
  };
  for (const auto &c : cases) {
    all_dice d = family_dice(c.subtype);
    d.magic.d100_immunity = c.immunity;
    d.magic.d100_total_imm = c.total_imm;
    EXPECT_EQ(run_family(c.family, d), c.text);
  }
}

TEST(MagicFamily, CurseEntryNamesTheKindThenCurse) {
  const std::pair<int, const char *> cases[] = {
      {1, "Emotional Curse"}, {2, "Physical Curse"}, {3, "Mental Curse"}};
  for (const auto &[curse, text] : cases) {
    all_dice d{};
    d.magic.d3star_curse = curse;
    trs_clear();
    magic_curse_entry(&d);
    EXPECT_STREQ(con_trs_txt, text);
  }
}

std::string named(int r_magic, int r_MEL, int r_EL, int r_extra) {
  trs_clear();
  magic_named(r_magic, r_MEL, r_EL, r_extra);
  return con_trs_txt;
}

TEST(MagicNamed, MelIsAtLeast8AndElAtMostHalfMel) {
  const struct {
    int mel, el;
    const char *levels;
  } cases[] = {
      {2, 10, ", MEL 8  EL 4"},   {3, 1, ", MEL 8  EL 4"},
      {4, 1, ", MEL 8  EL 4"},    {5, 7, ", MEL 10  EL 5"},
      {6, 1, ", MEL 12  EL 4"},   {12, 10, ", MEL 24  EL 12"},
      {12, 9, ", MEL 24  EL 12"}, {12, 8, ", MEL 24  EL 11"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(named(40, c.mel, c.el, 1), std::string("Staff") + c.levels)
        << c.mel << " " << c.el;
}

TEST(MagicNamed, ItemWeaponAndArmorRows) {
  const struct {
    int r_magic, r_extra;
    const char *item;
  } cases[] = {
      {0, 10, "Sword"},
      {30, 1, "Sword"},
      {30, 11, "Fighting Dagger"},
      {1, 15, "Fighting Dagger"},
      {1, 16, "Throwing Dagger"},
      {1, 20, "Throwing Dagger"},
      {1, 21, "Broadsword"},
      {1, 35, "Broadsword"},
      {1, 36, "Bastard Sword"},
      {1, 50, "Bastard Sword"},
      {1, 51, "Great Sword"},
      {1, 70, "Great Sword"},
      {1, 71, "Scimitar"},
      {1, 90, "Scimitar"},
      {1, 91, "Tulwar"},
      {1, 100, "Tulwar"},
      {31, 50, "Staff"},
      {45, 50, "Staff"},
      {46, 50, "Talisman"},
      {55, 50, "Talisman"},
      {56, 1, "Buckler"},
      {70, 5, "Buckler"},
      {56, 6, "Banded Shield"},
      {56, 15, "Banded Shield"},
      {56, 16, "Metal Shield"},
      {56, 20, "Metal Shield"},
      {56, 21, "Scalemail"},
      {56, 30, "Scalemail"},
      {56, 31, "Chainmail"},
      {56, 45, "Chainmail"},
      {56, 46, "Plate Mail"},
      {56, 60, "Plate Mail"},
      {56, 61, "Plate Armor"},
      {56, 70, "Plate Armor"},
      {56, 71, "Metal Helmet"},
      {56, 90, "Metal Helmet"},
      {56, 91, "Metal Helm"},
      {56, 100, "Metal Helm"},
      {71, 50, "Jeweled Item"},
      {90, 50, "Jeweled Item"},
      {91, 50, "Other Item"},
      {100, 50, "Other Item"},
      {101, 50, "Other Item"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(named(c.r_magic, 6, 2, c.r_extra),
              std::string(c.item) + ", MEL 12  EL 5")
        << c.r_magic << " " << c.r_extra;
}

TEST(MagicNamed, MainTableLeavesTheRecordsElAlone) {
  all_dice d{};
  d.magic.d100_maintype = 50;
  d.magic.d100_subtype = 80;
  d.magic.d6_2_MEL = 2;
  d.magic.d10_EL = 10;
  magic_main(&d);
  EXPECT_STREQ(con_trs_txt, "Named Item : Jeweled Item, MEL 8  EL 4\n");
  EXPECT_EQ(d.magic.d10_EL, 10);
}

TEST(MagicSpecial, MelAtLeast11AndElBetween6AndHalfMel) {
  const struct {
    int mel, el;
    const char *text;
  } cases[] = {
      {2, 1, ", MEL 11  EL 6"},  {5, 1, ", MEL 11  EL 6"},
      {5, 10, ", MEL 11  EL 6"}, {6, 10, ", MEL 12  EL 6"},
      {6, 3, ", MEL 12  EL 6"},  {9, 5, ", MEL 18  EL 8"},
      {9, 10, ", MEL 18  EL 9"}, {12, 10, ", MEL 24  EL 12"},
  };
  for (const auto &c : cases) {
    trs_clear();
    magic_special(c.mel, c.el);
    EXPECT_STREQ(con_trs_txt, c.text) << c.mel << " " << c.el;
  }
}

}  // namespace
