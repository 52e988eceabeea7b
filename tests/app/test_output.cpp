// What the commands print, at the level of the functions: the fields of a
// report in JSON and the arithmetic of the statistics.
#include <nlohmann/json.hpp>

#include "app_env.h"
#include "stats.h"

namespace {

using json = nlohmann::json;

const std::string HEAD =
    "1 2 2020\n3 4 5\n[POS: Mill\n[COM: Note\n----------\n"
    "0 0 20 30 7 4 65536\n----------\n";

json report_of(const std::string &script, const settings *used,
               const info_tables &t) {
  json_report_writer w(used);
  interpret_text(script, t, w);
  EXPECT_EQ(w.out.back(), '\n');
  EXPECT_EQ(w.out.find('\n'), w.out.size() - 1);  // one line
  return json::parse(w.out);
}

class Json : public EngineEnv {};

TEST_F(Json, EveryFieldOfAReport) {
  const std::string script = HEAD +
                             "[ before any section\n]\nPORTABLE\n"
                             "END-OF-SECTION\n----------\nLAIR-TREASURE\n"
                             "< L1_COINS >\n< L2_GEM LARGE >\n[ note\n]\n"
                             "END-OF-SECTION\n";
  config.mel = 9;
  config.cel = 3;
  config.answers = KING | MAGIC_USER;
  json r = report_of(script, &config, tables);
  std::vector<std::string> keys;
  for (auto it = r.begin(); it != r.end(); ++it) keys.push_back(it.key());
  // nlohmann::json sorts its keys; the order written is checked below.
  EXPECT_EQ(keys, (std::vector<std::string>{"comments", "complete", "game_date",
                                            "lair", "monster", "position",
                                            "real_date", "sections",
                                            "settings"}));
  EXPECT_EQ(r["real_date"], "1/2/2020");
  EXPECT_EQ(r["game_date"], "3/4/5");
  EXPECT_EQ(r["position"], "Mill");
  EXPECT_EQ(r["comments"], "Note");
  EXPECT_EQ(r["lair"], "Cave");
  EXPECT_EQ(r["monster"], "Orc, Grunt");
  EXPECT_EQ(r["settings"], json::parse(R"({"cdf":20,"group_cdf":30,
      "jeweler_el":7,"station":0,"mel":9,"cel":3,
      "answers":["magic-user","king"]})"));
  ASSERT_EQ(r["sections"].size(), 3u);
  EXPECT_EQ(r["sections"][0], json::parse(R"({"name":"","entries":[
      {"kind":"text","text":"before any section\n"}]})"));
  EXPECT_EQ(r["sections"][1], json::parse(R"({"name":"Portable treasure",
      "entries":[]})"));
  const json &lair = r["sections"][2];
  EXPECT_EQ(lair["name"], "Treasure in lair");
  ASSERT_EQ(lair["entries"].size(), 3u);
  EXPECT_EQ(lair["entries"][0]["kind"], "item");
  EXPECT_EQ(lair["entries"][0]["category"], "coins");
  EXPECT_EQ(lair["entries"][0]["keywords"], json::parse(R"(["L1_COINS"])"));
  EXPECT_EQ(lair["entries"][1]["category"], "gems and jewelry");
  EXPECT_EQ(lair["entries"][1]["keywords"],
            json::parse(R"(["L2_GEM","LARGE"])"));
  EXPECT_FALSE(lair["entries"][1]["lines"].empty());
  EXPECT_EQ(lair["entries"][2], json::parse(R"({"kind":"text",
      "text":"note\n"})"));
  EXPECT_EQ(r["complete"], true);

  // Written in the documented order.
  json_report_writer w(&config);
  interpret_text(script, tables, w);
  std::size_t at = 0;
  for (const char *key : {"real_date", "game_date", "position", "comments",
                          "lair", "monster", "settings", "sections",
                          "complete"}) {
    std::size_t found = w.out.find("\"" + std::string(key) + "\":", at);
    EXPECT_NE(found, std::string::npos) << key;
    at = found;
  }
}

// A script read from a file: what only the settings know is null, and a
// script cut short says so; bytes that are not UTF-8 become U+FFFD.
TEST_F(Json, ScriptsCutShortAndBytesThatAreNotUtf8) {
  json r = report_of(HEAD + "PORTABLE\n< L1_COINS \xE9X >\n[ caf\xE9\n",
                     nullptr, tables);
  EXPECT_EQ(r["settings"]["station"], 4);
  for (const char *unknown : {"mel", "cel", "answers"})
    EXPECT_TRUE(r["settings"][unknown].is_null()) << unknown;
  EXPECT_EQ(r["complete"], false);
  const json &entries = r["sections"][0]["entries"];
  EXPECT_EQ(entries[0]["keywords"][1], "\xEF\xBF\xBDX");
  EXPECT_EQ(entries[1]["text"], "caf\xEF\xBF\xBD\n");
  json cut = report_of("1 2 2020\n3 4", nullptr, tables);
  EXPECT_EQ(cut["real_date"], "1/2/2020");
  for (const char *unknown : {"game_date", "lair", "monster"})
    EXPECT_TRUE(cut[unknown].is_null()) << unknown;
  EXPECT_TRUE(cut["settings"]["cdf"].is_null());
  EXPECT_TRUE(cut["settings"]["station"].is_null());
}

// Eleven hoards holding 0 to 10 items, and an uneven one: every figure is
// read at its rank, every share divided by its own total.
TEST(Stats, FiguresOfASection) {
  section_tally t;
  t.histogram = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  t.category_items[2] = 30;  // coins
  t.category_items[5] = 10;  // magic
  t.category_items[7] = 15;  // none
  t.coins["gold coins"] = 110;
  t.with_magic = 4;
  section_summary s = summarize(t);
  EXPECT_EQ(s.hoards, 11);
  EXPECT_EQ(s.items, 55);
  EXPECT_DOUBLE_EQ(s.mean, 5.0);
  EXPECT_EQ(s.least, 0);
  EXPECT_EQ(s.p10, 1);
  EXPECT_EQ(s.p50, 5);
  EXPECT_EQ(s.p90, 9);
  EXPECT_EQ(s.max, 10);
  ASSERT_EQ(s.category_share.size(), 3u);
  EXPECT_STREQ(s.category_share[0].first, "coins");
  EXPECT_DOUBLE_EQ(s.category_share[0].second, 30.0 / 55);
  EXPECT_STREQ(s.category_share[1].first, "magic");
  EXPECT_DOUBLE_EQ(s.category_share[2].second, 15.0 / 55);
  ASSERT_EQ(s.coins_per_hoard.size(), 1u);
  EXPECT_DOUBLE_EQ(s.coins_per_hoard[0].second, 10.0);
  EXPECT_DOUBLE_EQ(s.magic_share, 4.0 / 11);

  section_tally u;  // counts 2 2 2 5 5 5 5 5 5 9 (ranks 0 to 9)
  u.histogram = {0, 0, 3, 0, 0, 6, 0, 0, 0, 1};
  s = summarize(u);
  EXPECT_EQ(s.least, 2);
  EXPECT_EQ(s.p10, 2);  // rank 1
  EXPECT_EQ(s.p50, 5);  // rank 5
  EXPECT_EQ(s.p90, 5);  // rank 8
  EXPECT_EQ(s.max, 9);
  EXPECT_DOUBLE_EQ(s.mean, 4.5);
  EXPECT_TRUE(s.category_share.empty());
}

// The tally of events: items per section, categories, coins by kind, hoards
// with magic; an item outside any section counts nowhere.
TEST(Stats, TallyOfTheEvents) {
  tally_sink tally;
  auto hoard = [&tally](std::vector<std::pair<int, const char *>> lair) {
    tally.header(report_header{});
    tally.item({2, "L1_COINS", "5 gold coins\n", 1});  // before a section
    tally.section(section_kind::portable, "", 1);
    tally.item({5, "L1_MAGIC", "a wand\n", 1});
    tally.section(section_kind::lair_treasure, "", 1);
    for (auto [category, text] : lair) tally.item({category, "", text, 1});
    tally.end({true, 0});
  };
  hoard({{2, "12 gold coins\n"}, {2, "3 silver coins \n"}, {1, "a rug\n"}});
  hoard({{5, "a ring\n"}});
  const section_tally &portable = tally.sections[0], &lair = tally.sections[1];
  EXPECT_EQ(portable.histogram, (std::vector<long>{0, 2}));
  EXPECT_EQ(portable.with_magic, 2);
  EXPECT_EQ(portable.category_items[2], 0);
  EXPECT_EQ(lair.histogram, (std::vector<long>{0, 1, 0, 1}));
  EXPECT_EQ(lair.category_items[2], 2);
  EXPECT_EQ(lair.category_items[1], 1);
  EXPECT_EQ(lair.with_magic, 1);
  EXPECT_EQ(lair.coins, (std::map<std::string, double>{{"gold coins", 12},
                                                       {"silver coins", 3}}));
}

// The three formats print the same figures.
TEST(Stats, TextCsvAndJson) {
  section_tally t[2];
  t[0].histogram = {29};
  t[1].histogram.assign(26, 0);  // 4 hoards of 0 items, 1 of 1, ... of 25
  t[1].histogram[0] = 4;
  for (int k = 1; k < 26; ++k) t[1].histogram[k] = 1;
  t[1].category_items[1] = 325;
  t[1].coins["copper coins"] = 58;
  t[1].with_magic = 29;
  char *buffer = nullptr;
  std::size_t size = 0;
  FILE *f = open_memstream(&buffer, &size);
  print_stats_text(f, t);
  std::fclose(f);
  std::string text(buffer, size);
  std::free(buffer);
  for (const std::string &line : std::vector<std::string>{
           "Portable treasure, 29 generations\n",
        "  items: mean 0.00, 10% 0, 50% 0, 90% 0, max 0\n",
        "  share of the items by category: none\n",
        "Lair treasure, 29 generations\n",
        "  items: mean 11.21, 10% 0, 50% 11, 90% 22, max 25\n",
        // 25 counts in rows of 3 from 0: 4 + 1 + 1 hoards in the first row
        "        0-2 |" + std::string(50, '#') + "  20.7%\n",
        "        3-5 |" + std::string(25, '#') + std::string(25, ' ') +
            "  10.3%\n",
        "      24-26 |" + std::string(16, '#') + std::string(34, ' ') +
            "   6.9%\n",
        "    other                100.0%\n", "    copper coins             2.0\n",
        "  hoards with a magic item: 100.0%\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << text;

  f = open_memstream(&buffer, &size);
  print_stats_csv(f, t);
  std::fclose(f);
  std::string csv(buffer, size);
  std::free(buffer);
  for (const char *row :
       {"section,measure,key,value\n", "portable,histogram,0,29\n",
        "lair,items,p90,22\n", "lair,histogram,25,1\n",
        "lair,category_share,other,1.0000\n",
        "lair,coins_per_hoard,copper coins,2.0000\n",
        "lair,magic_share,,1.0000\n"})
    EXPECT_NE(csv.find(row), std::string::npos) << row;
  EXPECT_EQ(csv.find("lair,histogram,26"), std::string::npos);

  json j = json::parse(stats_json(t));
  EXPECT_EQ(j["generations"], 29);
  EXPECT_EQ(j["portable"]["histogram"], json::parse("[29]"));
  EXPECT_EQ(j["lair"]["histogram"].size(), 26u);
  EXPECT_EQ(j["lair"]["items"]["p50"], 11);
  EXPECT_EQ(j["lair"]["category_share"], json::parse(R"({"other":1.0})"));
  EXPECT_EQ(j["lair"]["coins_per_hoard"]["copper coins"], 2.0);
  EXPECT_EQ(j["lair"]["magic_share"], 1.0);
  EXPECT_EQ(j["portable"]["category_share"], json::object());
}

}  // namespace
