#include "trtables.h"
void magic_NMI(all_dice_ptr) {}
