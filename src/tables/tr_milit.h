// Routines of the military category that its tests and the magical military
// items reach directly.
#pragma once

#include "trtables.h"

void milit_NF(int r_NF);
void milit_NHM(all_dice_ptr dice);
void milit_armor(int type);
void milit_flag();
void milit_shelter(int type);
void milit_misc(all_dice_ptr dice);
void milit_uniform();
void milit_animal(int type);
