// Each explanation of a number is true at the bounds of the number: the
// coin kinds and counts the CDFs give, the worth the jeweler's EL adds and
// the treasures Station, MEL and CEL bring, as the tables and the script
// writer make them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "headless.h"
#include "info_files.h"
#include "number_explanations.h"
#include "tr_coins.h"
#include "tr_gemjj.h"
#include "tr_metal.h"

namespace {

std::string said(number_id id) {
  const number_explanation &e = explanation_of(id);
  EXPECT_LE(std::string(e.line).size(), std::size_t(EXPLANATION_LINE_MAX));
  return std::string(e.line) + "\n" + e.paragraph;
}

// The kinds a coin item takes over every d10 of its kind roll.
std::map<std::string, int> kinds(int cdf, int station = NO_STATION) {
  std::map<std::string, int> out;
  dice_record d{};
  item_result r;
  for (d.coins.d10_kind = 1; d.coins.d10_kind <= 10; ++d.coins.d10_kind) {
    coins_main(r, cdf, 1, station, &d);
    ++out[coin_kind_name(r.coins.kind)];
  }
  return out;
}

// The fewest and most coins an item can hold for the group's CDF, and on
// how many d100 rolls it holds at least 200 whatever the other dice.
struct coin_span {
  int least = 1 << 30, most = 0, sure_200 = 0;
};
coin_span coins_at(int group_cdf) {
  coin_span s;
  dice_record lo{}, hi{};
  lo.coins = {0, 1, 1, 2, 1, 2};
  hi.coins = {0, 10, 10, 20, 100, 12};
  for (int a = 1; a <= 100; ++a) {
    lo.coins.d100_amount = hi.coins.d100_amount = a;
    int low = coins_number(&lo, group_cdf);
    s.least = std::min(s.least, low);
    s.most = std::max(s.most, coins_number(&hi, group_cdf));
    s.sure_200 += low >= 200;
  }
  return s;
}

TEST(NumberExplanations, CoinsFollowTheCdfsAsSaid) {
  const std::string cdf = said(number_id::cdf);
  const std::map<std::string, int> lowest{{"Brass Bits", 3},
                                          {"Copper Coins", 4},
                                          {"Silver Coins", 2},
                                          {"Gold Coins", 1}};
  EXPECT_EQ(kinds(1), lowest);
  EXPECT_EQ(kinds(4), lowest);
  EXPECT_NE(kinds(5), lowest);
  for (const auto &[name, times] : lowest)
    EXPECT_NE(cdf.find(name + " " +
                       (times == 3 ? "3 times in 10" : std::to_string(times))),
              std::string::npos)
        << name;
  EXPECT_NE(kinds(44), (std::map<std::string, int>{{"Gold Coins", 10}}));
  for (int c : {45, 99})
    EXPECT_EQ(kinds(c), (std::map<std::string, int>{{"Gold Coins", 10}}));
  EXPECT_NE(cdf.find("from CDF 45 to 99 every coin item is Gold Coins"),
            std::string::npos);

  const std::string group = said(number_id::group_cdf);
  coin_span one = coins_at(1), top = coins_at(99);
  EXPECT_EQ(std::to_string(one.least) + " to " + std::to_string(one.most),
            "1 to 300");
  EXPECT_EQ(std::to_string(top.least) + " to " + std::to_string(top.most),
            "2 to 4000");
  EXPECT_EQ(top.sure_200, 74);
  for (const char *words : {"At 1 an item holds 1 to 300 coins",
                            "at 99 it holds 2 to 4000", "on 74 rolls"})
    EXPECT_NE(group.find(words), std::string::npos) << words;
}

TEST(NumberExplanations, StationKindAndJewelerTensAsSaid) {
  EXPECT_EQ(kinds(99, 0), (std::map<std::string, int>{{"Brass Bits", 10}}));
  EXPECT_EQ(kinds(1, 1), (std::map<std::string, int>{{"Brass Bits", 10}}));
  EXPECT_EQ(kinds(99, 2), (std::map<std::string, int>{{"Copper Coins", 10}}));
  EXPECT_EQ(kinds(1, 4), (std::map<std::string, int>{{"Silver Coins", 10}}));
  EXPECT_EQ(kinds(1, 5), (std::map<std::string, int>{{"Gold Coins", 10}}));
  EXPECT_NE(said(number_id::station)
                .find("(0 or 1 Brass Bits, 2 Copper Coins, 3 or 4 Silver "
                      "Coins, 5 and up Gold Coins)"),
            std::string::npos);

  item_result r;
  auto jewel = [&](int kind, int el) { return gemjj_size(r, kind, el, 1); };
  metal_dice m{};
  m.d10_type = 1;
  m.d6_val1 = 1;
  for (int kind : {2, 3}) {
    EXPECT_EQ(jewel(kind, 9) - jewel(kind, 0), 0);
    EXPECT_EQ(jewel(kind, 10) - jewel(kind, 0), 1);
    EXPECT_EQ(jewel(kind, 80) - jewel(kind, 0), 8);
  }
  EXPECT_EQ(jewel(1, 80), jewel(1, 0));
  EXPECT_EQ(metal_form(r, m, 80) - metal_form(r, m, 9), 8);
  EXPECT_NE(said(number_id::jeweler_el)
                .find("loose gems get nothing. 0 to 9 add nothing, 80 adds 8"),
            std::string::npos);
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

TEST(NumberExplanations, ScoresBringTheTreasuresSaid) {
  // 0x4: Station + 1 lair treasures; carried Station + MEL + CEL with 0x2.
  EXPECT_EQ(items(0x6, 0, 0, 0), std::make_pair(0, 3));
  EXPECT_EQ(items(0x6, 10, 50, 50), std::make_pair(110, 13));
  EXPECT_EQ(items(0x4, 10, 50, 50), std::make_pair(0, 13));
  // 0x8 alone: MEL lair treasures, twice the carried rolls.
  EXPECT_EQ(items(0xA, 0, 0, 0), std::make_pair(0, 2));
  EXPECT_EQ(items(0xA, 10, 50, 50), std::make_pair(220, 52));
  EXPECT_EQ(items(0xE, 10, 50, 50).second, 13);
  // 0x20 with 0x2: none at Station 0, every time at 10.
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(items(0x22, 0, 0, 0).first, 0);
    EXPECT_GE(items(0x22, 10, 0, 0).first, 1);
  }
  for (const char *words :
       {"adds Station + 1 lair treasures", "twice that many with 0x8",
        "none at 0, every time at 10"})
    EXPECT_NE(said(number_id::station).find(words), std::string::npos) << words;
  EXPECT_NE(said(number_id::mel)
                .find("adds MEL lair treasures (none at 0, "
                      "50 at 50)"),
            std::string::npos);
  EXPECT_NE(said(number_id::cel)
                .find("without portable treasure it changes "
                      "nothing"),
            std::string::npos);
}

}  // namespace
