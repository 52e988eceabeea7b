// The arithmetic of hoardex stats is the engine's (hoard_stats.h); what
// the command prints of it: the text, CSV and JSON.
#pragma once

#include <cstdio>
#include <string>

#include "hoard_stats.h"

void print_stats_text(FILE *to, const section_tally *sections);
void print_stats_csv(FILE *to, const section_tally *sections);
std::string stats_json(const section_tally *sections);
