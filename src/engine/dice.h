// Dice drawn from the C library's generator, and the roll of the whole dice
// record that precedes every treasure item.
#pragma once

#include "trtables.h"

// A die of `max` faces (at least 1): 1 to max, taken from the high-order bits
// of the next rand() value.
int gendice(int max);
int D100();
int D10();
int D6();
int D3();
// Weighted dice from one d6: D3star gives 1, 2, 3 with chances 3/6, 2/6, 1/6;
// D2star gives 1, 2 with chances 4/6, 2/6.
int D3star();
int D2star();
// Sums of dice, rolled one after the other: 2d6, 2d10 and 3d10.
int D2d6();
int D2d10();
int D3d10();

// Number of generator values one roll_dice call draws.
constexpr int DICE_PER_RECORD = 111;

// Fills every field of the record with a fresh roll, in declaration order of
// the sub-records metal, other, milit, gemjj, magic, coins; sets message to 0.
void roll_dice(all_dice_ptr dice);
