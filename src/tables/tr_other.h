// Routines of the other-treasure category shared between its sources: the
// main table's item routines and the exceptional-item helpers.
#pragma once

#include <cstdint>

#include "trtables.h"

// The exceptional-item code t_spec: bit 0 exceptional quality, bit 1
// exceptional size, bits 4-7 quality multiplier, bits 12-19 size-table roll,
// bits 20-23 large/small roll.
constexpr uint32_t EXC_QUALITY = 0x1;
constexpr uint32_t EXC_SIZE = 0x2;
inline int exc_qualmult(uint32_t t_spec) { return (t_spec >> 4) & 0xF; }
inline int exc_sizeroll(uint32_t t_spec) { return (t_spec >> 12) & 0xFF; }
inline int exc_sizesl(uint32_t t_spec) { return (t_spec >> 20) & 0xF; }

// Scratch buffer size of the exceptional texts.
constexpr int EXC_TXT_SIZE = 50;

float other_exqual(int r_roll, char *t_txt);
float other_exsize(int r_smla, int r_roll, char *t_txt);
float other_exstoval(float size_mod);
// The standard exceptional step: multiplies value by the quality multiplier
// and appends the quality text, then by the value multiplier of the size and
// appends the size text; returns the value (stored as float after each step).
float other_exceptional(float value, uint32_t t_spec);

void other_tableone(int r_roll, all_dice_ptr dice, uint32_t t_spec);
// Breaks the finished text in con_trs_txt once, at its last blank at or
// before column 79, when it is 80 characters or longer, and ends it with a
// newline. Returns the number of screen lines (1 or 2).
int other_linebreak();
void other_statue(int r_roll, uint32_t t_spec);

// Household goods.
void other_plate(int r_val, uint32_t t_spec);
void other_vessel(int r_val, uint32_t t_spec);
void other_container(all_dice_ptr dice, uint32_t t_spec);
void other_fur(int r_roll, int r_kind, uint32_t t_spec);
void other_finecov(int width, int length, uint32_t t_spec);
void other_glass(int r_glass, int r_size, uint32_t t_spec);
void other_tools(uint32_t t_spec);
void other_art(int val, int excq, uint32_t t_spec);

// Books, scrolls and maps.
void other_scrollmain(all_dice_ptr dice, uint32_t t_spec);
void other_book(all_dice_ptr dice, uint32_t t_spec);
void other_scroll(all_dice_ptr dice, uint32_t t_spec);
void other_map(all_dice_ptr dice, uint32_t t_spec);

// Clothing, cloth, instruments and other items.
void other_clothing(int num, uint32_t t_spec);
void other_cloth(int kind, int length, uint32_t t_spec);
void other_other(uint32_t t_spec);
