// Gems, jewels and jewelry: one line with kind, size, appearance, clarity,
// stone and value in SC, valued higher by an able jeweler.
#include "tr_gems.h"

#include <iterator>

#include "table_lookup.h"

namespace {

struct kind_row {
  int hi;
  const char *text;
  int col;  // column of the base factor in size_rows
};

// clang-format off
constexpr kind_row kind_rows[] = {
    {1, "Gem : ",     0},
    {2, "Jewel : ",   1},
    {3, "Jewelry : ", 2},
};
static_assert(bounds_ascend(kind_rows));

struct size_row {
  int hi;
  const char *text;
  int base[3];  // gem, jewel, jewelry
};

constexpr size_row size_rows[] = {
    { 7, "Small, ",  {2,  4,  8}},
    { 9, "Medium, ", {3,  6, 12}},
    {10, "Large, ",  {5, 10, 20}},
};
static_assert(bounds_ascend(size_rows));

struct look_row {
  int hi;
  const char *app;
  const char *clar;
  int mod;
};

constexpr look_row look_rows[] = {
    { 1, "severely flawed, ", "clouded, ",         -5},
    { 3, "slightly flawed, ", "dull, ",            -2},
    { 7, "minimal flawed, ",  "average clarity, ",  0},
    { 9, "nearly flawless, ", "fine clarity, ",     2},
    {10, "flawless, ",        "brilliant, ",        5},
};
static_assert(bounds_ascend(look_rows));

struct stone_row {
  int hi;
  const char *name;
  float mult;
  bool star;  // may be a star stone
};

constexpr stone_row stone_rows[] = {
    {  5, "Jet",           1.0f, false},
    { 12, "Garnet",        1.0f, false},
    { 18, "Amethyst",      1.0f, false},
    { 24, "Agate",         1.0f, false},
    { 30, "Jacinth",       1.0f, false},
    { 36, "Turquoise",     1.0f, false},
    { 41, "Jade",          1.5f, false},
    { 46, "Carnelian",     1.5f, false},
    { 51, "Onyx",          1.5f, false},
    { 56, "Opal",          2.0f, true },
    { 61, "Toadstone",     2.0f, false},
    { 66, "Topaz",         2.0f, true },
    { 71, "Serpentine",    2.0f, false},
    { 76, "Snake Stone",   2.0f, false},
    { 81, "Lapiz Lazuli",  2.0f, false},
    { 86, "Carbuncle",     2.0f, false},
    { 90, "Sapphire",      3.0f, true },
    { 93, "Tourmaline",    3.0f, false},
    { 95, "Emerald",       4.0f, true },
    { 97, "Ruby",          4.0f, true },
    { 98, "Dark Ruby",     5.0f, false},
    { 99, "Diamond",       5.0f, true },
    {100, "Black Diamond", 5.0f, false},
};
static_assert(bounds_ascend(stone_rows));

// Rows by the final factor, columns by the d100 of the value.
struct value_row {
  int hi;
  float per_point[4];
};

constexpr value_row value_rows[] = {
    { 10, { 0.5f,  0.6f,   0.8f,   1.0f}},
    { 25, { 0.6f,  0.8f,   1.0f,   2.0f}},
    { 45, { 0.8f,  1.0f,   2.0f,   4.0f}},
    { 70, { 1.0f,  2.0f,   4.0f,  10.0f}},
    {100, { 2.0f,  4.0f,  10.0f,  20.0f}},
    {135, { 4.0f, 10.0f,  20.0f,  40.0f}},
    {175, {10.0f, 20.0f,  40.0f, 100.0f}},
    {176, {20.0f, 40.0f, 100.0f, 200.0f}},  // 176 or more
};
static_assert(bounds_ascend(value_rows));

// Column of the value table, by the d100 of the value.
constexpr number_row column_rows[] = {
    { 50, 0},
    { 75, 1},
    { 90, 2},
    {100, 3},
};
static_assert(bounds_ascend(column_rows));
// clang-format on
static_assert(std::size(kind_rows) == std::size(size_rows[0].base));
static_assert(std::size(column_rows) == std::size(value_rows[0].per_point));

}  // namespace

void gems_kind(item_result &out, int kind) {
  out.append(table_row(kind_rows, kind).text);
}

int gems_size(item_result &out, int kind, int jeweler_el, int size) {
  const size_row &row = table_row(size_rows, size);
  out.append(row.text);
  int factor = row.base[table_row(kind_rows, kind).col];
  // A gem's worth does not depend on who cuts it; a jewel's or jewelry's does.
  if (kind != 1) factor += jeweler_el / 10;
  return factor;
}

int gems_appearance(item_result &out, int roll) {
  const look_row &row = table_row(look_rows, roll);
  out.append(row.app);
  return row.mod;
}

int gems_clarity(item_result &out, int roll) {
  const look_row &row = table_row(look_rows, roll);
  out.append(row.clar);
  return row.mod;
}

int gems_star(item_result &out, int star) {
  if (star != 1) return 0;
  out.append("Star ");
  return 2;
}

float gems_stone(item_result &out, int roll, int star_roll) {
  const stone_row &row = table_row(stone_rows, roll);
  float mult = row.mult;
  if (row.star) mult = mult + static_cast<float>(gems_star(out, star_roll));
  out.append(row.name);
  return mult;
}

void gems_value(item_result &out, int factor, int roll) {
  if (factor <= 0) {
    out.append(", valueless");
    return;
  }
  float per_point = table_row(value_rows, factor)
                        .per_point[table_row(column_rows, roll).number];
  float value = static_cast<float>(factor) * per_point;
  append_value(out, ", ", value_kind::worth, value, 1, SC);
}

int gems_main(item_result &out, int jeweler_el, dice_record *dice) {
  const gems_dice &d = dice->gems;
  out.clear();
  gems_kind(out, d.d3star_kind);
  int factor = gems_size(out, d.d3star_kind, jeweler_el, d.d10_size);
  factor += gems_appearance(out, d.d10_appearance);
  factor += gems_clarity(out, d.d10_clarity);
  float mult = gems_stone(out, d.d100_name, d.d10_starform);
  // The product is a whole number or a half; the 0.6 carries a half up.
  factor = static_cast<int>(static_cast<double>(mult) * factor + 0.6);
  gems_value(out, factor, d.d100_value);
  out.append("\n");
  return 1;
}
