// The script writers: the area treasure table, the metal or jewelry
// selector and the portable treasure table. Each writes treasure items to a
// script and rolls its dice as it writes, so the order of the writes fixes
// the order of the dice.
#pragma once

#include <cstdint>

#include "model.h"
#include "script_writer.h"

// The keyword of an area-table roll: the first category whose upper bound in
// the area record the roll does not exceed; above every bound, magic.
const char *area_keyword(const area_record &a, int roll);
// The category code of that keyword (see keywords.h).
int area_category(const area_record &a, int roll);

// Writes `count` items, one per d10 roll (plus add_roll) on the area's
// table: the first category whose bound the roll does not exceed, above
// every bound magic.
void write_area_items(script_writer &w, const area_record &area, int count,
                      int add_roll);

// What the metal or jewelry selector writes per item: its keywords on a d100
// over 50 and on 50 or less.
enum class metal_or_jewelry {
  either = 0,                  // metal, or jewelry
  jewelry = 1,                 // jewelry
  metal = 2,                   // metal
  large_jewels = 20,           // a large jewel
  jewels = 21,                 // a jewel
  gold_or_large_jewelry = 40,  // gold metal, or large jewelry
};

// Writes `count` items of the selector; every item rolls its d100.
void write_metal_or_jewelry(script_writer &w, int count,
                            metal_or_jewelry select);

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
