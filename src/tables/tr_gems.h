// The inner routines of the gem, jewel and jewelry tables. Each appends its
// piece of the line to `out`.
#pragma once

#include "trtables.h"

// Appends the kind text: 1 gem, 2 jewel, 3 jewelry.
void gems_kind(item_result &out, int kind);
// Appends the size text; returns the base value factor of the kind and size,
// raised by the jeweler's EL / 10 for a jewel or jewelry.
int gems_size(item_result &out, int kind, int jeweler_el, int size);
// Append the appearance or clarity text; return its modifier.
int gems_appearance(item_result &out, int roll);
int gems_clarity(item_result &out, int roll);
// Appends the stone (with "Star " before a star stone); returns its
// multiplier.
float gems_stone(item_result &out, int roll, int star_roll);
// Appends "Star " and returns 2 when star is 1; otherwise appends nothing and
// returns 0.
int gems_star(item_result &out, int star);
// Appends the value text for the final factor and the d100 of the column.
void gems_value(item_result &out, int factor, int roll);
