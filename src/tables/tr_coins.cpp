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
constexpr amount_row AMOUNTS[] = {
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

struct kind_row {
  int hi;
  const char *kind;
};

// By the kind roll: the creature's CDF / 5 plus a d10.
// clang-format off
constexpr kind_row KINDS_BY_ROLL[] = {
  {3,  "Brass Bits"},
  {7,  "Copper Coins"},
  {9,  "Silver Coins"},
  {10, "Gold Coins"},
};

// By the monster's Station.
constexpr kind_row KINDS_BY_STATION[] = {
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

int coins_num(all_dice_ptr dice, int t_maxCDF) {
  // A CDF far out of range cannot overflow the amount roll.
  long long roll = static_cast<long long>(t_maxCDF) + dice->coins.d100_amount;
  if (roll > INT_MAX) roll = INT_MAX;
  if (roll < INT_MIN) roll = INT_MIN;
  const amount_row &r = table_row(AMOUNTS, static_cast<int>(roll));
  int dice_sum = dice->coins.*r.first;
  if (r.second) dice_sum += dice->coins.*r.second;
  return r.mult * dice_sum;
}

void coins_type(char *kind, int r_kind) {
  copy_kind(kind, table_row(KINDS_BY_ROLL, r_kind).kind);
}

int coins_main(int t_CDF, int t_maxCDF, int t_mon_Stat, all_dice_ptr dice) {
  char kind[COINS_KIND_SIZE];
  if (t_mon_Stat != NO_STATION)
    copy_kind(kind, table_row(KINDS_BY_STATION, t_mon_Stat).kind);
  else
    coins_type(kind, t_CDF / 5 + dice->coins.d10_kind);
  trs_clear();
  trs_appendf("%d %s\n", coins_num(dice, t_maxCDF), kind);
  return 1;
}
