// Fine metal: one line naming a worked metal object, its form and its value
// in the coin unit of the metal.
#include "tr_metal.h"

#include "table_lookup.h"

namespace {

struct metal_row {
  int hi;
  const char *name;
  coin_kind unit;
  int mult;
};

// clang-format off
constexpr metal_row metal_rows[] = {
    {  1, "White Gold ",  GC,       1},
    { 15, "Brass ",       CC,       2},
    { 25, "Iron ",        BB,       3},
    { 40, "Gold ",        SC,       4},
    { 45, "Orichalum ",   SC,       6},
    { 55, "Nickel ",      BB,       8},
    { 70, "Copper ",      CC,       1},
    { 75, "Platinum ",    SC,      15},
    { 80, "Tin ",         BB,       2},
    { 95, "Silver ",      SC,       2},
    { 99, "Lead ",        BB,       1},
    {100, "Other Metal ", NO_UNIT,  0},  // no value is given
};
static_assert(bounds_ascend(metal_rows));

// A form's value: EL / 10 + times * (the first n10 d10s) + the first n6 d6s.
struct form_row {
  int hi;
  const char *name;
  int n10;
  int times;
  int n6;
};

constexpr form_row form_rows[] = {
    { 1, "Ring",     0, 1, 1},
    { 2, "Amulet",   1, 1, 0},
    { 3, "Crown",    3, 1, 0},
    { 5, "Bracelet", 0, 1, 2},
    { 7, "Necklace", 2, 1, 0},
    { 8, "Armband",  1, 1, 0},
    { 9, "Scepter",  2, 3, 0},
    {10, "Gorget",   0, 1, 3},
};
static_assert(bounds_ascend(form_rows));
// clang-format on

}  // namespace

int metal_name(item_result &out, int roll, coin_kind &unit) {
  const metal_row &row = table_row(metal_rows, roll);
  out.append(row.name);
  unit = row.unit;
  return row.mult;
}

int metal_form(item_result &out, const metal_dice &dice, int jeweler_el) {
  const form_row &row = table_row(form_rows, dice.d10_type);
  out.append(row.name);
  const int d10s[] = {dice.d10_val1, dice.d10_val2, dice.d10_val3};
  const int d6s[] = {dice.d6_val1, dice.d6_val2, dice.d6_val3};
  int d10_sum = 0;
  for (int i = 0; i < row.n10; ++i) d10_sum += d10s[i];
  int d6_sum = 0;
  for (int i = 0; i < row.n6; ++i) d6_sum += d6s[i];
  return jeweler_el / 10 + row.times * d10_sum + d6_sum;
}

int metal_main(item_result &out, int jeweler_el, dice_record *dice) {
  const metal_dice &d = dice->metal;
  coin_kind unit = NO_UNIT;
  out.clear();
  int mult = metal_name(out, d.d100_metal, unit);
  int val = metal_form(out, d, jeweler_el);
  int factor = mult * val;
  if (unit != NO_UNIT)
    append_value(out, ", ", value_kind::worth, factor, 0, unit);
  out.append("\n");
  return 1;
}
