// From a treasure item to its text: the keywords of the treasure script with
// the dice fields they force, and the category routines they lead to.
#pragma once

#include "trtables.h"

// Applies a keyword to an open item: forces its dice fields in the record and
// returns the item's category code, which is `category` unchanged for a
// keyword that does not choose a category or a token that is no keyword.
int apply_keyword(const char *token, int category, dice_record &dice);
// Whether the token is a keyword of an item.
bool is_keyword(const char *token);

// The numbers of a script's numbers line the category routines read.
struct item_numbers {
  int cdf;
  int group_cdf;
  int jeweler_el;
  int station;  // -1: none
};

// Calls the category routine of a category code (taken modulo 8), which
// leaves the item's text in result_text; returns its line count, or 0 for a
// code without a category (the text is emptied then).
int evaluate_item(int category, const item_numbers &numbers, dice_record &dice);
