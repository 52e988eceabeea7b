// From a treasure item to its category routine: the modifier keywords with the
// dice fields they force, and the dispatch from a category code to the
// routine with the numbers it needs from the script's numbers line.
#include "keywords.h"

#include <cstring>
#include <iterator>

namespace {

// A dice field a keyword forces, and the value it forces.
struct forced_die {
  int32_t *(*field)(dice_record &);
  int32_t value;
};

int32_t *other_maintype(dice_record &d) { return &d.other.d100_maintype; }
int32_t *gem_kind(dice_record &d) { return &d.gems.d3star_kind; }
int32_t *gem_size(dice_record &d) { return &d.gems.d10_size; }
int32_t *milit_maintype(dice_record &d) { return &d.milit.d100_maintype; }
int32_t *milit_number(dice_record &d) { return &d.milit.d10_count; }
int32_t *magic_maintype(dice_record &d) { return &d.magic.d100_maintype; }
int32_t *magic_alignment(dice_record &d) { return &d.magic.d6_2_alignment; }
int32_t *metal_kind(dice_record &d) { return &d.metal.d100_metal; }

constexpr int KEEP = -1;  // the keyword leaves the category as it is

struct keyword_row {
  const char *word;
  int code;
  forced_die first;
  forced_die second;
};

// clang-format off
constexpr keyword_row keyword_rows[] = {
  {script_word::L1_OTHER,       CATEGORY_OTHER, {},                     {}},
  {script_word::L1_COINS,       CATEGORY_COINS, {},                     {}},
  {script_word::L1_GEMJJ,       CATEGORY_GEMJJ, {},                     {}},
  {script_word::L1_MILIT,       CATEGORY_MILIT, {},                     {}},
  {script_word::L1_MAGIC,       CATEGORY_MAGIC, {},                     {}},
  {script_word::L1_METAL,       CATEGORY_METAL, {},                     {}},
  {script_word::L2_CLOTHING,    CATEGORY_OTHER, {other_maintype,  85},  {}},
  {script_word::L2_JEWEL,       CATEGORY_GEMJJ, {gem_kind,        2},   {}},
  {script_word::L2_JEWELRY,     CATEGORY_GEMJJ, {gem_kind,        3},   {}},
  {script_word::L2_GEM,         CATEGORY_GEMJJ, {gem_kind,        1},   {}},
  {script_word::L2_WEAPON,      CATEGORY_MILIT, {milit_maintype,  1},   {}},
  {script_word::ELDER,          KEEP,           {magic_alignment, 6},   {}},
  {script_word::LARGE,          KEEP,           {gem_size,        10},  {}},
  {script_word::GOLD,           KEEP,           {metal_kind,      30},  {}},
  {script_word::ONE_ONLY,       KEEP,           {milit_number,    1},   {}},
  {script_word::L3_MAGICWEAPON, CATEGORY_MAGIC, {magic_maintype,  80},  {milit_maintype, 1}},
};
// clang-format on

int category_none(const item_numbers &, dice_record &, item_result &out) {
  out.clear();
  return 0;
}
int category_other(const item_numbers &, dice_record &d, item_result &out) {
  return other_main(out, &d);
}
int category_coins(const item_numbers &a, dice_record &d, item_result &out) {
  return coins_main(out, a.cdf, a.group_cdf, a.station, &d);
}
int category_gems(const item_numbers &a, dice_record &d, item_result &out) {
  return gems_main(out, a.jeweler_el, &d);
}
int category_milit(const item_numbers &, dice_record &d, item_result &out) {
  return milit_main(out, &d);
}
int category_magic(const item_numbers &, dice_record &d, item_result &out) {
  return magic_main(out, &d);
}
int category_metal(const item_numbers &a, dice_record &d, item_result &out) {
  return metal_main(out, a.jeweler_el, &d);
}

// Indexed by the category code modulo 8.
constexpr int (*category_rows[])(const item_numbers &, dice_record &,
                                 item_result &) = {
    category_none,  category_other, category_coins, category_gems,
    category_milit, category_magic, category_metal, category_none,
};
static_assert(std::size(category_rows) == CATEGORY_CODES);

const keyword_row *find_keyword(const char *token) {
  for (const keyword_row &k : keyword_rows)
    if (token[0] == k.word[0] && std::strcmp(token, k.word) == 0) return &k;
  return nullptr;
}

}  // namespace

int keyword_category(const char *token, int category) {
  const keyword_row *k = find_keyword(token);
  return k == nullptr || k->code == KEEP ? category : k->code;
}

bool is_keyword(const char *token) { return find_keyword(token) != nullptr; }

int apply_keyword(const char *token, int code, dice_record &dice) {
  const keyword_row *k = find_keyword(token);
  if (k == nullptr) return code;
  if (k->first.field) *k->first.field(dice) = k->first.value;
  if (k->second.field) *k->second.field(dice) = k->second.value;
  return k->code == KEEP ? code : k->code;
}

int evaluate_item(int category, const item_numbers &numbers, dice_record &dice,
                  item_result &out) {
  return category_rows[category & (CATEGORY_CODES - 1)](numbers, dice, out);
}
