// Natural magic items: the list by type, plants' ounces, the pounds of the
// three metals sold by weight, and nothing outside the lists.
#include "table_tests.h"
#include "tr_magic.h"

TEST(MagicNmi, AmountsOnlyWhereTheItemHasOne) {
  // Type, row, inside a container, amount, text.
  // clang-format off
  const struct { int type, row, message, amount; const char *text; } cases[] = {
      {1, 1, 1, 7, "Adingantida"}, {1, 57, 0, 7, "Hembane, 7 ounces"}, {2, 94, 0, 7, "Unicorn horn"},
      {3, 9, 0, 2, "Amethyst"}, {3, 10, 0, 1, "Antimony, 1 pound(s)"},
      {3, 74, 0, 2, "Quicksilver, 2 pound(s)"}, {3, 75, 0, 2, "Ruby"},
      {1, 0, 1, 7, ""}, {2, 101, 0, 7, ""}, {0, 65, 0, 7, ""}, {4, 65, 0, 7, ""},
      // clang-format on
  };
  for (const auto &c : cases) {
    dice_record d{};
    d.magic.d3star_NMI_type = c.type, d.magic.d100_subtype = c.row;
    d.message = c.message, d.magic.d10_2_NMI_amount = c.amount;
    d.magic.d2star_NMI_amount = c.amount;
    EXPECT_EQ(text_of([&] { magic_natural_item(&d); }), c.text)
        << c.type << c.row;
  }
}
