// Household goods, clothing and cloth: how exceptional items state their
// worth; containers and kegs with their capacity, contents and fill.
#include "table_tests.h"

// Value roll 7, capacity row 30 (2 or 5 quarts), beer, fill 8; the magic rolls
// name a potion of Influence, MEL 7, EL 9 (capped to 4), and the plant
// Mandrake.
struct vessel {
  int size = 30, material = 1, fill = 8, subtype = 85;
};

static std::string contained(void (*routine)(item_result &, dice_record *,
                                             uint32_t),
                             vessel v, uint32_t exc = 0) {
  dice_record d{};
  d.other.d6_2_misc_val = 7, d.other.d3star_amount_class = 1,
  d.other.d6_amount_1 = 3, d.other.d6_amount_2 = 4;
  d.other.d10_keg_fill = v.fill, d.other.d100_keg_size = v.size,
  d.other.d100_keg_material = v.material;
  d.magic.d100_subtype = v.subtype, d.magic.d6_2_MEL = 7, d.magic.d10_EL = 9,
  d.magic.d10_2_potion_amount = 13, d.magic.d3star_NMI_type = 1;
  const std::string text = text_of([&] { routine(out, &d, exc); });
  EXPECT_EQ(d.in_container, 1) << text;
  return text;
}

TEST(HouseholdGoods, ExceptionalGoodsAndClothScaleTheirValueTheirOwnWay) {
  // clang-format off
  const std::string cases[][2] = {
      {text_of([] { other_cloth(out, 25, 10, 0); }), "10.0 yards of cloth, 10.0 CC"},
      {text_of([] { other_cloth(out, 100, 1, 0); }), "1.0 yards of cloth, 3.0 SC"},
      // Quality 4 and half size (0.8): 4 x 0.8 x 10 yards.
      {text_of([] { other_cloth(out, 1, 20, quality(4) | sized(6, 91)); }), "10.0 yards of cloth, exceptionally good, exceptionally small -50%, 32.0 CC"},
      {text_of([] { other_clothing(out, 3, quality(5)); }), "3 piece(s) of clothing, exceptionally good, 5.0 * normal value"},
      {text_of([] { other_musical_instrument(out, sized(6, 100)); }), "Musical instrument, exceptionally small -90%, value * 0.3"},
      {text_of([] { other_other(out, quality(2)); }), "Other : Other item, Referee's choice (see book IV), exceptionally good, value * 2.0"},
      // Quality, then size (+100% is worth 1.5): 4 * 2 * 1.5.
      {text_of([] { other_plate(out, 4, quality(2) | sized(5, 100)); }), "Plate, exceptionally good, exceptionally large +100%, mod. * 12.0 BB"},
      {text_of([] { other_tools(out, sized(6, 100)); }), "Tools, exceptionally small -90%, 0.3 * base value"},
      // Good fur: SC, not multiplied by the quality multiplier 9; small -50% is worth 0.8.
      {text_of([] { other_fur(out, 12, 7, quality(9)); }), "Fur, exceptionally good Coat, 24 SC"},
      {text_of([] { other_fine_covering(out, 2, 6, sized(3, 100)); }), "Fine covering or Tapestry, exceptionally large +100%, 4' x 12', 360.0 CC"},  // 5 * 1.5 * 4 * 12
      // Art: never magical when ordinary; when good, val * 2 GC whatever the
      // multiplier, magical for 9 or 10; large +80% is worth 1.4: 7 * 2 * 1.4.
      {text_of([] { other_art(out, 10, 8, quality(12)); }), "Art work, exceptionally good, 20.0 GC"},
      {text_of([] { other_art(out, 7, 9, quality(5) | sized(2, 99)); }), "Art work, exceptionally good, exceptionally large +80%, 19.6 GC. Magical item, roll manually!"},
  };
  // clang-format on
  for (const auto &c : cases) EXPECT_EQ(c[0], c[1]);
}

TEST(HouseholdGoods, ContainersAndKegsStateCapacityFillAndContents) {
  const std::string head = "Container, mod * 7.0 BB, size ";
  const std::string good =
      "Container, exceptionally good, mod * 7.0 SC, size 1.0 quart, ";
  // clang-format off
  const std::string cases[][2] = {
      // Fill: 8 is full, 2 is 40 per cent, 9 and 10 are empty.
      {contained(other_container, {.size = 1, .fill = 9}), head + "0.5 quart, empty "},
      {contained(other_container, {}), head + "2.0 quart, containing 2.0 quart Beer"},
      // Magic contents without their amount; a potion fills three quarters.
      {contained(other_container, {.size = 100, .material = 100, .fill = 6}), head + "50.0 quart, containing 30.0 quart Magical Potion of Influence, MEL 7  EL 4"},
      {contained(other_container, {.size = 46, .material = 89, .fill = 5, .subtype = 65}), head + "5.0 quart, containing 3.5 quart Natural Magic Item : Mandrake"},
      // Quality raises the contents' value, shown after them; own value in SC.
      {contained(other_container, {.size = 11, .material = 31}, quality(4)), good + "containing 1.0 quart Ale, value * 4.00"},
      // Both: value 7 * 1.5, contents 3 * 1.5, capacity 25 * 2. Small -75%: 0.25, worth 0.5.
      {contained(other_container, {.size = 96, .material = 45}, quality(3) | sized(4, 100)), "Container, exceptionally good, exceptionally large +100%, mod * 10.5 SC, size 50.0 quart, containing 50.0 quart Naptha, value * 4.50"},
      {contained(other_kegs, {.size = 100, .material = 36}, quality(2) | sized(8, 98)), "1 Keg(s), exceptionally good, exceptionally small -75%, size 25.0 quart, containing 25.0 quart Fine Wine, value * 1.00"},
  };
  // clang-format on
  for (const auto &c : cases) EXPECT_EQ(c[0], c[1]);
}
