#include "trtext.h"
int gemjj_main(int, all_dice_ptr) { trs_clear(); return 0; }
