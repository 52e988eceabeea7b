// The dice: every random number of the program is drawn through
// random_value(), which takes the C library's rand() unless a test installed
// a source of its own; and the roll of the whole dice record that precedes
// every treasure item.
#pragma once

#include <optional>

#include "trtables.h"

// Seeds the C library's generator; the one place the program seeds it.
void seed_dice(unsigned seed);
// Seeds with the seed given, or from the clock without one.
void seed_dice_or_clock(std::optional<unsigned> seed);
// The next generator value, 0 to 2^31-1.
int random_value();
// Draws the generator values from `source` instead of rand(); null restores
// rand(). For tests that script the dice.
void set_random_source(int (*source)());

// A die of `faces` faces (at least 1): 1 to faces, taken from the high-order
// bits of the next generator value.
int roll_die(int faces);
int d100();
int d10();
int d6();
int d3();
// Weighted dice from one d6: d3_star gives 1, 2, 3 with chances 3/6, 2/6,
// 1/6; d2_star gives 1, 2 with chances 4/6, 2/6.
int d3_star();
int d2_star();
// Sums of dice, rolled one after the other: 2d6, 2d10 and 3d10.
int two_d6();
int two_d10();
int three_d10();

// Number of generator values one roll_dice call draws.
constexpr int DICE_PER_RECORD = 111;

// Fills every field of the record with a fresh roll, in declaration order of
// the sub-records metal, other, milit, gemjj, magic, coins; sets in_container
// to 0.
void roll_dice(dice_record &dice);
