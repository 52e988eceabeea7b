#include "hoardex.h"
int main_hoardex() { return 0; }
