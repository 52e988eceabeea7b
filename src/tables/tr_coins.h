// The coin tables' inner routines: the number of coins and the coin kind.
#pragma once

#include "trtables.h"

// Room for the longest coin kind text and its terminator.
constexpr int COINS_KIND_SIZE = 16;

// Number of coins for the group's highest CDF, from the coin dice.
int coins_number(dice_record *dice, int max_cdf);
// Writes the coin kind for a kind roll into `kind` (COINS_KIND_SIZE bytes).
void coins_kind(char *kind, int kind_roll);
