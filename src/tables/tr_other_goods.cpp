#include "tr_other.h"
void other_eating(int, int, uint32_t) {}
void other_plate(int, uint32_t) {}
void other_vessel(int, uint32_t) {}
void other_container(all_dice_ptr, uint32_t) {}
void other_kegs(all_dice_ptr, uint32_t) {}
void other_furniture(int, uint32_t) {}
void other_fur(int, int, uint32_t) {}
void other_finecov(int, int, uint32_t) {}
void other_glass(int, int, uint32_t) {}
void other_tools(uint32_t) {}
void other_art(int, int, uint32_t) {}
