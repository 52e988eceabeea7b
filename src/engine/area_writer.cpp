// The area treasure table, which picks one category per lair item from the
// lair's area record, and the metal or jewelry selector of the portable
// treasure table.
#include "area_writer.h"

#include "dice.h"
#include "keywords.h"

namespace {

// The keywords of one selector item: `high` on a d100 over 50, `low` on 50
// or less.
struct selector_row {
  metal_or_jewelry select;
  const char *high[2];
  const char *low[2];
};

// clang-format off
constexpr selector_row selector_rows[] = {
  {metal_or_jewelry::either,  {"L1_METAL",   nullptr}, {"L2_JEWELRY", nullptr}},
  {metal_or_jewelry::jewelry,  {"L2_JEWELRY", nullptr}, {"L2_JEWELRY", nullptr}},
  {metal_or_jewelry::metal,  {"L1_METAL",   nullptr}, {"L1_METAL",   nullptr}},
  {metal_or_jewelry::large_jewels, {"L2_JEWEL",   "LARGE"}, {"L2_JEWEL",   "LARGE"}},
  {metal_or_jewelry::jewels, {"L2_JEWEL",   nullptr}, {"L2_JEWEL",   nullptr}},
  {metal_or_jewelry::gold_or_large_jewelry, {"L1_METAL",   "GOLD"},  {"L2_JEWELRY", "LARGE"}},
};
// clang-format on

const selector_row *selector(metal_or_jewelry select) {
  for (const selector_row &r : selector_rows)
    if (r.select == select) return &r;
  return nullptr;
}

}  // namespace

const char *area_keyword(const area_record &a, int roll) {
  const struct {
    int bound;
    const char *keyword;
  } bounds[] = {
      {a.other_bound, "L1_OTHER"},
      {a.coins_bound, "L1_COINS"},
      {a.gems_bound, "L1_GEMJJ"},
      {a.military_bound, "L1_MILIT"},
  };
  for (const auto &b : bounds)
    if (roll <= b.bound) return b.keyword;
  return "L1_MAGIC";
}

int area_category(const area_record &a, int roll) {
  return keyword_category(area_keyword(a, roll), CATEGORY_NONE);
}

void write_area_items(script_writer &w, const area_record &area, int count,
                      int add_roll) {
  for (int i = 0; i < count; ++i) {
    int roll = d10() + add_roll;
    w.item(area_keyword(area, roll));
  }
}

void write_metal_or_jewelry(script_writer &w, int count,
                            metal_or_jewelry select) {
  const selector_row *row = selector(select);
  for (int i = 0; i < count; ++i) {
    // Every item rolls its d100, whether or not the selector reads it.
    int roll = d100();
    if (!row) continue;
    const char *const *kw = roll > 50 ? row->high : row->low;
    w.item(kw[0], kw[1]);
  }
}
