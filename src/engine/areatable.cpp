// The area treasure table, which picks one category per lair item from the
// lair's area record, and the metal or jewelry selector of the portable
// treasure table. Both write treasure items to the open script.
#include "dice.h"
#include "engine.h"
#include "scriptio.h"

namespace {

// The keyword of an area-table roll: the first category whose upper bound in
// the area record the roll does not exceed; above every bound, magic.
const char *area_keyword(const area_type &a, int roll) {
  const struct {
    int bound;
    const char *keyword;
  } bounds[] = {
      {a.other, "L1_OTHER"},
      {a.coins, "L1_COINS"},
      {a.gemjj, "L1_GEMJJ"},
      {a.milit, "L1_MILIT"},
  };
  for (const auto &b : bounds)
    if (roll <= b.bound) return b.keyword;
  return "L1_MAGIC";
}

// The keywords of one selector item: `high` on a d100 over 50, `low` on 50
// or less.
struct selector_row {
  int select;
  const char *high[2];
  const char *low[2];
};

// clang-format off
constexpr selector_row SELECTORS[] = {
  {0,  {"L1_METAL",   nullptr}, {"L2_JEWELRY", nullptr}},
  {1,  {"L2_JEWELRY", nullptr}, {"L2_JEWELRY", nullptr}},
  {2,  {"L1_METAL",   nullptr}, {"L1_METAL",   nullptr}},
  {20, {"L2_JEWEL",   "LARGE"}, {"L2_JEWEL",   "LARGE"}},
  {21, {"L2_JEWEL",   nullptr}, {"L2_JEWEL",   nullptr}},
  {40, {"L1_METAL",   "GOLD"},  {"L2_JEWELRY", "LARGE"}},
};
// clang-format on

const selector_row *selector(int select) {
  if (select < 0) select = 0;
  for (const selector_row &r : SELECTORS)
    if (r.select == select) return &r;
  return nullptr;
}

}  // namespace

void main_treasure_table(int t_area, int num_trss, int add_roll) {
  const area_type &a = area_at(t_area);
  for (int i = 0; i < num_trss; ++i) {
    int roll = D10() + add_roll;
    script_item(area_keyword(a, roll));
  }
}

void main_metal_or_jewelry(int n_trss, int select) {
  const selector_row *row = selector(select);
  for (int i = 0; i < n_trss; ++i) {
    // Every item rolls its d100, whether or not the selector reads it.
    int roll = D100();
    if (!row) continue;
    const char *const *kw = roll > 50 ? row->high : row->low;
    script_item(kw[0], kw[1]);
  }
}
