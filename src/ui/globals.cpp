// The global state every room shares, alive for the whole run.
#include <cstdio>

#include "hoardex.h"

monster_type monster[MAX_MONSTERS];
int32_t max_mon;
area_type area[MAX_AREAS];
int32_t max_area;
info_type info;
char script_name[FILE_NAME_SIZE] = "temp";
char output_name[FILE_NAME_SIZE] = "default";
char pos_txt[TEXT_SIZE] = " ";
char comm_txt[TEXT_SIZE] = " ";
char buffer[BUFFER_SIZE];
all_dice_ptr Dice;
FILE *script;
FILE *output;

void monster_label(const monster_type &m, char *out, std::size_t n) {
  if (m.group[0] != ' ')
    std::snprintf(out, n, "%s, %s", m.group, m.name);
  else
    std::snprintf(out, n, "%s", m.name);
}
