#include "tr_other.h"
#include "trtext.h"
int other_main(all_dice_ptr) { trs_clear(); return 0; }
float other_exceptional(float value, uint32_t) { return value; }
