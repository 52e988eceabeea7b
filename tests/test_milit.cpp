// Military treasure: main-table rows and counts, the keyword-forced counts,
// sub-table ends, the supplies that name other goods, and the race rows of
// non-human-made items with their armor adjustments.
#include <gtest/gtest.h>

#include "support/table_tests.h"
#include "tr_milit.h"

namespace {

// Sets of 5 (2d6) and 17 (2d10); the goods of the supplies at their first
// rows, ordinary whatever the exceptional rolls say.
std::string milit_line(int maintype, int found, int sub_type, int race = 1,
                       int kind = 1) {
  all_dice d{};
  d.milit = {maintype, found, race, kind, sub_type, 5, 17};
  other_dice &o = d.other;
  o.d10_furniture = 1, o.d10_misc_amount = 4, o.d6_2_misc_val = 7;
  o.d10_book_kind = 1, o.d100_book = 1, o.d3star_amount_class = 1;
  o.d100_keg_size = 1, o.d100_keg_material = 1, o.d10_keg_fill = 1;
  o.d6_2_exc_qualmult = 12;
  EXPECT_EQ(milit_main(&d), 1);
  return con_trs_txt;
}

// clang-format off
TEST(MilitMain, RowsAndCounts) {
  const struct { int maintype, found, sub_type; const char *text; } cases[] = {
      { 1, 10,  11, "5 Sword(s)\n"},      {30, 1, 25, "1 Great Sword(s)\n"},  {31, 3, 1, "2 Scale Mail(s)\n"},
      {50,  6, 100, "3 Chainmail(s)\n"},  {51, 10, 1, "3 Flag(s)\n"},         {55, 6, 1, "2 Flag(s)\n"},
      {56, 10,  51, "4 Palanquin(s)\n"},  {70, 9, 97, "3 Miscellaneous Militairy Supplies\n"},
      {75,  8,   1, "3 Uniform(s)\n"},    {88, 10, 94, "4 Bolas\n"},
      {89, 10,  11, "1 Dwarven Sword(s)\n"},  // non-human-made items are always one
  };
  for (const auto &c : cases) EXPECT_EQ(milit_line(c.maintype, c.found, c.sub_type), c.text);
  const struct { int found; const char *text; } counts[] = {{-1, "1 "}, {4, "1 "}, {5, "2 "}, {10, "4 "}, {11, "5 "}};
  for (const auto &c : counts) EXPECT_EQ(text_of([&] { milit_NF(c.found); }), c.text) << c.found;
  // "ONE_ONLY": every row counts one.
  for (int maintype = 1; maintype <= 100; ++maintype)
    EXPECT_EQ(milit_line(maintype, 1, 40).substr(0, 2), "1 ") << maintype;
}

TEST(MilitSubTables, EndsAndSets) {
  // Pellets take the 2d10 number, the other sets the 2d6 number.
  const struct { void (*table)(int); int roll; const char *text; } cases[] = {
      {nullptr,  0, "Throwing Dagger(s)"}, {nullptr, 45, "Repeating Crossbow(s)"},
      {nullptr, 46, "Set(s) of Quarrels (5 each)"}, {nullptr, 93, "Composite Bow(s)"},
      {nullptr, 94, "Set(s) of Pellets (17 each)"}, {nullptr, 97, "Set(s) of Sling Projectiles (5 each)"},
      {nullptr, 140, "Other Weapon"},
      {milit_armor, -19, "Scale Mail(s)"}, {milit_armor, 96, "Ornate Plate Armor(s)"}, {milit_armor, 120, "Chainmail(s)"},
      {milit_shelter, 8, "One Man Tent(s)"}, {milit_shelter, 51, "Palanquin(s)"}, {milit_shelter, 92, "Litter(s)"},
      {milit_animal, 8, "Leather Horse Barding(s)"}, {milit_animal, 97, "Whistle(s)"}, {milit_animal, 98, "Jesses"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(text_of([&] { c.table ? c.table(c.roll) : milit_weapon(c.roll, 5, 17); }), c.text) << c.roll;
  // Supplies name ordinary goods of the other-treasure tables.
  const struct { int roll; const char *text; } supplies[] = {
      {15, "Battle Horn(s)"}, {16, "Piece(s) of Camp Furniture, 2 BB"},
      {31, "Militairy Book : Common text, 3.0 CC"},
      {51, "Set(s) of 1 Keg(s), size 1.0 quart, containing rotten Beer"},
      {66, "Militairy Musical instrument(s)"}, {67, "Set(s) of Bedding"},
      {90, "Set(s) of 4 Eating utensil(s), mod. * 7.0 BB"}, {97, "Miscellaneous Militairy Supplies"},
  };
  for (const auto &s : supplies)
    EXPECT_EQ(milit_line(66, 1, s.roll), std::string("1 ") + s.text + "\n") << s.roll;
}

// Sub-type 50 names each kind distinctly: weapon "Set(s) of Quarrels", armor
// "Buckler(s)" (Dwarven 70 "Metal Shield(s)", Elven 30 "Banded Ring
// Mail(s)"), shelter "Travois(es)", supplies "Tool(s)", animal gear "Eagle
// Hood(s)". Then the armor row adjustments, with the kind roll 60 at armor.
TEST(MilitNonHuman, RaceRowsAndArmorAdjustments) {
  const struct { int race, kind, sub_type; const char *text; } cases[] = {
      { 3,  0, 50, "Dwarven Set(s) of Quarrels (5 each)"}, {3, 56, 50, "Dwarven Metal Shield(s)"}, {3, 92, 50, "Dwarven Tool(s)"},
      { 4, 75, 50, "Goblin's Set(s) of Quarrels (5 each)"}, {4, 76, 50, "Goblin's Flag(s)"}, {4, 88, 50, "Goblin's Tool(s)"},
      { 5, 91, 50, "Giant's Buckler(s)"}, {5, 101, 50, "Giant's Tool(s)"}, {9, 56, 50, "Troll's Buckler(s)"},
      { 6, 44, 50, "Elven Set(s) of Quarrels (5 each)"}, {6, 45, 50, "Elven Banded Ring Mail(s)"},
      { 6, 81, 50, "Elven Tool(s)"}, {6, 82, 50, "Elven Eagle Hood(s)"},
      {10, 34, 50, "Other race's Set(s) of Quarrels (5 each)"}, {10, 35, 50, "Other race's Buckler(s)"},
      {10, 57, 50, "Other race's Flag(s)"}, {10, 63, 50, "Other race's Travois(es)"}, {10, 75, 50, "Other race's Tool(s)"},
      {10, 81, 50, "Other race's Uniform(s)"}, {10, 86, 50, "Other race's Eagle Hood(s)"},
      { 0,  1, 50, ""}, {11, 1, 50, ""},  // outside 1 to 10: no race, no item
      { 8, 60, 25, "Elven Scale Mail(s)"}, {7, 60, 26, "Elven Quilted Armor(s)"}, {2, 60, 77, "Dwarven Chainmail(s)"},
      { 3, 60, 76, "Dwarven Ornate Plate Armor(s)"}, {5, 60, 76, "Giant's Metal Helmet(s)"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(milit_line(100, 7, c.sub_type, c.race, c.kind), std::string("1 ") + c.text + "\n") << c.race << " " << c.kind;
}
// clang-format on

}  // namespace
