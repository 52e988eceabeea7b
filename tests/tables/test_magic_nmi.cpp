// Natural magic items: list ends, unusual names, the ounces of plants, the
// pounds of the three metals sold by weight, and the choice of list.
#include "table_tests.h"
#include "tr_magic.h"

// clang-format off
TEST(MagicNmi, ListRowsAndAmounts) {
  // The amount gives a plant's ounces and a metal's pounds; animal parts have none.
  const struct { int type, subtype, message, amount; const char *text; } cases[] = {
      {1,   1, 1,  7, "Adingantida"},       {1, 100, 1,  7, "Wolfbane"},
      {1,  57, 0,  7, "Hembane, 7 ounces"}, {1,  65, 0, 20, "Mandrake, 20 ounces"},
      {2,   1, 0,  7, "Alectorius"},        {2, 100, 0,  7, "Wolf Skin"},
      {2,  94, 0,  7, "Unicorn horn"},      {2,  45, 1,  7, "Castor d'fay"},
      // Pounds only for the three sold by weight, inside a container too.
      {3,   1, 0,  2, "Agate"},             {3, 100, 0,  2, "White Flint"},
      {3,   9, 0,  2, "Amethyst"},          {3,  10, 0,  1, "Antimony, 1 pound(s)"},
      {3,  12, 1,  2, "Antimony, 2 pound(s)"}, {3, 13, 0,  2, "Black Diamond"},
      {3,  66, 0,  2, "Lodestone"},         {3,  67, 1,  1, "Meteorite, 1 pound(s)"},
      {3,  68, 0,  2, "Onyx"},              {3,  74, 0,  2, "Quicksilver, 2 pound(s)"},
      {3,  75, 1,  2, "Ruby"},
      // Nothing outside each list's 1 to 100, nor outside the lists 1 to 3.
      {1, 0, 1, 7, ""}, {1, 101, 1, 7, ""}, {2, 0, 0, 7, ""}, {2, 101, 0, 7, ""},
      {3, 0, 0, 2, ""}, {3, 101, 0, 2, ""}, {0, 65, 0, 7, ""}, {4, 65, 0, 7, ""},
  };
  for (const auto &c : cases) {
    all_dice d{};
    d.magic.d3star_NMI_type = c.type, d.magic.d100_subtype = c.subtype, d.message = c.message;
    d.magic.d10_2_NMI_amount = c.amount, d.magic.d2star_NMI_amount = c.amount;
    EXPECT_EQ(text_of([&] { magic_NMI(&d); }), c.text) << c.type << " " << c.subtype;
  }
}
// clang-format on
