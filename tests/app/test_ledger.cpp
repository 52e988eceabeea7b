// The hoard's ledger: its totals against the reports' own coins and values,
// the rates, the total in one unit, the split, the pile and the rank, on
// both sides of their bounds.
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

// The rank against the reference hoards: 0% for an empty hoard, 100% past
// the largest, each in the end bin of the reference hoards' bins; the
// reference run leaves the reports' dice as they were.
TEST_F(Ledger, RankBoundsAndTheDiceKept) {
  ran plain = cli({"roll", "--monster", "20", "--count", "3", "--seed", "9",
                   "--format", "json"});
  ran ranked = cli({"roll", "--monster", "20", "--count", "3", "--seed", "9",
                    "--format", "json", "--rank", "--rates", "10,10,10"});
  std::vector<json> a = reports(plain.out), b = reports(ranked.out);
  ASSERT_EQ(a.size(), 3u);
  ASSERT_EQ(b.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(b[i]["ledger"]["rank"].contains("total"));
    b[i]["ledger"].erase("rank");
    EXPECT_EQ(a[i], b[i]);
  }
  loaded_session s;
  ASSERT_EQ(load_command_session(s, false), 0);
  const info_tables &t = s.tables;
  settings chosen{};
  chosen.monster_index = 19;
  generation_input in{t, chosen, "", "", {1, 1, 2000}};
  const std::vector<unit_tenths> &ref = reference_totals(in);
  ASSERT_EQ(ref.size(), std::size_t(REFERENCE_HOARDS));
  hoard_ledger none, most;
  for (coin_kind u : UNITS) most.coins[u] = 1LL << 40;
  exchange_rates rates{{10, 10, 10}};
  ledger_rank low = rank_ledger(none, ref, rates, true),
              high = rank_ledger(most, ref, rates, true);
  for (coin_kind u : UNITS) {
    EXPECT_EQ(low.below[int(u)], 0);
    EXPECT_EQ(high.below[int(u)], 100);
  }
  EXPECT_TRUE(low.total_below == 0 && high.total_below == 100);
  for (int u = 0; u <= UNIT_COUNT; ++u) {  // 0: the total
    const rank_bins &lo = u ? low.bins[u] : low.total_bins,
                    &hi = u ? high.bins[u] : high.total_bins;
    const long n = long(lo.hoards.size());
    long hoards = 0;
    for (long h : lo.hoards) hoards += h;
    EXPECT_EQ(hoards, REFERENCE_HOARDS) << u;
    EXPECT_TRUE(n >= 1 && n <= HISTOGRAM_BINS && lo.hoards.front() > 0 &&
                lo.hoards.back() > 0 &&
                lo.least + lo.width * (n - 1) <= lo.most)
        << u;
    EXPECT_EQ(hi.hoards, lo.hoards);
    EXPECT_EQ(lo.bin, 0);
    EXPECT_EQ(hi.bin, n - 1);
  }
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

// The pile adds up its reports' totals; the ledgers as data a front end
// keeps: read back as written; several make the pile roll makes of them; the
// rank of one alone; other data refused.
TEST_F(Ledger, DataOfReportsAddUpToTheirPile) {
  loaded_session s;
  ASSERT_EQ(load_command_session(s), 0);
  roll_request roll;
  roll.settings.monster = "34";
  roll.count = "4";
  roll.seed = "2";
  roll.json = roll.ledger_data = roll.ledger.pile = true;
  roll.ledger.asked.split = 3;
  const command_result rolled = roll_reports(roll, s);
  ASSERT_EQ(rolled.ledgers.size(), 4u);
  const std::vector<json> all = reports(rolled.json);
  ASSERT_EQ(all.size(), 5u);
  std::map<std::string, long long> sum;
  for (int i = 0; i < 4; ++i)
    for (const auto &[u, v] : as_tenths(all[i]["ledger"]["total"])) sum[u] += v;
  EXPECT_TRUE(all[4]["pile"] == true && all[4]["reports"] == 4);
  EXPECT_EQ(as_tenths(all[4]["ledger"]["total"]), sum);
  hoard_ledger back;
  ASSERT_TRUE(read_ledger_data(rolled.ledgers[1], back));
  EXPECT_EQ(ledger_data_json(back), rolled.ledgers[1]);
  ledger_data_request pile{{}, rolled.ledgers, "", "", "3", false};
  command_result piled = ledger_data_report(pile, s);
  EXPECT_EQ(json::parse(piled.json), all[4]["ledger"]);
  EXPECT_TRUE(holds(piled.text, "Ledger of 4 reports:\n"));
  pile.ledgers.resize(1), pile.rank = true, pile.settings.monster = "34";
  const json ranked = json::parse(ledger_data_report(pile, s).json);
  EXPECT_TRUE(ranked.contains("rank") && ranked["rank_bins"].size() == 4);
  json too_much = json::parse(rolled.ledgers[0]);
  too_much["coins"][0] = MAX_DATA_TENTHS + 1;
  for (const std::string &bad :
       {std::string("{}"), std::string("[1]"), too_much.dump(),
        std::string("{\"reports\"")}) {
    EXPECT_FALSE(read_ledger_data(bad, back)) << bad;
    pile.ledgers = {bad};
    EXPECT_EQ(ledger_data_report(pile, s).status, command_status::bad_usage);
  }
  pile.split = "0";
  EXPECT_EQ(ledger_data_report(pile, s).message,
            "--split: Value 0 not in range 1 to 1000");
}
