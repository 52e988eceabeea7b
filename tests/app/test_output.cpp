// What the commands print, at the level of the functions: the fields of a
// report in JSON and the arithmetic of the statistics.
#include <nlohmann/json.hpp>

#include "app_env.h"
#include "hoard_stats.h"
#include "memory_generation.h"
#include "progress.h"
#include "report_json.h"

namespace {

using json = nlohmann::json;
using Json = EngineEnv;

const std::string HEAD =
    "1 2 2020\n3 4 5\n[POS: Mill\n[COM: Note\n----------\n"
    "0 0 20 30 7 4 65536\n----------\n";

// The report of a script as the writer builds it: one line, in order.
json report_of(const std::string &script, const settings *used,
               const info_tables &t) {
  json_report_writer w(used);
  interpret_text(script, t, w);
  EXPECT_EQ(w.out.find('\n'), w.out.size() - 1);
  std::size_t at = 0;
  for (const char *key :
       {"real_date", "game_date", "position", "comments", "lair", "monster",
        "settings", "sections", "complete"})
    EXPECT_LT(at = w.out.find("\"" + std::string(key) + "\":", at),
              std::string::npos)
        << key;
  return json::parse(w.out);
}

TEST_F(Json, EveryFieldOfAReport) {
  config.mel = 9;
  config.cel = 3;
  config.answers = KING | MAGIC_USER;
  json r = report_of(HEAD +
                         "[ before any section\n]\nPORTABLE\nEND-OF-SECTION\n"
                         "----------\nLAIR-TREASURE\n< L1_COINS >\n"
                         "< L2_GEM LARGE >\n[ note\n]\nEND-OF-SECTION\n",
                     &config, tables);
  json lair = r["sections"][2];
  EXPECT_FALSE(lair["entries"][1]["lines"].empty());
  lair["entries"][0].erase("lines");
  lair["entries"][1].erase("lines");
  r["sections"].erase(2);
  EXPECT_EQ(r, json::parse(R"({"real_date":"1/2/2020","game_date":"3/4/5",
      "position":"Mill","comments":"Note","lair":"Cave","monster":"Orc, Grunt",
      "settings":{"cdf":20,"group_cdf":30,"jeweler_el":7,"station":0,"mel":9,
        "cel":3,"answers":["magic-user","king"]},
      "sections":[{"name":"","entries":[{"kind":"text",
        "text":"before any section\n"}]},
        {"name":"Portable treasure","entries":[]}],
      "coins":{"Silver Coins":620},"complete":true,"ledger":{"coins":{"SC":620.0},
      "worth":{"SC":4.0},"total":{"SC":624.0},"base":[],"promised":[],
      "unvalued":{}}})"));
  EXPECT_EQ(lair, json::parse(R"({"name":"Treasure in lair","entries":[
      {"kind":"item","category":"coins","keywords":["L1_COINS"],
       "coins":{"kind":"Silver Coins","count":620}},
      {"kind":"item","category":"gems and jewelry",
       "keywords":["L2_GEM","LARGE"],
       "value":{"amount":4.0,"unit":"SC","kind":"worth"}},
      {"kind":"text","text":"note\n"}]})"));
}

// The engine writes JSON by hand for every front end: its strings are the
// library's bytes, each stretch that is not UTF-8 one U+FFFD and the byte
// that cut a sequence short read again, also across a long text's pieces.
TEST_F(Json, StringsAsTheLibraryWritesThem) {
  for (const char *text :
       {"q\"b\\\b\f\n\r\t\x01\x1f\x7f",
        "\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x90\x89", "\xE9t\xE9", "\xC3",
        "\xC3"
        "A",
        "\xE2\x82"
        "A",
        "\xF0\x9F\x90", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
        "\xF4\x90\x80\x80", "\xF5\x80", "\x80\xBF\xFF", "\xE2\xC3\xA9"}) {
    EXPECT_EQ(json_string(text),
              json(text).dump(-1, ' ', false, json::error_handler_t::replace))
        << text;
    // A long text comes in pieces: cut anywhere, it is written the same.
    const std::string_view s(text);
    json_report_writer whole(nullptr);
    whole.literal(s, 0, true);
    for (std::size_t i = 0; i <= s.size(); ++i)
      for (std::size_t j = i; j <= s.size(); ++j) {
        json_report_writer cut(nullptr);
        cut.literal_piece(s.substr(0, i));
        cut.literal_piece(s.substr(i, j - i));
        cut.literal(s.substr(j), 0, true);
        EXPECT_EQ(cut.out, whole.out) << text << " cut at " << i << "," << j;
      }
  }
}

// The three formats print the same figures: every one read at its rank of
// the hoards in order, every share divided by its own total.
TEST(Stats, TextCsvAndJson) {
  section_tally t[2];
  t[0].histogram = {29};
  t[1].histogram.assign(26, 1);  // 4 hoards of 0 items, then one of each
  t[1].histogram[0] = 4;         // count to 25
  t[1].category_items[1] = 260;  // other
  t[1].category_items[5] = 65;   // magic
  t[1].coins["copper coins"] = 58;
  t[1].with_magic = 8;
  total_tally totals;  // GC: as the lair's items; BB: none in any hoard
  totals.hoards = 29;
  totals.hoards_with[4] = {{0, 4}};
  totals.hoards_with[1] = {{0, 29}};
  for (int gc = 1; gc <= 25; ++gc) totals.hoards_with[4][gc * 10] = 1;
  const std::string printed[2] = {stats_text(t, totals), stats_csv(t, totals)};
  const std::string bar(50, '#');
  for (const std::string &line : std::vector<std::string>{
           "Portable treasure, 29 generations\n",
           "  share of the items by category: none\n",
           "  items: mean 11.21, 10% 0, 50% 11, 90% 22, max 25\n",
           // rows of three counts: 4 + 1 + 1 hoards in the first
           "        0-2 |" + bar + "  20.7%\n",
           "      24-26 |" + bar.substr(34) + std::string(34, ' ') +
               "   6.9%\n",
           "    other                 80.0%\n    magic                 20.0%\n",
           "    copper coins             2.0\n",
           "  hoards with a magic item: 27.6%\n",
           "\nTotal of each hoard (coins plus stated worth), 29 generations\n"
           "  GC: mean 11.21, 10% 0, 50% 11, 90% 22\n",
           "  BB: mean 0.00, 10% 0, 50% 0, 90% 0\n"})
    EXPECT_TRUE(holds(printed[0], line)) << line << printed[0];
  for (const char *row :
       {"portable,histogram,0,29\n", "lair,items,p90,22\n",
        "lair,histogram,25,1\n", "lair,category_share,magic,0.2000\n",
        "lair,coins_per_hoard,copper coins,2.0000\n",
        "lair,magic_share,,0.2759\n", "hoard,total_GC,p90,22\n",
        "hoard,total_BB,mean,0.0000\n"})
    EXPECT_TRUE(holds(printed[1], row)) << row;
  json j = json::parse(stats_json(t, totals));
  EXPECT_EQ(j["hoard_totals"]["GC"], json::parse(R"({"mean":11.206896551724139,
      "p10":0.0,"p50":11.0,"p90":22.0})"));
  EXPECT_EQ(j["portable"], json::parse(R"({"items":{"mean":0.0,"p10":0,"p50":0,
      "p90":0,"max":0},"histogram":[29],"category_share":{},
      "coins_per_hoard":{},"magic_share":0.0})"));
  j["lair"]["histogram"] = j["lair"]["histogram"].size();
  EXPECT_EQ(j["lair"], json::parse(R"({"items":{"mean":11.206896551724139,
      "p10":0,"p50":11,"p90":22,"max":25},"histogram":26,
      "category_share":{"other":0.8,"magic":0.2},
      "coins_per_hoard":{"copper coins":2.0},"magic_share":0.27586206896551724})"));
  EXPECT_EQ(j["generations"], 29);
}

}  // namespace

using Additions = AppEnv;

// The list of names, what run leaves out warned by line (status 1 only with
// --strict), and the words of the progress line.
TEST_F(Additions, ListRunWarningsAndTheProgressText) {
  ran list = cli({"list"});
  EXPECT_EQ(list.status, 0);
  EXPECT_TRUE(holds(list.out, "Monsters:\n  1: Ashen Crawler\n  2: Mire") &&
              holds(list.out, "Lairs:\n  1: Open Ground\n") &&
              holds(list.out, " 14: Sealed Treasury\n"))
      << list.out;
  // A warning of the interpreter, after the program's name, the script and
  // its line.
  spit("one.hxs", MANUAL_HEAD + "STRAY\nEND-OF-SECTION\n");
  ran run = cli({"run", "one.hxs"}),
      strict = cli({"run", "--strict", "one.hxs"});
  EXPECT_EQ(run.status + strict.status * 10, 10);
  EXPECT_EQ(strict.err, run.err);
  EXPECT_EQ(run.err,
            "hoardex: one.hxs:9: warning: unknown word 'STRAY' outside an item "
            "is ignored\n");
  EXPECT_EQ(progress_text(0, 10, 0) + "|" + progress_text(10, 10, 3),
            "0 of 10 done (0%)|10 of 10 done (100%)");
  EXPECT_EQ(progress_text(25, 100, 5) + "|" + progress_text(1, 100, 1),
            "25 of 100 done (25%), about 15 s left|1 of 100 done (1%), about "
            "2 min left");
}
