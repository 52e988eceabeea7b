#include "tr_other.h"
void other_bookmain(all_dice_ptr, uint32_t) {}
