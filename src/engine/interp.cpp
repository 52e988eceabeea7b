#include "engine.h"
void run_script_con(int) {}
int decode_trscode(int, int, int, int, int) { return 0; }
