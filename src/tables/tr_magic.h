// Routines of the magic category shared between its sources: the power
// lists, the family routines and the steps every manufactured item shares.
#pragma once

#include "trtables.h"

void magic_from_main_table(item_result &out, dice_record *dice);
// Breaks the text in `out` into screen lines near every 80th character
// and returns the number of lines.
int magic_break_lines(item_result &out);

// Power lists: each appends the entry of its list for a roll.
void magic_alignment_list(item_result &out, int roll);
void magic_cure_list(item_result &out, int roll);
void magic_immunity_list(item_result &out, int roll);
void magic_curse_list(item_result &out, int roll);
void magic_detection_list(item_result &out, int roll);
void magic_dedication_list(item_result &out, int roll);

// What follows a power's text: nothing, or an entry of the power lists.
enum class power_entry {
  none,
  cure,
  alignment,
  detection,
  immunity,  // "Immunity to " or "Total Immunity to " and the list
  negation,  // "Negation of " or "Total Negation of " and the list
  curse,
  dedication,
  intelligent  // the alignment, ", dedicated to " and the dedication
};

// A power of a manufactured item: its text and the entry that follows it.
struct power_row {
  int hi;
  const char *text;
  power_entry entry;
};

// Appends a power row's text and the entry that follows it.
void magic_power(item_result &out, const power_row &row, dice_record *dice);

// Steps shared by the manufactured item families.
// EL cap: magic.d10_EL becomes at most (magic.d6_2_MEL + 1) / 2.
void magic_el_cap(dice_record *dice);
// Appends ", MEL %d  EL %d".
void magic_mel_el(item_result &out, int mel, int el);
// Immunity entry: the total word and the list for magic.d100_total_imm - 1
// when magic.d100_immunity is 100, else the plain word and the list for
// magic.d100_immunity.
void magic_immunity_entry(item_result &out, dice_record *dice,
                          const char *total_word, const char *plain_word);
// Curse entry: the curse list for magic.d3star_curse, then "Curse".
void magic_curse_entry(item_result &out, dice_record *dice);

// Item families.
void magic_jewel_talisman_wand_staff(item_result &out, dice_record *dice);
void magic_other_treasure(item_result &out, dice_record *dice);
// Named item: the item row, the MEL and EL dice and the weapon or armor row.
void magic_named(item_result &out, int item_roll, int mel_roll, int el_roll,
                 int piece_roll);
// Special item: its MEL and EL part from the MEL and EL dice.
void magic_special(item_result &out, int mel_roll, int el_roll);

// Natural magic items.
// A plant, with its ounces unless it is a container's content.
void magic_natural_plant(item_result &out, int roll, int ounces,
                         int in_container);
void magic_natural_animal(item_result &out, int roll);
// A metal or stone, with its pounds where it is sold by weight.
void magic_natural_metal(item_result &out, int roll, int pounds);
