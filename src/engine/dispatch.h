// The modifier keywords of treasure items and the dice record the engine
// evaluates items with.
#pragma once

#include "trtables.h"

// Applies a modifier keyword to an open item: forces its dice fields in the
// record and returns the item's category code, which is `code` unchanged for
// a keyword that does not choose a category or a token that is no keyword.
int apply_keyword(const char *token, int code, all_dice_ptr dice);

// The dice record of the run: the global Dice, or a spare record of the
// engine when start-up has not made one.
all_dice_ptr engine_dice();
