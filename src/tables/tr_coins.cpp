// Coins: one coin treasure item becomes "<number> <kind>\n". The number grows
// with the highest CDF of the monster's group; the kind follows the monster's
// Station when it has one, and its own CDF otherwise.
#include "tr_coins.h"

#include <climits>
#include <cstring>

#include "trtext.h"

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
// clang-format on

// By the kind roll: the creature's CDF / 5 plus a d10.
// clang-format off
constexpr text_row kind_by_roll_rows[] = {
  {3,  "Brass Bits"},
  {7,  "Copper Coins"},
  {9,  "Silver Coins"},
  {10, "Gold Coins"},
};

// By the monster's Station.
constexpr text_row kind_by_station_rows[] = {
  {1, "Brass Bits"},
  {2, "Copper Coins"},
  {4, "Silver Coins"},
  {5, "Gold Coins"},
};
// clang-format on

constexpr int NO_STATION = -1;

void copy_kind(char *kind, const char *text) {
  std::strncpy(kind, text, COINS_KIND_SIZE - 1);
  kind[COINS_KIND_SIZE - 1] = '\0';
}

}  // namespace

int coins_number(dice_record *dice, int max_cdf) {
  // A CDF far out of range cannot overflow the amount roll.
  long long roll = static_cast<long long>(max_cdf) + dice->coins.d100_amount;
  if (roll > INT_MAX) roll = INT_MAX;
  if (roll < INT_MIN) roll = INT_MIN;
  const amount_row &row = table_row(amount_rows, static_cast<int>(roll));
  int dice_sum = dice->coins.*row.first;
  if (row.second) dice_sum += dice->coins.*row.second;
  return row.mult * dice_sum;
}

void coins_kind(char *kind, int kind_roll) {
  copy_kind(kind, table_row(kind_by_roll_rows, kind_roll).text);
}

int coins_main(int cdf, int max_cdf, int station, dice_record *dice) {
  char kind[COINS_KIND_SIZE];
  if (station != NO_STATION)
    copy_kind(kind, table_row(kind_by_station_rows, station).text);
  else
    coins_kind(kind, cdf / 5 + dice->coins.d10_kind);
  result_clear();
  result_appendf("%d %s\n", coins_number(dice, max_cdf), kind);
  return 1;
}
