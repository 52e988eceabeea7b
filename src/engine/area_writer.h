// The area treasure table and the metal or jewelry selector: each writes
// treasure items to a script and rolls its dice as it writes, so the order
// of the writes fixes the order of the dice.
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
