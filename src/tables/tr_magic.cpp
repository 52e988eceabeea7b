#include "trtext.h"
int magic_main(all_dice_ptr) { trs_clear(); return 0; }
