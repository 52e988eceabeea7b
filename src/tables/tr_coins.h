// The coin tables' inner routines: the number of coins and the coin kind.
#pragma once

#include "trtables.h"

// Number of coins for the group's highest CDF, from the coin dice.
int coins_number(dice_record *dice, int group_cdf);
