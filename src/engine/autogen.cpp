#include "engine.h"
int generate_cs() { return 0; }
