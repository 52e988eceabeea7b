// Manufactured magic item families: the EL cap, the power rows reading their
// lists, the ounces of potions, total immunity and negation, named and
// special items.
#include "table_tests.h"
#include "tr_magic.h"

using family = void (*)(item_result &, dice_record *);

// Cure 10, immunity 42, alignment 12, curse 2, detection 88; MEL 5, EL 2.
static std::string power(family run, int row, int immunity = 42,
                         int total = 50) {
  dice_record d{};
  magic_dice &m = d.magic;
  m.d100_subtype = row, m.d6_2_MEL = 5, m.d10_EL = 2, m.d6_2_cure = 10;
  m.d100_immunity = immunity, m.d100_total_imm = total, m.d6_2_alignment = 12;
  m.d3star_curse = 2, m.d100_detection = 88, m.d10_2_potion_amount = 14;
  return text_of([&] { run(out, &d); });
}

TEST(MagicFamily, PowerRowsReadTheirLists) {
  const family potion = magic_potion_powder_amulet,
               wand = magic_jewel_talisman_wand_staff,
               other = magic_other_treasure;
  const std::string levels = ", MEL 5  EL 2";
  EXPECT_EQ(power(potion, 1),
            "Cure Disease and Plague" + levels + ", 14 ounces");
  EXPECT_EQ(power(potion, 30, 100, 2),
            "Total Immunity to Storm Powers" + levels + ", 14 ounces");
  EXPECT_EQ(power(wand, 45), "Repel or Banish Sidh Elder" + levels);
  EXPECT_EQ(power(wand, 76, 100, 1),
            "Total Negation of Two Powers, roll manually" + levels);
  EXPECT_EQ(power(other, 100), "Other Power" + levels);
}

TEST(MagicFamily, ElIsCappedAtHalfTheMelRoundedUpAndStored) {
  // MEL, EL, capped EL.
  const int cases[][3] = {
      {3, 9, 2}, {2, 10, 1}, {7, 10, 4}, {7, 4, 4}, {12, 10, 6}};
  for (auto [mel, el, capped] : cases) {
    dice_record d{};
    d.magic.d100_subtype = 35, d.magic.d6_2_MEL = mel, d.magic.d10_EL = el;
    magic_potion_powder_amulet(out, &d);
    EXPECT_EQ(d.magic.d10_EL, capped) << mel << " " << el;
  }
}

TEST(MagicNamedAndSpecial, LevelsHaveFloorsAndCaps) {
  const auto named = [](int row, int mel, int el, int piece) {
    return text_of([&] { magic_named(out, row, mel, el, piece); });
  };
  EXPECT_EQ(named(40, 3, 10, 1), "Staff, MEL 8  EL 4");  // MEL at least 8
  EXPECT_EQ(named(40, 12, 9, 1), "Staff, MEL 24  EL 12");
  EXPECT_EQ(named(30, 6, 2, 11), "Fighting Dagger, MEL 12  EL 5");
  const auto special = [](int mel, int el) {
    return text_of([&] { magic_special(out, mel, el); });
  };
  EXPECT_EQ(special(2, 1), ", MEL 11  EL 6");  // MEL at least 11, EL at least 6
  EXPECT_EQ(special(6, 10), ", MEL 12  EL 6");
}
