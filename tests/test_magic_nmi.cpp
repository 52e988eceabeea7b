// Natural magic items: every row of the plant, animal part and metal lists,
// the amounts each states or leaves out, and the choice of list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tr_magic.h"
#include "trtext.h"

namespace {

struct name_row {
  int lo, hi;
  const char *name;
};

// clang-format off
const std::vector<name_row> plants = {
  {1, 1, "Adingantida"}, {2, 3, "Agrimony"}, {4, 8, "Amaranth"},
  {9, 10, "Anemone"}, {11, 12, "Angelica"}, {13, 13, "Balim"},
  {14, 16, "Basil"}, {17, 17, "Belladonna"}, {18, 19, "Betony"},
  {20, 20, "Bindweed"}, {21, 21, "Black Poppy"}, {22, 24, "Cayenne"},
  {25, 26, "Celandine"}, {27, 28, "Chervil"}, {29, 29, "Chimedon"},
  {30, 31, "Cinquefoil"}, {32, 36, "Clove Pink"}, {37, 40, "Darbha Grass"},
  {41, 42, "Elder Berries"}, {43, 45, "Elder Twigs"}, {46, 46, "Euphorbia"},
  {47, 48, "Fennel"}, {49, 49, "Fern Seed"}, {50, 53, "Garlic"},
  {54, 54, "Hellebore"}, {55, 56, "Hemlock"}, {57, 57, "Hembane"},
  {58, 59, "Houseleek"}, {60, 60, "Hyercium"}, {61, 63, "Laurel"},
  {64, 64, "Lunas"}, {65, 65, "Mandrake"}, {66, 67, "Mephis"},
  {68, 68, "Mevais"}, {69, 72, "Mistletoe"}, {73, 73, "Moon Rose"},
  {74, 75, "Moonwort"}, {76, 77, "Mugwort"}, {78, 81, "Peska"},
  {82, 82, "Purple Lotus"}, {83, 84, "Purslane"}, {85, 87, "Qadishi Root"},
  {88, 90, "Rowan"}, {91, 93, "Rue"}, {94, 94, "Snake Grape"},
  {95, 96, "Vervain"}, {97, 97, "White Lotus"}, {98, 98, "White Poppy"},
  {99, 100, "Wolfbane"},
};

const std::vector<name_row> animals = {
  {1, 5, "Alectorius"}, {6, 8, "Amber"}, {9, 9, "Basilisk Blood"},
  {10, 12, "Bdellium"}, {13, 18, "Bear Claws"}, {19, 20, "Beithir Hide"},
  {21, 21, "Beithirius"}, {22, 26, "Bezoar"}, {27, 31, "Black Cat Blood"},
  {32, 34, "Black Cat Bones"}, {35, 37, "Boar Tusk"}, {38, 39, "Bouba Fur"},
  {40, 44, "Bush Resin"}, {45, 46, "Castor d'fay"},
  {47, 48, "Chameleon Liver"}, {49, 50, "Chelidonius"},
  {51, 54, "Cock Feathers"}, {55, 57, "Coral"}, {58, 58, "Dragon Blood"},
  {59, 60, "Fire Snake Brain"}, {61, 61, "Firestone"},
  {62, 62, "Gorgon Head"}, {63, 64, "Great Serpent Poison"},
  {65, 66, "Great Spider Poison"}, {67, 67, "Harab Serapel Claws"},
  {68, 70, "Hyena Skin"}, {71, 71, "Hydra Blood"}, {72, 72, "Hydra Head"},
  {73, 73, "Hydra Teeth"}, {74, 75, "Lapwing Heart"}, {76, 80, "Pearl"},
  {81, 83, "Pigeon Stones"}, {84, 85, "Roc Feathers"}, {86, 88, "Saliva"},
  {89, 90, "Scorpion Woman Poison"}, {91, 92, "Te'sla Blood"},
  {93, 93, "Toad Blood"}, {94, 95, "Unicorn horn"}, {96, 97, "Wolf Blood"},
  {98, 99, "Wolf Eye"}, {100, 100, "Wolf Skin"},
};

// Rows sold by weight are checked separately.
const std::vector<name_row> unweighed_metals = {
  {1, 5, "Agate"}, {6, 9, "Amethyst"}, {13, 13, "Black Diamond"},
  {14, 16, "Bloodstone"}, {17, 20, "Carbuncle"}, {21, 24, "Chalcedony"},
  {25, 27, "Chrysolite"}, {28, 30, "Chrysophrase"}, {31, 33, "Corneolus"},
  {34, 35, "Crystal"}, {36, 37, "Dark Ruby"}, {38, 39, "Diamond"},
  {40, 41, "Dinothera"}, {42, 44, "Emerald"}, {45, 45, "Heliotropius"},
  {46, 48, "Hyacinthus"}, {49, 51, "Jacinth"}, {52, 54, "Jade"},
  {55, 58, "Jasper"}, {59, 62, "Jet"}, {63, 64, "Lapis Lazuli"},
  {65, 66, "Lodestone"}, {68, 70, "Onyx"}, {71, 73, "Opal"},
  {75, 77, "Ruby"}, {78, 81, "Salt"}, {82, 83, "Sapphire"},
  {84, 84, "Smarag"}, {85, 85, "Snake Stone"}, {86, 86, "Star Ruby"},
  {87, 87, "Star Sapphire"}, {88, 88, "Toadstone"}, {89, 91, "Topaz"},
  {92, 93, "Tourmaline"}, {94, 97, "Turquoise"}, {98, 100, "White Flint"},
};
// clang-format on

// The text magic_NMI appends for a list, a row and the amount rolls.
std::string nmi(int type, int subtype, int message, int ounces = 7,
                int pounds = 2) {
  all_dice d{};
  d.magic.d3star_NMI_type = type;
  d.magic.d100_subtype = subtype;
  d.magic.d10_2_NMI_amount = ounces;
  d.magic.d2star_NMI_amount = pounds;
  d.message = message;
  trs_clear();
  magic_NMI(&d);
  return con_trs_txt;
}

TEST(MagicNmi, PlantRowsWithAndWithoutOunces) {
  for (const name_row &row : plants) {
    for (int subtype : {row.lo, row.hi}) {
      EXPECT_EQ(nmi(1, subtype, 1), row.name) << subtype;
      EXPECT_EQ(nmi(1, subtype, 0), std::string(row.name) + ", 7 ounces")
          << subtype;
    }
  }
  EXPECT_EQ(nmi(1, 65, 0, 20), "Mandrake, 20 ounces");
  EXPECT_EQ(nmi(1, 65, 0, 2), "Mandrake, 2 ounces");
  EXPECT_EQ(nmi(1, 0, 1), "");
  EXPECT_EQ(nmi(1, 101, 1), "");
}

TEST(MagicNmi, AnimalPartsNeverCarryAnAmount) {
  for (const name_row &row : animals) {
    for (int subtype : {row.lo, row.hi}) {
      EXPECT_EQ(nmi(2, subtype, 0), row.name) << subtype;
      EXPECT_EQ(nmi(2, subtype, 1), row.name) << subtype;
    }
  }
  EXPECT_EQ(nmi(2, 0, 0), "");
  EXPECT_EQ(nmi(2, 101, 0), "");
}

TEST(MagicNmi, MetalRowsAndPoundsOfTheThreeSoldByWeight) {
  for (const name_row &row : unweighed_metals) {
    for (int subtype : {row.lo, row.hi})
      EXPECT_EQ(nmi(3, subtype, 0), row.name) << subtype;
  }
  const struct {
    int subtype, pounds;
    const char *text;
  } weighed[] = {
      {10, 1, "Antimony, 1 pound(s)"},
      {11, 2, "Antimony, 2 pound(s)"},
      {12, 2, "Antimony, 2 pound(s)"},
      {67, 1, "Meteorite, 1 pound(s)"},
      {67, 2, "Meteorite, 2 pound(s)"},
      {74, 1, "Quicksilver, 1 pound(s)"},
      {74, 2, "Quicksilver, 2 pound(s)"},
      {13, 2, "Black Diamond"},
      {66, 2, "Lodestone"},
      {75, 2, "Ruby"},
      {0, 2, ""},
      {101, 2, ""},
  };
  for (const auto &w : weighed) {
    EXPECT_EQ(nmi(3, w.subtype, 0, 7, w.pounds), w.text) << w.subtype;
    // Pounds are stated inside a container too.
    EXPECT_EQ(nmi(3, w.subtype, 1, 7, w.pounds), w.text) << w.subtype;
  }
}

TEST(MagicNmi, ListOutsideOneToThreeAppendsNothing) {
  EXPECT_EQ(nmi(0, 65, 0), "");
  EXPECT_EQ(nmi(4, 65, 0), "");
}

TEST(MagicNmi, FromTheMainTable) {
  all_dice d{};
  d.magic.d100_maintype = 40;
  d.magic.d3star_NMI_type = 1;
  d.magic.d100_subtype = 65;
  d.magic.d10_2_NMI_amount = 12;
  EXPECT_EQ(magic_main(&d), 1);
  EXPECT_STREQ(con_trs_txt, "Natural Magic Item : Mandrake, 12 ounces\n");
  d.magic.d3star_NMI_type = 3;
  d.magic.d100_subtype = 74;
  d.magic.d2star_NMI_amount = 1;
  EXPECT_EQ(magic_main(&d), 1);
  EXPECT_STREQ(con_trs_txt, "Natural Magic Item : Quicksilver, 1 pound(s)\n");
}

}  // namespace
