// The inner routines of the fine metal tables. Each appends its piece of the
// line to `out`.
#pragma once

#include "trtables.h"

// Appends the metal's name (ending with a blank), sets unit to its coin unit
// (none for a metal without a value) and returns its price multiplier.
int metal_name(item_result &out, int roll, coin_kind &unit);
// Appends the form's name and returns its value before the metal's
// multiplier: the jeweler's EL / 10 plus the value dice the form names.
int metal_form(item_result &out, const metal_dice &dice, int jeweler_el);
