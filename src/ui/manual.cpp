#include "hoardex.h"
int manual_select() { return 0; }
