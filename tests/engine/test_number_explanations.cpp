// Each explanation of a number is true at the bounds of the number: the
// coin kinds and counts the CDFs and the Station give, the worth the
// jeweler's EL adds and the treasures Station, MEL and CEL bring, as the
// tables and the script writer make them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "info_files.h"
#include "memory_generation.h"
#include "number_explanations.h"
#include "tr_coins.h"
#include "tr_gems.h"
#include "tr_metal.h"

namespace {

using kinds = std::map<std::string, int>;
const kinds ALL_GOLD{{"Gold Coins", 10}};

// The kinds a coin item takes over every d10 of its kind roll.
kinds kinds_at(int cdf, int station = NO_STATION) {
  kinds out;
  dice_record d{};
  item_result r;
  for (d.coins.d10_kind = 1; d.coins.d10_kind <= 10; ++d.coins.d10_kind)
    coins_main(r, cdf, 1, station, &d), ++out[coin_kind_name(r.coins.kind)];
  return out;
}

// "least to most", and on how many d100 rolls an item holds at least 200
// coins whatever the other dice, for the group's CDF.
std::string coins_at(int group_cdf) {
  dice_record lo{}, hi{};
  lo.coins = {0, 1, 1, 2, 1, 2}, hi.coins = {0, 10, 10, 20, 100, 12};
  int least = 1 << 30, most = 0, sure = 0;
  for (int a = 1; a <= 100; ++a) {
    lo.coins.d100_amount = hi.coins.d100_amount = a;
    int low = coins_number(&lo, group_cdf);
    least = std::min(least, low), sure += low >= 200;
    most = std::max(most, coins_number(&hi, group_cdf));
  }
  return std::to_string(least) + " to " + std::to_string(most) + ", " +
         std::to_string(sure);
}

// Items of the automatic script's portable and lair sections.
std::pair<int, int> items(uint32_t code, int station, int mel, int cel) {
  info_tables t{};
  t.monsters[0] = {"Seer", " ", nullptr, code, 0, 2};
  t.areas[0] = {"Cave", 2, 4, 6, 8, 10};
  t.monster_count = t.area_count = 1;
  settings s;
  default_settings(s);
  s.station = station, s.mel = mel, s.cel = cel;
  std::string text = automatic_script_text({t, s, " ", " ", {1, 1, 1}});
  std::size_t lair = text.find("LAIR-TREASURE");
  int portable = 0, in_lair = 0;
  for (std::size_t at = text.find("\n<"); at != std::string::npos;
       at = text.find("\n<", at + 1))
    ++(at < lair ? portable : in_lair);
  return {portable, in_lair};
}

TEST(NumberExplanations, TrueAtTheBoundsOfEachNumber) {
  const kinds lowest{{"Brass Bits", 3},
                     {"Copper Coins", 4},
                     {"Silver Coins", 2},
                     {"Gold Coins", 1}};
  EXPECT_EQ(kinds_at(1), lowest);
  EXPECT_EQ(kinds_at(4), lowest);
  EXPECT_NE(kinds_at(5), lowest);
  EXPECT_NE(kinds_at(44), ALL_GOLD);
  EXPECT_EQ(kinds_at(45), ALL_GOLD);
  EXPECT_EQ(kinds_at(99), ALL_GOLD);
  EXPECT_EQ(coins_at(1), "1 to 300, 0");
  EXPECT_EQ(coins_at(99), "2 to 4000, 74");
  // The Station's kind whatever the CDF.
  EXPECT_EQ(kinds_at(99, 0), (kinds{{"Brass Bits", 10}}));
  EXPECT_EQ(kinds_at(1, 1), (kinds{{"Brass Bits", 10}}));
  EXPECT_EQ(kinds_at(99, 2), (kinds{{"Copper Coins", 10}}));
  EXPECT_EQ(kinds_at(1, 4), (kinds{{"Silver Coins", 10}}));
  EXPECT_EQ(kinds_at(1, 5), ALL_GOLD);
  // The EL's tens to jewels and jewelry and to fine metal, not to gems.
  item_result r;
  auto size = [&](int kind, int el) { return gems_size(r, kind, el, 1); };
  for (int kind : {2, 3})
    EXPECT_EQ(std::to_string(size(kind, 9) - size(kind, 0)) +
                  std::to_string(size(kind, 10) - size(kind, 0)) +
                  std::to_string(size(kind, 80) - size(kind, 0)),
              "018");
  EXPECT_EQ(size(1, 80), size(1, 0));
  metal_dice m{};
  m.d10_type = 1, m.d6_val1 = 1;
  EXPECT_EQ(metal_form(r, m, 80) - metal_form(r, m, 9), 8);
  // 0x4: Station + 1 lair treasures, Station + MEL + CEL carried with 0x2;
  // 0x8 alone: MEL lair treasures, twice the carried rolls.
  EXPECT_EQ(items(0x6, 0, 0, 0), std::make_pair(0, 3));
  EXPECT_EQ(items(0x6, 10, 50, 50), std::make_pair(110, 13));
  EXPECT_EQ(items(0x4, 10, 50, 50), std::make_pair(0, 13));
  EXPECT_EQ(items(0xA, 0, 0, 0), std::make_pair(0, 2));
  EXPECT_EQ(items(0xA, 10, 50, 50), std::make_pair(220, 52));
  EXPECT_EQ(items(0xE, 10, 50, 50).second, 13);
  for (int i = 0; i < 20; ++i)  // 0x20 with 0x2: never at 0, always at 10
    EXPECT_EQ(std::make_pair(items(0x22, 0, 0, 0).first,
                             items(0x22, 10, 0, 0).first > 0),
              std::make_pair(0, true));

  // What the explanations say of these bounds.
  const std::pair<number_id, const char *> said[] = {
      // clang-format off
      {number_id::cdf, "Brass Bits 3 times in 10, Copper Coins 4, Silver Coins 2 and Gold Coins 1"},
      {number_id::cdf, "from CDF 45 to 99 every coin item is Gold Coins"},
      {number_id::group_cdf, "At 1 an item holds 1 to 300 coins, at 99 it holds 2 to 4000, and 200 or more for sure on 74 rolls"},
      {number_id::station, "(0 or 1 Brass Bits, 2 Copper Coins, 3 or 4 Silver Coins, 5 and up Gold Coins) and adds Station + 1 lair treasures"},
      {number_id::station, "(twice that many with 0x8)"},
      {number_id::station, "none at 0, every time at 10"},
      {number_id::jeweler_el, "loose gems get nothing. 0 to 9 add nothing, 80 adds 8"},
      {number_id::mel, "adds MEL lair treasures (none at 0, 50 at 50)"},
      {number_id::mel, "With 0x4 and no portable treasure it changes nothing"},
      {number_id::cel, "without portable treasure it changes nothing"},
      // clang-format on
  };
  for (const auto &[id, words] : said) {
    const number_explanation &e = explanation_of(id);
    EXPECT_NE(std::string(e.paragraph).find(words), std::string::npos) << words;
    EXPECT_LE(std::string(e.line).size(), std::size_t(EXPLANATION_LINE_MAX));
  }
}

}  // namespace
