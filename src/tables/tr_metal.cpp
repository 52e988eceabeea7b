#include "trtext.h"
int metal_main(int, all_dice_ptr) { trs_clear(); return 0; }
