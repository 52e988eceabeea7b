// Random items of every category through the dispatch and the interpreter,
// and key "7" for every sample monster: whole texts and well-formed reports
// for any roll. Under the sanitizer build this is where a table that reads
// or writes out of bounds for a rare roll shows up.
#include <algorithm>
#include <cstring>
#include <regex>

#include "dice.h"
#include "info_files.h"
#include "keywords.h"
#include "ui_env.h"

namespace {

constexpr int ITEMS = 100000;

// The category code of each item kind, and keyword lists that make one.
const struct {
  int code;
  std::vector<std::vector<const char *>> items;
} CATEGORIES[] = {
    // clang-format off
    {1, {{"L1_OTHER"}, {"L2_CLOTHING"}}},
    {2, {{"L1_COINS"}}},
    {3, {{"L1_GEMJJ"}, {"L2_GEM"}, {"L2_JEWELRY"}, {"L2_JEWEL", "LARGE"}, {"LARGE", "L1_GEMJJ"}}},
    {4, {{"L1_MILIT"}, {"L2_WEAPON", "ONE_ONLY"}}},
    {5, {{"L1_MAGIC"}, {"L1_MAGIC", "ELDER"}, {"L3_MAGICWEAPON"}}},
    {6, {{"L1_METAL"}, {"L1_METAL", "GOLD"}}},
    // clang-format on
};

bool printable(const std::string &s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return c == '\n' || (c >= 32 && c < 127); });
}

using Random = UiEnv;

TEST_F(Random, EveryCategoryKeepsTheRoutineContract) {
  seed_dice(7);
  dice_record dice{};
  for (int i = 0; i < ITEMS; ++i) {
    const auto &c = CATEGORIES[i % 6];
    roll_dice(dice);
    int code = 0;
    for (const char *kw : c.items[std::rand() % c.items.size()])
      code = apply_keyword(kw, code, dice);
    ASSERT_EQ(code, c.code);
    std::memset(result_text, 'x', RESULT_TEXT_SIZE);
    result_text[0] = '\0';
    item_numbers numbers{1 + std::rand() % 99, 1 + std::rand() % 99,
                         std::rand() % 81, std::rand() % 12 - 1};
    int lines = evaluate_item(code, numbers, dice);
    std::size_t len = strnlen(result_text, RESULT_TEXT_SIZE);
    ASSERT_LT(len, RESULT_TEXT_SIZE - 1u) << "code " << code << " ran over";
    const std::string text(result_text, len);
    ASSERT_TRUE(len > 0 && text.back() == '\n' && printable(text)) << text;
    ASSERT_EQ(lines, std::count(text.begin(), text.end(), '\n')) << text;
  }
}

// Key "7" for every sample monster, each in another lair: one report naming
// the monster, no blank item line, a line for every lair item of the script.
TEST_F(Random, KeySevenForEverySampleMonster) {
  for (std::string f : {"monster.hxi", "area.hxi", "setup.hxi"})
    std::filesystem::copy(HOARDEX_DATA_DIR "/" + f, f);
  ASSERT_EQ(load_info_files(ss), 0);
  const std::string port_head = "\nPortable treasure :\n\n",
                    lair_head = "\n-----\n\nTreasure in lair  :\n\n";
  for (int i = 0; i < tables.monster_count; ++i) {
    seed_dice(i);
    config.monster_index = i, config.lair_index = i % tables.area_count;
    spit("default.hxo", "");
    ASSERT_EQ(generate_automatic(ss), 0);
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
  free_monsters(tables);
}

}  // namespace
