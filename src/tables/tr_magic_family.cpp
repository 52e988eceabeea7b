#include "tr_magic.h"
void magic_aepp(all_dice_ptr) {}
void magic_el_cap(all_dice_ptr) {}
void magic_mel_el(int, int) {}
void magic_immunity_entry(all_dice_ptr, const char *, const char *) {}
void magic_curse_entry(all_dice_ptr) {}
