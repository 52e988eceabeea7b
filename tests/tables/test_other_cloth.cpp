// Clothing, cloth, instruments and other items: the price rows of cloth and
// how exceptional items state their worth.
#include "table_tests.h"

TEST(OtherCloth, PriceRowsLengthsAndExceptionalItems) {
  const std::string cases[][2] = {
      // clang-format off
      {text_of([] { other_cloth(25, 10, 0); }), "10.0 yards of cloth, 10.0 CC"},
      {text_of([] { other_cloth(95, 10, 0); }), "10.0 yards of cloth, 10.0 SC"},
      {text_of([] { other_cloth(100, 1, 0); }), "1.0 yards of cloth, 3.0 SC"},
      // Quality 4 and half size (0.8): 4 x 0.8 x 10 yards.
      {text_of([] { other_cloth(1, 20, quality(4) | sized(6, 91)); }), "10.0 yards of cloth, exceptionally good, exceptionally small -50%, 32.0 CC"},
      {text_of([] { other_clothing(3, quality(5)); }), "3 piece(s) of clothing, exceptionally good, 5.0 * normal value"},
      {text_of([] { other_musical_instrument(sized(6, 100)); }), "Musical instrument, exceptionally small -90%, value * 0.3"},
      {text_of([] { other_other(quality(2)); }), "Other : Other item, Referee's choice (see book IV), exceptionally good, value * 2.0"},
      // clang-format on
  };
  for (const auto &c : cases) EXPECT_EQ(c[0], c[1]);
}
