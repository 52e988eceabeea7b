// Routines of the other-treasure category shared between its sources: the
// main table's item routines and the exceptional-item helpers.
#pragma once

#include <cstdint>

#include "trtables.h"

// The exceptional-item code exc: bit 0 exceptional quality, bit 1
// exceptional size, bits 4-7 quality multiplier, bits 12-19 size-table roll,
// bits 20-23 large/small roll.
constexpr uint32_t EXC_QUALITY = 0x1;
constexpr uint32_t EXC_SIZE = 0x2;
inline int exc_quality_mult(uint32_t exc) { return (exc >> 4) & 0xF; }
inline int exc_size_roll(uint32_t exc) { return (exc >> 12) & 0xFF; }
inline int exc_large_or_small(uint32_t exc) { return (exc >> 20) & 0xF; }

// Scratch buffer size of the exceptional texts.
constexpr int EXC_TXT_SIZE = 50;

float other_exceptional_quality(int roll, char *exc_text);
float other_exceptional_size(int large_or_small, int roll, char *exc_text);
float other_size_value(float size_mod);
// The standard exceptional step: multiplies value by the quality multiplier
// and appends the quality text, then by the value multiplier of the size and
// appends the size text; returns the value (stored as float after each step).
float other_exceptional(float value, uint32_t exc);

void other_from_main_table(int roll, dice_record *dice, uint32_t exc);
// Breaks the finished text in result_text once, at its last blank at or
// before column 79, when it is 80 characters or longer, and ends it with a
// newline. Returns the number of screen lines (1 or 2).
int other_break_line();
void other_statue(int roll, uint32_t exc);

// Household goods.
void other_plate(int value_roll, uint32_t exc);
void other_vessel(int value_roll, uint32_t exc);
void other_container(dice_record *dice, uint32_t exc);
void other_fur(int roll, int kind_roll, uint32_t exc);
void other_fine_covering(int width, int length, uint32_t exc);
void other_glass(int glass_roll, int size_roll, uint32_t exc);
void other_tools(uint32_t exc);
void other_art(int val, int magic_roll, uint32_t exc);

// Books, scrolls and maps.
void other_scroll_or_map(dice_record *dice, uint32_t exc);
void other_book(dice_record *dice, uint32_t exc);
void other_scroll(dice_record *dice, uint32_t exc);
void other_map(dice_record *dice, uint32_t exc);

// Clothing, cloth, instruments and other items.
void other_clothing(int num, uint32_t exc);
void other_cloth(int kind, int length, uint32_t exc);
void other_other(uint32_t exc);
