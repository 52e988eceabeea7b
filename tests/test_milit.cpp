// Military treasure: main-table rows and counts, the keyword-forced counts,
// sub-table boundaries, the supplies that name other goods, and the race rows
// of non-human-made items with their armor adjustments.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tr_milit.h"
#include "trtext.h"

namespace {

struct row_case {
  int roll;
  std::string text;
};

// Race 1, kind roll 1, sets of 5 (2d6) and 17 (2d10).
std::string milit_line(int maintype, int found, int sub_type, int race = 1,
                       int kind = 1) {
  all_dice d{};
  d.milit = {maintype, found, race, kind, sub_type, 5, 17};
  d.other.d10_furniture = 1;
  d.other.d10_misc_amount = 4;
  d.other.d6_2_misc_val = 7;
  d.other.d10_book_kind = 1;
  d.other.d100_book = 1;
  d.other.d3star_amount_class = 1;
  d.other.d100_keg_size = 1;
  d.other.d100_keg_material = 1;
  d.other.d10_keg_fill = 1;
  d.other.d6_2_exc_qualmult = 12;  // never reaches the goods: code 0
  EXPECT_EQ(milit_main(&d), 1);
  return con_trs_txt;
}

template <typename F>
void expect_rows(F table, const std::vector<row_case> &rows) {
  for (const row_case &r : rows) {
    trs_clear();
    table(r.roll);
    EXPECT_EQ(std::string(con_trs_txt), r.text) << r.roll;
  }
}

TEST(MilitMain, RowsAndCounts) {
  EXPECT_EQ(milit_line(1, 10, 11), "5 Sword(s)\n");
  EXPECT_EQ(milit_line(30, 1, 25), "1 Great Sword(s)\n");
  EXPECT_EQ(milit_line(31, 3, 1), "2 Scale Mail(s)\n");
  EXPECT_EQ(milit_line(50, 6, 100), "3 Chainmail(s)\n");
  EXPECT_EQ(milit_line(51, 10, 1), "3 Flag(s)\n");
  EXPECT_EQ(milit_line(55, 6, 1), "2 Flag(s)\n");
  EXPECT_EQ(milit_line(56, 10, 51), "4 Palanquin(s)\n");
  EXPECT_EQ(milit_line(70, 9, 97), "3 Miscellaneous Militairy Supplies\n");
  EXPECT_EQ(milit_line(75, 8, 1), "3 Uniform(s)\n");
  EXPECT_EQ(milit_line(88, 10, 94), "4 Bolas\n");
  // Non-human-made items are always one.
  EXPECT_EQ(milit_line(89, 10, 11), "1 Dwarven Sword(s)\n");
  expect_rows(milit_NF, {{-1, "1 "},
                         {4, "1 "},
                         {5, "2 "},
                         {7, "2 "},
                         {8, "3 "},
                         {9, "3 "},
                         {10, "4 "},
                         {11, "5 "}});
  // "ONE_ONLY": every row counts one.
  for (int maintype = 1; maintype <= 100; ++maintype)
    EXPECT_EQ(milit_line(maintype, 1, 40).substr(0, 2), "1 ") << maintype;
}

TEST(MilitSubTables, Boundaries) {
  // Pellets take the 2d10 number, the other sets the 2d6 number.
  expect_rows([](int t) { milit_weapon(t, 5, 17); },
              {{0, "Throwing Dagger(s)"},
               {3, "Fighting Dagger(s)"},
               {25, "Great Sword(s)"},
               {45, "Repeating Crossbow(s)"},
               {46, "Set(s) of Quarrels (5 each)"},
               {50, "Set(s) of Quarrels (5 each)"},
               {53, "Set(s) of Arrows (5 each)"},
               {62, "Set(s) of Darts (5 each)"},
               {81, "War Staff(s)"},
               {93, "Composite Bow(s)"},
               {94, "Set(s) of Pellets (17 each)"},
               {97, "Set(s) of Sling Projectiles (5 each)"},
               {140, "Other Weapon"}});
  expect_rows(milit_armor, {{-19, "Scale Mail(s)"},
                            {6, "Quilted Armor(s)"},
                            {61, "Leather Helmet(s)"},
                            {96, "Ornate Plate Armor(s)"},
                            {120, "Chainmail(s)"}});
  expect_rows(milit_shelter, {{8, "One Man Tent(s)"},
                              {51, "Palanquin(s)"},
                              {52, "Two Man Tent(s)"},
                              {91, "Small Travois(es)"},
                              {92, "Litter(s)"}});
  expect_rows(milit_animal, {{8, "Leather Horse Barding(s)"},
                             {36, "Set(s) of Falconer's Gauntlets"},
                             {94, "Bolas"},
                             {97, "Whistle(s)"},
                             {98, "Jesses"}});
}

TEST(MilitSubTables, SuppliesNameOrdinaryGoods) {
  const std::vector<row_case> rows = {
      {15, "Battle Horn(s)"},
      {16, "Piece(s) of Camp Furniture, 2 BB"},
      {31, "Militairy Book : Common text, 3.0 CC"},
      {50, "Tool(s)"},
      {51, "Set(s) of 1 Keg(s), size 1.0 quart, containing rotten Beer"},
      {66, "Militairy Musical instrument(s)"},
      {67, "Set(s) of Bedding"},
      {90, "Set(s) of 4 Eating utensil(s), mod. * 7.0 BB"},
      {96, "Rope(s)"},
      {97, "Miscellaneous Militairy Supplies"}};
  for (const row_case &r : rows)
    EXPECT_EQ(milit_line(66, 1, r.roll), "1 " + r.text + "\n") << r.roll;
}

// Sub-type 50 names each kind distinctly: weapon "Set(s) of Quarrels", armor
// "Buckler(s)" (Dwarven 70 "Metal Shield(s)", Elven 30 "Banded Ring
// Mail(s)"), shelter "Travois(es)", supplies "Tool(s)", animal gear "Eagle
// Hood(s)".
TEST(MilitNonHuman, RaceRows) {
  const std::string w = "Set(s) of Quarrels (5 each)", m = "Tool(s)";
  const std::vector<std::pair<int, std::vector<row_case>>> races = {
      {3,
       {{0, "Dwarven " + w},
        {55, "Dwarven " + w},
        {56, "Dwarven Metal Shield(s)"},
        {92, "Dwarven " + m}}},
      {4,
       {{75, "Goblin's " + w},
        {76, "Goblin's Flag(s)"},
        {87, "Goblin's Flag(s)"},
        {88, "Goblin's " + m}}},
      {5,
       {{55, "Giant's " + w},
        {91, "Giant's Buckler(s)"},
        {101, "Giant's " + m}}},
      {6,
       {{44, "Elven " + w},
        {45, "Elven Banded Ring Mail(s)"},
        {75, "Elven " + m},
        {81, "Elven " + m},
        {82, "Elven Eagle Hood(s)"}}},
      {9, {{56, "Troll's Buckler(s)"}, {92, "Troll's " + m}}},
      {10,
       {{34, "Other race's " + w},
        {35, "Other race's Buckler(s)"},
        {57, "Other race's Flag(s)"},
        {63, "Other race's Travois(es)"},
        {75, "Other race's " + m},
        {81, "Other race's Uniform(s)"},
        {86, "Other race's Eagle Hood(s)"}}},
      {0, {{1, ""}}},  // outside 1 to 10: no race, no item
      {11, {{1, ""}}}};
  for (const auto &[race, kinds] : races)
    for (const row_case &k : kinds)
      EXPECT_EQ(milit_line(95, 7, 50, race, k.roll), "1 " + k.text + "\n")
          << race << " " << k.roll;
}

TEST(MilitNonHuman, ElvenAndDwarvenArmorAdjustments) {
  // Kind roll 60 is armor for every race that makes it.
  EXPECT_EQ(milit_line(100, 1, 1, 6, 60), "1 Elven Scale Mail(s)\n");
  EXPECT_EQ(milit_line(100, 1, 25, 8, 60), "1 Elven Scale Mail(s)\n");
  EXPECT_EQ(milit_line(100, 1, 26, 7, 60), "1 Elven Quilted Armor(s)\n");
  EXPECT_EQ(milit_line(100, 1, 100, 1, 60), "1 Dwarven Chainmail(s)\n");
  EXPECT_EQ(milit_line(100, 1, 77, 2, 60), "1 Dwarven Chainmail(s)\n");
  EXPECT_EQ(milit_line(100, 1, 76, 3, 60), "1 Dwarven Ornate Plate Armor(s)\n");
  EXPECT_EQ(milit_line(100, 1, 76, 5, 60), "1 Giant's Metal Helmet(s)\n");
}

}  // namespace
