// Routines of the magic category shared between its sources: the power
// lists, the family routines and the steps every manufactured item shares.
#pragma once

#include "trtables.h"

void magic_tableone(all_dice_ptr dice);
// Breaks the text in con_trs_txt into screen lines near every 80th character
// and returns the number of lines.
int magic_breaklines();

// Power lists: each appends one text.
void magic_align(int r_align);
void magic_cure(int r_cure);
void magic_immunity(int r_imm);
void magic_curse(int r_curse);
void magic_detect(int r_detect);
void magic_dedic(int r_ded);

// Steps shared by the manufactured item families.
// EL cap: magic.d10_EL becomes at most (magic.d6_2_MEL + 1) / 2.
void magic_el_cap(all_dice_ptr dice);
// Appends ", MEL %d  EL %d".
void magic_mel_el(int mel, int el);
// Immunity entry: the total word and the list for magic.d100_total_imm - 1
// when magic.d100_immunity is 100, else the plain word and the list for
// magic.d100_immunity.
void magic_immunity_entry(all_dice_ptr dice, const char *total_word,
                          const char *plain_word);
// Curse entry: the curse list for magic.d3star_curse, then "Curse".
void magic_curse_entry(all_dice_ptr dice);

// Item families.
void magic_jtsw(all_dice_ptr dice);
void magic_other(all_dice_ptr dice);
void magic_named(int r_magic, int r_MEL, int r_EL, int r_extra);
void magic_special(int r_MEL, int r_EL);

// Natural magic items.
void magic_NMI_plant(int r_magic, int r_d10, int message);
void magic_NMI_animal(int r_magic);
void magic_NMI_metal(int r_magic, int r_d2star);
