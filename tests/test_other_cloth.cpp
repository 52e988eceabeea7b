// Clothing, cloth, musical instruments and other items: the cloth price rows,
// the exceptional texts and multipliers of each.
#include <gtest/gtest.h>

#include <string>

#include "tr_other.h"
#include "trtext.h"

namespace {

constexpr uint32_t quality(int mult) {
  return EXC_QUALITY | static_cast<uint32_t>(mult) << 4;
}
constexpr uint32_t size(int smla, int roll) {
  return EXC_SIZE | static_cast<uint32_t>(roll) << 12 |
         static_cast<uint32_t>(smla) << 20;
}

// clang-format off
TEST(OtherCloth, PriceRows) {
  // Ten yards: the value is ten times the price per yard.
  struct {
    int kind;
    const char *value;
  } const cases[] = {
      { 1, "10.0 CC"}, {25, "10.0 CC"}, {26, "20.0 CC"}, {45, "20.0 CC"}, {46, "30.0 CC"}, {60, "30.0 CC"},
      {61, "40.0 CC"}, {70, "40.0 CC"}, {71, "50.0 CC"}, {80, "50.0 CC"}, {81, "60.0 CC"}, {88, "60.0 CC"},
      {89, "80.0 CC"}, {94, "80.0 CC"}, {95, "10.0 SC"}, {98, "10.0 SC"}, {99, "20.0 SC"}, {100, "30.0 SC"},
  };
  for (const auto &c : cases) {
    trs_clear();
    other_cloth(c.kind, 10, 0);
    EXPECT_EQ(std::string(con_trs_txt), std::string("10.0 yards of cloth, ") + c.value) << c.kind;
  }
}

TEST(OtherCloth, LengthsAndExceptionalCloth) {
  struct {
    int kind, length;
    uint32_t t_spec;
    const char *text;
  } const cases[] = {
      { 30, 40, 0, "40.0 yards of cloth, 80.0 CC"},
      {100,  1, 0, "1.0 yards of cloth, 3.0 SC"},
      // 1.5 x 10 yards, worth 15 x 1.2 per yard.
      { 95, 10, size(1, 88), "15.0 yards of cloth, exceptionally large +50%, 18.0 SC"},
      // Quality 4 and half size (0.8): 4 x 0.8 x 10 yards.
      {  1, 20, quality(4) | size(6, 91), "10.0 yards of cloth, exceptionally good, exceptionally small -50%, 32.0 CC"},
      { 26,  3, quality(12), "3.0 yards of cloth, exceptionally good, 72.0 CC"},
  };
  for (const auto &c : cases) {
    trs_clear();
    other_cloth(c.kind, c.length, c.t_spec);
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.kind << " " << c.length;
  }
}

TEST(OtherItems, ValueTextOnlyForExceptionalItems) {
  struct {
    int item;  // 0 clothing, 1 instrument, 2 other item
    uint32_t t_spec;
    const char *text;
  } const cases[] = {
      {0, 0, "3 piece(s) of clothing"},
      {0, quality(5), "3 piece(s) of clothing, exceptionally good, 5.0 * normal value"},
      {0, size(1, 1), "3 piece(s) of clothing, exceptionally large +10%, 1.0 * normal value"},
      {1, 0, "Musical instrument"},
      {1, size(6, 100), "Musical instrument, exceptionally small -90%, value * 0.3"},
      {1, quality(12) | size(1, 99), "Musical instrument, exceptionally good, exceptionally large +80%, value * 16.8"},
      {2, 0, "Other : Other item, Referee's choice (see book IV)"},
      {2, quality(2), "Other : Other item, Referee's choice (see book IV), exceptionally good, value * 2.0"},
  };
  for (const auto &c : cases) {
    trs_clear();
    if (c.item == 0) other_clothing(3, c.t_spec);
    if (c.item == 1) other_musical(c.t_spec);
    if (c.item == 2) other_other(c.t_spec);
    EXPECT_EQ(std::string(con_trs_txt), c.text);
  }
}
// clang-format on

}  // namespace
