#include "trtext.h"
int coins_main(int, int, int, all_dice_ptr) { trs_clear(); return 0; }
