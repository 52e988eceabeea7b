// The generation engine: script writers, the interpreter and its dispatch.
#pragma once

#include <cstdint>

// Interpreter: evaluates script_name.hxs and appends the report to
// output_name.hxo, echoing it on the screen with a pause every `lines` lines.
void run_script_con(int lines);
// Calls the category routine of a treasure code (taken modulo 8); returns its
// line count, or 0 for a code without a category.
int decode_trscode(int trscode, int t_CDF, int t_maxCDF, int t_JewEL,
                   int t_mon_Stat);

// Script writers; each writes treasure items to the open global `script`.
void main_treasure_table(int t_area, int num_trss, int add_roll);
void main_metal_or_jewelry(int n_trss, int select);
void main_portable_table(int t_area, uint32_t t_spec, uint32_t t_port,
                         const char *t_port_txt);

// Automatic generation for the current settings (menu key "7").
int generate_cs();
