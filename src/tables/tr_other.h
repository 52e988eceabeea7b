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

// Everything an exceptional-item code stands for: the multipliers (1.0 where
// the item is ordinary) and the texts ("" where it is ordinary). The one
// place the code is worked out; each item states them in its own way.
struct exc_parts {
  float quality = 1.0f;     // quality multiplier
  float size = 1.0f;        // size multiplier
  float size_value = 1.0f;  // value multiplier of that size
  char quality_text[EXC_TXT_SIZE] = "";
  char size_text[EXC_TXT_SIZE] = "";
};
exc_parts other_exceptional_parts(uint32_t exc);
// Appends the quality text, then the size text; returns the parts.
exc_parts other_exceptional_texts(item_result &out, uint32_t exc);
// The standard exceptional step: appends both texts and returns value times
// the quality multiplier, then times the value multiplier of the size
// (stored as float after each step).
float other_exceptional(item_result &out, float value, uint32_t exc);

void other_from_main_table(item_result &out, int roll, dice_record *dice,
                           uint32_t exc);
// Breaks the finished text in `out` once, at its last blank at or
// before column 79, when it is 80 characters or longer, and ends it with a
// newline. Returns the number of screen lines (1 or 2).
int other_break_line(item_result &out);
void other_statue(item_result &out, int roll, uint32_t exc);

// Household goods.
void other_plate(item_result &out, int value_roll, uint32_t exc);
void other_vessel(item_result &out, int value_roll, uint32_t exc);
void other_container(item_result &out, dice_record *dice, uint32_t exc);
void other_fur(item_result &out, int roll, int kind_roll, uint32_t exc);
void other_fine_covering(item_result &out, int width, int length, uint32_t exc);
void other_glass(item_result &out, int glass_roll, int size_roll, uint32_t exc);
void other_tools(item_result &out, uint32_t exc);
void other_art(item_result &out, int val, int magic_roll, uint32_t exc);

// Books, scrolls and maps.
void other_scroll_or_map(item_result &out, dice_record *dice, uint32_t exc);
void other_book(item_result &out, dice_record *dice, uint32_t exc);
void other_scroll(item_result &out, dice_record *dice, uint32_t exc);
void other_map(item_result &out, dice_record *dice, uint32_t exc);

// Clothing, cloth, instruments and other items.
void other_clothing(item_result &out, int num, uint32_t exc);
void other_cloth(item_result &out, int kind, int length, uint32_t exc);
void other_other(item_result &out, uint32_t exc);
