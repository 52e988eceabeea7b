// The hoard's ledger: its totals against the reports' own coins and values,
// the rates, the total in one unit and the split on both sides of their
// bounds, and the command line's ledger, pile and rank.
#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app_env.h"

namespace {

using json = nlohmann::json;
using Ledger = AppEnv;

long long tenths(const json &amount) {
  return std::llround(amount.get<double>() * 10);
}

// Per unit: the report's coins plus the worth of its items, in tenths.
std::map<std::string, long long> coins_and_worth(const json &report) {
  const std::map<std::string, std::string> unit = {{"Brass Bits", "BB"},
                                                   {"Copper Coins", "CC"},
                                                   {"Silver Coins", "SC"},
                                                   {"Gold Coins", "GC"}};
  std::map<std::string, long long> sum;
  for (const auto &[kind, count] : report["coins"].items())
    sum[unit.at(kind)] += 10 * count.get<long long>();
  for (const json &section : report["sections"])
    for (const json &e : section["entries"]) {
      json values = e.contains("values") ? e["values"] : json::array();
      if (e.contains("value") && values.empty()) values.push_back(e["value"]);
      for (const json &v : values)
        if (v["kind"] == "worth") sum[v["unit"]] += tenths(v["amount"]);
    }
  return sum;
}

std::map<std::string, long long> as_tenths(const json &by_unit) {
  std::map<std::string, long long> out;
  for (const auto &[unit, amount] : by_unit.items()) out[unit] = tenths(amount);
  return out;
}

std::vector<json> reports(const std::string &out) {
  std::vector<json> all;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);)
    all.push_back(json::parse(line));
  return all;
}

}  // namespace

// 50 seeded hoards of every sample monster, each in its own lair: the
// ledger's total is the report's coins plus its items' worth, per unit,
// never a base or promised value.
TEST_F(Ledger, TotalIsCoinsPlusWorthForEveryMonster) {
  loaded_session s;
  ASSERT_EQ(load_command_session(s, false), 0);
  const info_tables &t = s.tables;
  std::map<std::string, long> held;  // hoards with values of each kind
  for (int m = 1; m <= t.monster_count; ++m) {
    ran r = cli({"roll", "--monster", std::to_string(m), "--lair",
                 std::to_string(1 + m % t.area_count), "--count", "50",
                 "--seed", std::to_string(m), "--format", "json"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<json> all = reports(r.out);
    ASSERT_EQ(all.size(), 50u);
    for (const json &report : all) {
      EXPECT_EQ(as_tenths(report["ledger"]["total"]), coins_and_worth(report))
          << report.dump();
      for (const char *kind : {"worth", "base", "promised"})
        held[kind] += !report["ledger"][kind].empty();
    }
  }
  // The sample monsters' hoards do hold every kind of value.
  EXPECT_TRUE(held["worth"] > 500 && held["base"] > 100 && held["promised"] > 0)
      << held["worth"] << " " << held["base"] << " " << held["promised"];
}

// Rates: three whole numbers from 1 to MAX_RATE; the total in one unit
// exact to the tenth of a BB; the split of 0 players refused, of 1 whole,
// of 3 with a remainder.
TEST(LedgerRules, RatesTotalsAndSplits) {
  exchange_rates r;
  std::string error;
  for (const char *bad :
       {"10,10", "10,10,10,10", "0,10,10", "10,,10", "", "1001,1,1", "10,10,x",
        "-1,10,10", "10,10,-99999999999999999999"})
    EXPECT_FALSE(read_rates(bad, r, error)) << bad;
  EXPECT_FALSE(r.given());
  ASSERT_TRUE(read_rates("1000,1,1", r, error) &&
              read_rates("10,12,20", r, error));
  coin_kind unit = coin_kind::none;
  EXPECT_FALSE(read_unit("gc", unit) || read_unit("", unit));
  EXPECT_TRUE(read_unit("SC", unit) && unit == coin_kind::silver_coins);

  hoard_ledger l;
  l.coins[coin_kind::gold_coins] = 20;      // 2 GC
  l.worth[coin_kind::copper_coins] = 1005;  // 100.5 CC
  l.worth[coin_kind::brass_bits] = 3;       // 0.3 BB
  // 2 GC = 2 * 20 * 12 * 10 BB; 100.5 CC = 1005 BB: 5805.3 BB in all.
  EXPECT_EQ(in_smallest(l.total(), r), 58053);
  EXPECT_EQ(units_text(in_units(58053, coin_kind::gold_coins, r)),
            "2 GC, 8 SC, 4 CC, 5.3 BB");
  EXPECT_EQ(units_text(in_units(58053, coin_kind::brass_bits, r)), "5805.3 BB");
  unit_tenths huge;
  huge[coin_kind::gold_coins] = 1LL << 60;
  EXPECT_EQ(in_smallest(huge, r), -1);

  ledger_split s;
  EXPECT_FALSE(split_ledger(l, 0, r, s) ||
               split_ledger(l, MAX_PLAYERS + 1, r, s));
  hoard_ledger coins;  // shared in whole coins, fractions left over
  coins.coins[coin_kind::gold_coins] = 70;
  ASSERT_TRUE(split_ledger(coins, 1, {}, s));
  EXPECT_EQ(units_text(s.share) + "|" + units_text(s.left), "7 GC|none");
  EXPECT_FALSE(s.converted);
  // Amounts in JSON keep their tenth, whole ones too. Of 5805.3 BB, each of
  // 3 has 1935 BB in all, 33 CC in whole coins; 0.3 BB is left over.
  ledger_request asked{r, coin_kind::silver_coins, 3, false};
  l.unvalued[CATEGORY_MAGIC] = 2;
  EXPECT_EQ(
      ledger_json(l, asked, nullptr),
      R"({"coins":{"GC":2.0},"worth":{"BB":0.3,"CC":100.5},)"
      R"("total":{"BB":0.3,"CC":100.5,"GC":2.0},"base":[],"promised":[],)"
      R"("unvalued":{"magic":2},"in":{"unit":"SC","parts":{"BB":5.3,)"
      R"("CC":4.0,"SC":48.0}},"split":{"players":3,"each":{"CC":33.0},)"
      R"("left":{"BB":0.3,"CC":1.5,"GC":2.0},"each_in_all":{"BB":5.0,)"
      R"("CC":1.0,"SC":16.0},"left_in_all":{"BB":0.3},"to_hand_out":[]}})");
}

// The ledger goes to standard output only; --pile adds one ledger of all
// the reports; the options refuse what they cannot use.
TEST_F(Ledger, CommandLine) {
  ran r = cli({"roll", "--monster", "34", "--count", "4", "--seed", "2",
               "--append", "--ledger", "--split", "2", "--pile"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string file = slurp("Default.hxo");
  EXPECT_FALSE(holds(file, "Ledger"));
  EXPECT_TRUE(holds(r.out, "Ledger:\n  coins:") &&
              holds(r.out, "split 2 ways") &&
              holds(r.out, "\nLedger of the pile of 4 reports:\n"));
  EXPECT_TRUE(holds(cli({"roll", "--seed", "2", "--rank"}).out, "\n  rank:"));
  for (const arg_list &bad :
       {arg_list{"--split", "0"}, arg_list{"--split", "1001"},
        arg_list{"--rates", "10,10"}, arg_list{"--in", "GC"},
        arg_list{"--in", "XP", "--rates", "1,1,1"}}) {
    arg_list args = {"roll"};
    args.insert(args.end(), bad.begin(), bad.end());
    ran refused = cli(args);
    EXPECT_EQ(refused.status, EXIT_BAD_USAGE) << bad[1];
    EXPECT_EQ(refused.out, "");
  }
}
