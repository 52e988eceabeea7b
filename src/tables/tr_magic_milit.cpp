#include "trtables.h"
void magic_milit(all_dice_ptr) {}
