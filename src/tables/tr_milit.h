// Routines of the military category that its tests and the magical military
// items reach directly.
#pragma once

#include "trtables.h"

// Appends the count for a count roll and a blank.
void milit_count(int count_roll);
// Appends the race's word and the item of a non-human-made piece.
void milit_non_human_made(dice_record *dice);
void milit_armor(int type);
void milit_flag();
void milit_shelter(int type);
void milit_misc(dice_record *dice);
void milit_uniform();
void milit_animal(int type);
