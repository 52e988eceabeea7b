// Coins: one coin treasure item becomes "<number> <kind>\n". The number grows
// with the highest CDF of the monster's group; the kind follows the monster's
// Station when it has one, and its own CDF otherwise.
#include "tr_coins.h"

#include <climits>
#include <iterator>

#include "table_lookup.h"

namespace {

// Number of coins: mult x (first die + second die), the second optional.
struct amount_row {
  int hi;
  int mult;
  int32_t coins_dice::*first;
  int32_t coins_dice::*second;
};

// clang-format off
constexpr amount_row amount_rows[] = {
  {5,   1,   &coins_dice::d6_2_num,  nullptr},
  {15,  1,   &coins_dice::d10_2_num, nullptr},
  {30,  1,   &coins_dice::d10_2_num, &coins_dice::d10_num},
  {50,  2,   &coins_dice::d10_2_num, nullptr},
  {80,  1,   &coins_dice::d100_num,  nullptr},
  {100, 2,   &coins_dice::d100_num,  nullptr},
  {115, 3,   &coins_dice::d100_num,  nullptr},
  {125, 10,  &coins_dice::d100_num,  nullptr},
  {130, 200, &coins_dice::d10_num,   nullptr},
  {131, 200, &coins_dice::d10_2_num, nullptr},
};
static_assert(bounds_ascend(amount_rows));
// clang-format on

// By the kind roll: the creature's CDF / 5 plus a d10.
struct kind_row {
  int hi;
  coin_kind kind;
};

// clang-format off
constexpr kind_row kind_by_roll_rows[] = {
  {3,  coin_kind::brass_bits},
  {7,  coin_kind::copper_coins},
  {9,  coin_kind::silver_coins},
  {10, coin_kind::gold_coins},
};
static_assert(bounds_ascend(kind_by_roll_rows));

// By the monster's Station.
constexpr kind_row kind_by_station_rows[] = {
  {1, coin_kind::brass_bits},
  {2, coin_kind::copper_coins},
  {4, coin_kind::silver_coins},
  {5, coin_kind::gold_coins},
};
static_assert(bounds_ascend(kind_by_station_rows));

// The report's names, by coin_kind.
constexpr const char *kind_names[] = {
  "", "Brass Bits", "Copper Coins", "Silver Coins", "Gold Coins",
};
// The units of values, by coin_kind.
constexpr const char *unit_texts[] = {"", "BB", "CC", "SC", "GC"};
// clang-format on
static_assert(std::size(kind_names) ==
              static_cast<std::size_t>(coin_kind::gold_coins) + 1);
static_assert(std::size(unit_texts) == std::size(kind_names));

}  // namespace

const char *coin_kind_name(coin_kind kind) {
  return kind_names[static_cast<int>(kind)];
}

const char *coin_unit_text(coin_kind unit) {
  return unit_texts[static_cast<int>(unit)];
}

int coins_number(dice_record *dice, int group_cdf) {
  // A CDF far out of range cannot overflow the amount roll.
  int roll =
      clamped(static_cast<long long>(group_cdf) + dice->coins.d100_amount,
              INT_MIN, INT_MAX);
  const amount_row &row = table_row(amount_rows, roll);
  int dice_sum = dice->coins.*row.first;
  if (row.second) dice_sum += dice->coins.*row.second;
  return row.mult * dice_sum;
}

int coins_main(item_result &out, int cdf, int group_cdf, int station,
               dice_record *dice) {
  coin_kind kind =
      station != NO_STATION
          ? table_row(kind_by_station_rows, station).kind
          : table_row(kind_by_roll_rows, cdf / 5 + dice->coins.d10_kind).kind;
  out.clear();
  out.coins = {kind, coins_number(dice, group_cdf)};
  out.appendf("%d %s\n", out.coins.count, coin_kind_name(kind));
  return 1;
}
