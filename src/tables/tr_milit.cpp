#include "trtext.h"
int milit_main(all_dice_ptr) { trs_clear(); return 0; }
void milit_tableone(all_dice_ptr) {}
void milit_weapon(int, int, int) {}
