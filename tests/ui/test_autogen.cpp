// Automatic generation (key "7"): one whole report for every sample monster.
#include <cstring>
#include <regex>

#include "dice.h"
#include "info_files.h"
#include "ui_env.h"

using AutoGen = UiEnv;

// Key "7" for every sample monster, each in another lair: one report naming
// the monster, no blank item line, a line for every lair item of the script.
TEST_F(AutoGen, KeySevenForEverySampleMonsterGivesOneWholeReport) {
  for (std::string f : {"monster.hxi", "area.hxi", "setup.hxi"})
    std::filesystem::copy(HOARDEX_DATA_DIR "/" + f, f);
  ASSERT_EQ(load_info_files(game), dialog_status::done);
  const std::string port_head = "\nPortable treasure :\n\n",
                    lair_head = "\n-----\n\nTreasure in lair  :\n\n";
  for (int i = 0; i < tables.monster_count; ++i) {
    seed_dice(i);
    config.monster_index = i, config.lair_index = i % tables.area_count;
    spit("default.hxo", "");
    ASSERT_EQ(generate_automatic(game), dialog_status::done);
    const std::string m = tables.monsters[i].name, g = tables.monsters[i].group,
                      r = output(), sc = script_text();
    const std::string label = g == " " ? m : g + ", " + m;
    const std::size_t port = r.find(port_head) + port_head.size(),
                      lair = r.find(lair_head, port - 1),
                      lair_end = lair + lair_head.size();
    ASSERT_TRUE(r.rfind(REPORT_RULE, 0) == 0 && port > port_head.size() &&
                lair != r.npos && port <= lair && r.ends_with("\n\n-----\n\n"))
        << label;
    EXPECT_EQ(r.find(REPORT_RULE, 1), r.npos) << label;  // one report
    EXPECT_NE(r.find("\nMonster    : " + label + "\n"), r.npos) << label;
    const std::string lair_items = r.substr(lair_end, r.size() - 8 - lair_end);
    const std::string items = r.substr(port, lair - port) + lair_items;
    EXPECT_FALSE(std::regex_search(items, std::regex("(^|\n) *\n"))) << label;
    EXPECT_GE(std::count(lair_items.begin(), lair_items.end(), '\n'),
              std::count(sc.begin() + sc.find("LAIR-TREASURE"), sc.end(), '<'))
        << label;
  }
}
