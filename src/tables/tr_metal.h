// The inner routines of the fine metal tables. Each appends its piece of the
// line to `out`.
#pragma once

#include "trtables.h"

// Room for the coin unit of a metal ("GC", "SC", "CC", "BB" or empty).
constexpr int METAL_UNIT_SIZE = 5;

// Appends the metal's name (ending with a blank), copies its coin unit into
// unit (METAL_UNIT_SIZE characters) and returns its price multiplier.
int metal_name(item_result &out, int roll, char *unit);
// Appends the form's name and returns its value before the metal's
// multiplier: the jeweler's EL / 10 plus the value dice the form names.
int metal_form(item_result &out, const metal_dice &dice, int jeweler_el);
