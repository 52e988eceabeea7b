// Military treasure: main-table rows and counts, the keyword-forced counts,
// sub-table ends, the supplies' goods, non-human races and armor adjustments.
#include "table_tests.h"
#include "tr_milit.h"

// clang-format off
// Sets of 5 (2d6) and 17 (2d10); the goods of the supplies at their first
// rows, ordinary whatever the exceptional rolls say.
static std::string milit_line(int maintype, int found, int sub_type, int race = 1, int kind = 1) {
  all_dice d{};
  d.milit = {maintype, found, race, kind, sub_type, 5, 17};
  other_dice &o = d.other;
  o.d10_furniture = 1, o.d10_misc_amount = 4, o.d6_2_misc_val = 7, o.d10_book_kind = 1, o.d100_book = 1;
  o.d3star_amount_class = 1, o.d100_keg_size = 1, o.d100_keg_material = 1, o.d10_keg_fill = 1, o.d6_2_exc_qualmult = 12;
  EXPECT_EQ(milit_main(&d), 1);
  return con_trs_txt;
}

TEST(Milit, RowsCountsSubTablesSuppliesAndRaces) {
  const struct { int maintype, found, sub_type; const char *text; int race = 1, kind = 1; } cases[] = {
      { 1, 10,  11, "5 Sword(s)\n"},      {30, 1, 25, "1 Great Sword(s)\n"},  {31, 3, 1, "2 Scale Mail(s)\n"},
      {50,  6, 100, "3 Chainmail(s)\n"},  {51, 10, 1, "3 Flag(s)\n"},         {55, 6, 1, "2 Flag(s)\n"},
      {56, 10,  51, "4 Palanquin(s)\n"},  {70, 9, 97, "3 Miscellaneous Militairy Supplies\n"},
      {75,  8,   1, "3 Uniform(s)\n"},    {88, 10, 94, "4 Bolas\n"},
      {89, 10,  11, "1 Dwarven Sword(s)\n"},  // non-human-made items are always one
      // Sub-table ends; pellets take the 2d10 number, the other sets the 2d6 number.
      {1, 1, 0, "1 Throwing Dagger(s)\n"}, {1, 1, 46, "1 Set(s) of Quarrels (5 each)\n"}, {1, 1, 94, "1 Set(s) of Pellets (17 each)\n"},
      {1, 1, 97, "1 Set(s) of Sling Projectiles (5 each)\n"}, {1, 1, 140, "1 Other Weapon\n"}, {31, 1, 96, "1 Ornate Plate Armor(s)\n"},
      {56, 1, 51, "1 Palanquin(s)\n"}, {56, 1, 92, "1 Litter(s)\n"}, {76, 1, 98, "1 Jesses\n"},
      // Supplies name ordinary goods of the other-treasure tables.
      {66, 1, 15, "1 Battle Horn(s)\n"}, {66, 1, 16, "1 Piece(s) of Camp Furniture, 2 BB\n"}, {66, 1, 31, "1 Militairy Book : Common text, 3.0 CC\n"},
      {66, 1, 51, "1 Set(s) of 1 Keg(s), size 1.0 quart, containing rotten Beer\n"}, {66, 1, 66, "1 Militairy Musical instrument(s)\n"},
      {66, 1, 67, "1 Set(s) of Bedding\n"}, {66, 1, 90, "1 Set(s) of 4 Eating utensil(s), mod. * 7.0 BB\n"}, {66, 1, 97, "1 Miscellaneous Militairy Supplies\n"},
      // Races: sub-type 50 names each kind distinctly (armor: Dwarven 70, Elven 30).
      {100, 7, 50, "1 Dwarven Set(s) of Quarrels (5 each)\n", 3, 0}, {100, 7, 50, "1 Dwarven Metal Shield(s)\n", 3, 56},
      {100, 7, 50, "1 Dwarven Tool(s)\n", 3, 92}, {100, 7, 50, "1 Goblin's Set(s) of Quarrels (5 each)\n", 4, 75},
      {100, 7, 50, "1 Goblin's Flag(s)\n", 4, 76}, {100, 7, 50, "1 Goblin's Tool(s)\n", 4, 88}, {100, 7, 50, "1 Giant's Buckler(s)\n", 5, 91},
      {100, 7, 50, "1 Giant's Tool(s)\n", 5, 101}, {100, 7, 50, "1 Troll's Buckler(s)\n", 9, 56}, {100, 7, 50, "1 Elven Set(s) of Quarrels (5 each)\n", 6, 44},
      {100, 7, 50, "1 Elven Banded Ring Mail(s)\n", 6, 45}, {100, 7, 50, "1 Elven Tool(s)\n", 6, 81}, {100, 7, 50, "1 Elven Eagle Hood(s)\n", 6, 82},
      {100, 7, 50, "1 Other race's Set(s) of Quarrels (5 each)\n", 10, 34}, {100, 7, 50, "1 Other race's Buckler(s)\n", 10, 35},
      {100, 7, 50, "1 Other race's Flag(s)\n", 10, 57}, {100, 7, 50, "1 Other race's Travois(es)\n", 10, 63}, {100, 7, 50, "1 Other race's Tool(s)\n", 10, 75},
      {100, 7, 50, "1 Other race's Uniform(s)\n", 10, 81}, {100, 7, 50, "1 Other race's Eagle Hood(s)\n", 10, 86},
      {100, 7, 50, "1 \n", 0, 1}, {100, 7, 50, "1 \n", 11, 1},  // outside 1 to 10: no race, no item
      // Armor adjustments at the kind roll 60, to the ends of the armor rows and past them.
      {100, 7, 25, "1 Elven Scale Mail(s)\n", 8, 60}, {100, 7, 26, "1 Elven Quilted Armor(s)\n", 7, 60}, {100, 7, 77, "1 Dwarven Chainmail(s)\n", 2, 60},
      {100, 7, 76, "1 Dwarven Ornate Plate Armor(s)\n", 3, 60}, {100, 7, 76, "1 Giant's Metal Helmet(s)\n", 5, 60},
      {100, 7, 1, "1 Elven Scale Mail(s)\n", 6, 60}, {100, 7, 100, "1 Dwarven Chainmail(s)\n", 1, 60},
  };
  for (const auto &c : cases) EXPECT_EQ(milit_line(c.maintype, c.found, c.sub_type, c.race, c.kind), c.text) << c.maintype << " " << c.sub_type;
  const struct { int found; const char *text; } counts[] = {{-1, "1 "}, {4, "1 "}, {5, "2 "}, {7, "2 "}, {10, "4 "}, {11, "5 "}};
  for (const auto &c : counts) EXPECT_EQ(text_of([&] { milit_count(c.found); }), c.text) << c.found;
  // "ONE_ONLY": every row counts one.
  for (int maintype = 1; maintype <= 100; ++maintype) EXPECT_EQ(milit_line(maintype, 1, 40).substr(0, 2), "1 ") << maintype;
}
// clang-format on
