// Random items of every category through the keywords and the dispatch:
// whole texts with true line counts for any roll. Under the sanitizer build
// this is where a table that reads or writes out of bounds shows up.
#include <algorithm>
#include <cstring>

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

}  // namespace
