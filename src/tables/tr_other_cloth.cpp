#include "tr_other.h"
void other_musical(uint32_t) {}
