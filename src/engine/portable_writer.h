// The portable treasure table: writes the entries of the portable section to
// a script, rolling its dice as it writes.
#pragma once

#include <cstdint>

#include "script_writer.h"

// What the portable table reads of a monster and the settings.
struct portable_input {
  const area_record &area;  // the lair, for the area-table items
  uint32_t flags;           // the generation bits and the yes answers
  uint32_t portable_code;   // class times 0x10000, plus extra flags
  const char *portable_text;
  int station;
  int mel;
  int cel;
};

// The portable class of a portable code (its high 16 bits).
uint32_t portable_class(uint32_t portable_code);
// Whether the portable class of the code is one of PORTABLE_CLASSES; any
// other gives no class items.
bool portable_class_known(uint32_t portable_code);
// What an extra flag of the portable code (0x1 to 0x400) adds, in words;
// null for a bit without a meaning.
const char *portable_extra_flag_name(uint32_t bit);

// Writes the entries of the portable section.
void write_portable_items(script_writer &w, const portable_input &in);
