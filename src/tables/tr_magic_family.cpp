#include "trtables.h"
void magic_aepp(all_dice_ptr) {}
