// Routines of the military category that its tests and the magical military
// items reach directly.
#pragma once

#include "trtables.h"

// Appends the count for a count roll and a blank.
void milit_count(item_result &out, int count_roll);
// Appends the race's word and the item of a non-human-made piece.
void milit_non_human_made(item_result &out, dice_record *dice);
void milit_armor(item_result &out, int type);
void milit_flag(item_result &out);
void milit_shelter(item_result &out, int type);
void milit_misc(item_result &out, dice_record *dice);
void milit_uniform(item_result &out);
void milit_animal(item_result &out, int type);
