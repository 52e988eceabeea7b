// Lookups and labels of the treasure model.
#include "model.h"

#include <cstdio>

const area_record &area_at(const info_tables &t, int index) {
  static const area_record empty{};
  if (index < 0 || index >= MAX_AREAS || index >= t.area_count) return empty;
  return t.areas[index];
}

const monster_record &monster_at(const info_tables &t, int index) {
  static const monster_record empty{};
  if (index < 0 || index >= MAX_MONSTERS || index >= t.monster_count)
    return empty;
  return t.monsters[index];
}

void monster_label(const monster_record &m, char *out, std::size_t n) {
  if (m.group[0] != ' ')
    std::snprintf(out, n, "%s, %s", m.group, m.name);
  else
    std::snprintf(out, n, "%s", m.name);
}

bool is_output_name_char(int c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '{' || c == '}' || c == '_';
}
