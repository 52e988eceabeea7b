#include "tr_magic.h"
#include "trtext.h"
int magic_main(all_dice_ptr) { trs_clear(); return 0; }
void magic_align(int) {}
void magic_cure(int) {}
void magic_immunity(int) {}
void magic_curse(int) {}
void magic_detect(int) {}
void magic_dedic(int) {}
