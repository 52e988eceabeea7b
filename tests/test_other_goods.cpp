// Household goods: value texts of the simple goods, furniture, furs,
// coverings, glass and art works, ordinary and exceptional; containers and
// kegs with their capacity, contents, fill and magic contents.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tr_other.h"
#include "trtext.h"

namespace {

uint32_t good(int mult) { return EXC_QUALITY | (uint32_t(mult) << 4); }
// r_smla 1-5 large, 6-10 small; roll is the size-table row.
uint32_t sized(int r_smla, int roll) {
  return EXC_SIZE | (uint32_t(roll) << 12) | (uint32_t(r_smla) << 20);
}

template <typename F>
std::string text_of(F call) {
  trs_clear();
  call();
  return con_trs_txt;
}

TEST(SimpleGoods, ValueTexts) {
  EXPECT_EQ(text_of([] { other_eating(4, 7, 0); }),
            "4 Eating utensil(s), mod. * 7.0 BB");
  EXPECT_EQ(text_of([] { other_vessel(10, good(5)); }),
            "Drinking Vessel, exceptionally good, mod. * 50.0 BB");
  // Quality, then size (+100% is worth 1.5): 4 * 2 * 1.5.
  EXPECT_EQ(text_of([] { other_plate(4, good(2) | sized(5, 100)); }),
            "Plate, exceptionally good, exceptionally large +100%, "
            "mod. * 12.0 BB");
  EXPECT_EQ(text_of([] { other_tools(0); }), "Tools");
  EXPECT_EQ(text_of([] { other_tools(sized(6, 100)); }),
            "Tools, exceptionally small -90%, 0.3 * base value");
  const std::vector<std::pair<int, std::string>> furniture = {
      {1, "2 BB"}, {3, "5 BB"}, {4, "2.0 CC"}, {9, "2.0 SC"}, {10, "1.0 GC"}};
  for (const auto &[r_val, value] : furniture)
    EXPECT_EQ(text_of([&] { other_furniture(r_val, 0); }),
              "Furniture, " + value);
  EXPECT_EQ(text_of([] { other_furniture(3, good(7)); }),
            "Furniture, exceptionally good, 35 BB");
}

TEST(SimpleGoods, FursCoveringsGlassAndArt) {
  EXPECT_EQ(text_of([] { other_fur(20, 3, 0); }), "Fur, 20 CC");
  EXPECT_EQ(text_of([] { other_fur(20, 4, 0); }), "Fur Belt, 10 CC");
  EXPECT_EQ(text_of([] { other_fur(20, 10, 0); }), "Fur Robe, 50 CC");
  // Exceptionally good: SC, not multiplied by the quality multiplier 9.
  EXPECT_EQ(text_of([] { other_fur(12, 7, good(9)); }),
            "Fur, exceptionally good Coat, 24 SC");
  // Small -50% is worth 0.8.
  EXPECT_EQ(text_of([] { other_fur(10, 2, sized(10, 91)); }),
            "Fur, exceptionally small -50%, 8 CC");

  EXPECT_EQ(text_of([] { other_finecov(3, 10, 0); }),
            "Fine covering or Tapestry, 3' x 10', 150.0 CC");
  // Size 2.0 doubles both sides; value 5 * 1.5 * 4 * 12.
  EXPECT_EQ(text_of([] { other_finecov(2, 6, sized(3, 100)); }),
            "Fine covering or Tapestry, exceptionally large +100%, 4' x 12', "
            "360.0 CC");

  EXPECT_EQ(text_of([] { other_glass(9, 5, 0); }), "Small Glass Item, 1.0 CC");
  EXPECT_EQ(text_of([] { other_glass(10, 10, 0); }),
            "Large Crystal Item, 15.0 SC");
  EXPECT_EQ(text_of([] { other_glass(10, 6, good(6)); }),
            "Medium Crystal Item, exceptionally good, 18.0 SC");

  // An ordinary art work is never magical; an exceptionally good one is
  // worth val * 2 GC whatever the multiplier, and magical for 9 or 10.
  EXPECT_EQ(text_of([] { other_art(10, 10, 0); }), "Art work, 50.0 SC");
  EXPECT_EQ(text_of([] { other_art(10, 8, good(12)); }),
            "Art work, exceptionally good, 20.0 GC");
  // Large +80% is worth 1.4: 7 * 2 * 1.4.
  EXPECT_EQ(text_of([] { other_art(7, 9, good(5) | sized(2, 99)); }),
            "Art work, exceptionally good, exceptionally large +80%, 19.6 GC. "
            "Magical item, roll manually!");
}

// Value roll 7, capacity row 30 (2 or 5 quarts), beer, fill 8; the magic
// rolls name a potion of Influence, MEL 7, EL 9 (capped to 4), the plant
// Mandrake and the animal part Dragon Blood.
struct vessel {
  int size = 30, material = 1, fill = 8, amount_class = 1;
  int subtype = 85, nmi = 1;
};

std::string contained(void (*routine)(all_dice_ptr, uint32_t), vessel v,
                      uint32_t t_spec = 0) {
  all_dice d{};
  d.other.d6_2_misc_val = 7;
  d.other.d3star_amount_class = v.amount_class;
  d.other.d6_amount_1 = 3;
  d.other.d6_amount_2 = 4;
  d.other.d10_keg_fill = v.fill;
  d.other.d100_keg_size = v.size;
  d.other.d100_keg_material = v.material;
  d.magic.d100_subtype = v.subtype;
  d.magic.d6_2_MEL = 7;
  d.magic.d10_EL = 9;
  d.magic.d10_2_potion_amount = 13;
  d.magic.d3star_NMI_type = v.nmi;
  d.magic.d10_2_NMI_amount = 9;
  std::string text = text_of([&] { routine(&d, t_spec); });
  EXPECT_EQ(d.message, 1) << text;
  return text;
}

TEST(ContainersAndKegs, CapacityContentsAndFill) {
  const std::vector<std::vector<std::string>> capacity = {
      {"1", "0.5", "1.0"},    {"10", "0.5", "1.0"},   {"11", "1.0", "2.0"},
      {"45", "2.0", "5.0"},   {"46", "5.0", "10.0"},  {"90", "10.0", "20.0"},
      {"95", "15.0", "30.0"}, {"99", "25.0", "50.0"}, {"100", "50.0", "100.0"}};
  for (const auto &c : capacity) {
    vessel v{.size = std::stoi(c[0]), .fill = 9};
    EXPECT_EQ(contained(other_container, v),
              "Container, mod * 7.0 BB, size " + c[1] + " quart, empty ");
    EXPECT_EQ(contained(other_kegs, v),
              "1 Keg(s), size " + c[2] + " quart, empty ");
  }
  const std::vector<std::pair<int, std::string>> contents = {
      {5, "Beer"},           {6, "Good Wine"},    {13, "Nails"},
      {45, "Naptha"},        {62, "Ashes"},       {74, "Goideli Wine"},
      {88, "Healing Herbs"}, {91, "Salted Meat"}, {99, "Other Item"}};
  for (const auto &[material, name] : contents)
    EXPECT_EQ(contained(other_kegs, {.material = material, .fill = 1}),
              "1 Keg(s), size 5.0 quart, containing rotten " + name);
  const std::string head = "Container, mod * 7.0 BB, size 2.0 quart, ";
  EXPECT_EQ(contained(other_container, {}), head + "containing 2.0 quart Beer");
  EXPECT_EQ(contained(other_container, {.fill = 2}),  // 40 per cent
            head + "containing 0.8 quart Beer");
  for (int fill : {9, 10})
    EXPECT_EQ(contained(other_container, {.material = 100, .fill = fill}),
              head + "empty ");
  // Three kegs, each full with 100 quarts.
  EXPECT_EQ(
      contained(other_kegs, {.size = 100, .material = 31, .amount_class = 2}),
      "3 Keg(s), size 100.0 quart, containing 100.0 quart Ale");
  EXPECT_EQ(contained(other_kegs, {.fill = 9, .amount_class = 3}),
            "7 Keg(s), size 5.0 quart, empty ");
}

TEST(ContainersAndKegs, MagicContents) {
  // Rotten potions are still described, without ounces.
  EXPECT_EQ(
      contained(other_container, {.size = 100, .material = 100, .fill = 1}),
      "Container, mod * 7.0 BB, size 50.0 quart, containing rotten "
      "Magical Potion of Influence, MEL 7  EL 4");
  // Three quarters of 50 quarts, filled to 80 per cent.
  EXPECT_EQ(
      contained(other_container, {.size = 100, .material = 100, .fill = 6}),
      "Container, mod * 7.0 BB, size 50.0 quart, containing 30.0 quart "
      "Magical Potion of Influence, MEL 7  EL 4");
  EXPECT_EQ(contained(other_kegs, {.size = 100, .material = 100}),
            "1 Keg(s), size 100.0 quart, containing 75.0 quart Magical Potion "
            "of Influence, MEL 7  EL 4");
  // 70 per cent of 5 quarts.
  EXPECT_EQ(contained(other_container,
                      {.size = 46, .material = 89, .fill = 5, .subtype = 65}),
            "Container, mod * 7.0 BB, size 5.0 quart, containing 3.5 quart "
            "Natural Magic Item : Mandrake");
  EXPECT_EQ(
      contained(
          other_kegs,
          {.size = 1, .material = 90, .fill = 1, .subtype = 58, .nmi = 2}),
      "1 Keg(s), size 1.0 quart, containing rotten Natural Magic Item : "
      "Dragon Blood");
}

TEST(ContainersAndKegs, ExceptionalContainersAndKegs) {
  // Quality raises the contents' value, shown after them; own value in SC.
  const std::string good_head =
      "Container, exceptionally good, mod * 7.0 SC, size 1.0 quart, ";
  EXPECT_EQ(contained(other_container, {.size = 11, .material = 31}, good(4)),
            good_head + "containing 1.0 quart Ale, value * 4.00");
  EXPECT_EQ(contained(other_container, {.size = 11, .material = 31, .fill = 1},
                      good(4)),
            good_head + "containing rotten Ale");
  EXPECT_EQ(contained(other_container, {.size = 11, .fill = 10}, good(4)),
            good_head + "empty ");
  // Size alone (+50%: 1.5, worth 1.2): no contents multiplier.
  EXPECT_EQ(contained(other_container, {.material = 6}, sized(1, 88)),
            "Container, exceptionally large +50%, mod * 8.4 BB, size 3.0 "
            "quart, containing 3.0 quart Good Wine");
  // Both: value 7 * 1.5, contents 3 * 1.5, capacity 25 * 2.
  EXPECT_EQ(contained(other_container, {.size = 96, .material = 45},
                      good(3) | sized(4, 100)),
            "Container, exceptionally good, exceptionally large +100%, "
            "mod * 10.5 SC, size 50.0 quart, containing 50.0 quart Naptha, "
            "value * 4.50");
  // Small -75%: size 0.25, worth 0.5; value multiplier 2 * 0.5.
  EXPECT_EQ(contained(other_kegs, {.size = 100, .material = 36},
                      good(2) | sized(8, 98)),
            "1 Keg(s), exceptionally good, exceptionally small -75%, size 25.0 "
            "quart, containing 25.0 quart Fine Wine, value * 1.00");
}

}  // namespace
