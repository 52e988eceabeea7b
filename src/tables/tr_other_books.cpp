// Written treasure: books, scrolls (plain and coded) and maps, including the
// treasure map that every treasure scroll carries.
#include "table_lookup.h"
#include "tr_other.h"

namespace {

// Exceptional written treasure is of a better kind: its row roll goes up by
// this much.
constexpr int BETTER_ROWS = 15;

// What a book's text names after its title.
enum class book_contents { none, minor_spells, major_spells, tome };

struct book_row {
  int hi;
  const char *text;
  float base;
  coin_kind unit;
  book_contents contents;
};

// What follows a scroll's title, and how the row sets its value.
enum class scroll_details { none, medicinal, magical_el, spells };
enum class scroll_value { worthless, times, treasure, treasure_and_spell };

struct scroll_row {
  int hi;
  const char *text;
  scroll_details details;
  int spells;  // the number of spells a spell scroll holds
  scroll_value rule;
  float factor;
  coin_kind unit;  // none: no value
};

enum class map_kind { treasure, plain, other_world, unlimited };

struct map_row {
  int hi;
  map_kind kind;
  const char *text;
  float treasure;  // treasure factor of a treasure map
  float worth;     // the map's own value factor
  coin_kind unit;
  int accu;  // added to the accuracy roll; 0 adds the map roll itself
};

// clang-format off
constexpr text_row alignment_rows[] = {
    { 3, "Chaos"},
    { 6, "Law"},
    { 8, "Balance"},
    {10, "Elder"},
};
static_assert(bounds_ascend(alignment_rows));

// Rows above 100 are reached only with exceptional quality.
constexpr book_row book_rows[] = {
    { 20, "Common text",           3.0f, CC, book_contents::none},
    { 28, "Legal text",            2.0f, CC, book_contents::none},
    { 33, "Ribald literature",     7.0f, CC, book_contents::none},
    { 40, "Other literature",      1.0f, SC, book_contents::none},
    { 50, "Cultural text",         5.0f, SC, book_contents::none},
    { 65, "General history",       1.0f, SC, book_contents::none},
    { 75, "Specific history",      3.0f, SC, book_contents::none},
    { 77, "Biography",             2.0f, SC, book_contents::none},
    { 78, "Autobiography",         4.0f, SC, book_contents::none},
    { 85, "Philosophical journal", 2.0f, GC, book_contents::none},
    { 95, "Travel journal",        6.0f, SC, book_contents::none},
    { 99, "Magical journal",      15.0f, SC, book_contents::none},
    {108, "Minor spell book",      5.0f, GC, book_contents::minor_spells},
    {114, "Major spell book",     15.0f, GC, book_contents::major_spells},
    {115, "Tome",                 50.0f, GC, book_contents::tome},  // 115 and above
};
static_assert(bounds_ascend(book_rows));

// Row 100 is reached only through the coded scroll's own roll.
constexpr scroll_row scroll_rows[] = {
    { 10, "Old Message",               scroll_details::none,       0, scroll_value::worthless,           0.0f, NO_UNIT},
    { 15, "Valuable Message",          scroll_details::none,       0, scroll_value::times,               1.0f, CC},
    { 25, "Inventory",                 scroll_details::none,       0, scroll_value::times,               3.0f, BB},
    { 35, "Old Letter",                scroll_details::none,       0, scroll_value::worthless,           0.0f, NO_UNIT},
    { 40, "Valuable Letter",           scroll_details::none,       0, scroll_value::times,               1.0f, SC},
    { 50, "Formula",                   scroll_details::none,       0, scroll_value::times,               3.0f, SC},
    { 57, "Medicinal Text",            scroll_details::medicinal,  0, scroll_value::times,               7.0f, SC},
    { 65, "Old Proclamation",          scroll_details::none,       0, scroll_value::times,               3.0f, CC},
    { 70, "Valuable Proclamation",     scroll_details::none,       0, scroll_value::times,              10.0f, SC},
    { 80, "Magical Formula",           scroll_details::magical_el, 0, scroll_value::times,               3.0f, GC},
    { 88, "Spell Scroll",              scroll_details::spells,     1, scroll_value::times,               2.0f, GC},
    { 92, "Spell Scroll",              scroll_details::spells,     2, scroll_value::times,               3.0f, GC},
    { 95, "Spell Scroll",              scroll_details::spells,     4, scroll_value::times,              10.0f, GC},
    { 99, "Treasure scroll",           scroll_details::none,       0, scroll_value::treasure,            0.0f, GC},
    {100, "Treasure and Spell Scroll", scroll_details::spells,     1, scroll_value::treasure_and_spell,  0.0f, GC},
};
static_assert(bounds_ascend(scroll_rows));

// The first row takes every map roll below 2, the last every roll from 20 up.
constexpr map_row map_rows[] = {
    { 2, map_kind::treasure,    "Treasure Map",             10.0f,  7.0f, CC,      0},
    { 3, map_kind::treasure,    "Treasure Map",             20.0f,  2.0f, SC,      0},
    { 4, map_kind::treasure,    "Treasure Map",             40.0f,  3.0f, SC,      0},
    { 5, map_kind::treasure,    "Treasure Map",             80.0f,  5.0f, SC,      0},
    { 6, map_kind::treasure,    "Treasure Map",            160.0f,  2.0f, GC,      0},
    { 7, map_kind::plain,       "City Map",                  0.0f,  3.0f, BB,      0},
    { 8, map_kind::plain,       "Province Map",              0.0f,  7.0f, BB,      0},
    { 9, map_kind::plain,       "National Map",              0.0f,  3.0f, CC,      0},
    {10, map_kind::plain,       "Area Map",                  0.0f,  7.0f, CC,      0},
    {11, map_kind::plain,       "Continental Map",           0.0f,  3.0f, SC,      0},
    {12, map_kind::plain,       "World Map",                 0.0f,  2.0f, GC,      0},
    {13, map_kind::other_world, "Other World Map",           0.0f, 10.0f, GC,     30},
    {14, map_kind::plain,       "Metaphysical Map",          0.0f, 50.0f, GC,     50},
    {15, map_kind::treasure,    "Treasure Map",            320.0f,  3.0f, GC,      0},
    {16, map_kind::treasure,    "Treasure Map",            500.0f,  7.0f, GC,      0},
    {17, map_kind::treasure,    "Treasure Map",            750.0f, 10.0f, GC,      0},
    {18, map_kind::treasure,    "Treasure Map",           1000.0f, 15.0f, GC,      0},
    {19, map_kind::treasure,    "Treasure Map",           1500.0f, 50.0f, GC,      0},
    {20, map_kind::unlimited,   "Unlimited Treasure Map",    0.0f,  0.0f, NO_UNIT, 0},
};
static_assert(bounds_ascend(map_rows));

constexpr text_row area_rows[] = {
    { 3, ", major area's"},
    {10, ", detailed area"},
};
static_assert(bounds_ascend(area_rows));
// clang-format on

// A map whose accuracy roll passes this is inaccurate.
constexpr int ACCURATE_UP_TO = 75;

const char *alignment_text(const dice_record &dice) {
  return table_row(alignment_rows, dice.other.d10_alignment).text;
}

// Written treasure shows the quality text but is valued by its own
// multiplier, so only the text of the quality routine is used.
void append_quality_text(item_result &out, uint32_t exc) {
  out.append(other_exceptional_parts(exc).quality_text);
}

}  // namespace

void other_written_item(item_result &out, dice_record *dice, uint32_t exc) {
  if (dice->other.d10_book_kind <= 4)
    other_book(out, dice, exc);
  else
    other_scroll_or_map(out, dice, exc);
}

void other_scroll_or_map(item_result &out, dice_record *dice, uint32_t exc) {
  if (dice->other.d10_scroll_kind <= 7)
    other_scroll(out, dice, exc);
  else
    other_map(out, dice, exc);
}

void other_book(item_result &out, dice_record *dice, uint32_t exc) {
  const other_dice &d = dice->other;
  out.append("Book : ");
  int row_roll = d.d100_book;
  if (exc & EXC_QUALITY) row_roll += BETTER_ROWS;
  const book_row &row = table_row(book_rows, row_roll);
  float value = row.base;
  out.append(row.text);
  switch (row.contents) {
    case book_contents::none:
      break;
    case book_contents::minor_spells:
      out.appendf(", contains %d %s spell, EL %d", d.d6_numspell / 2,
                  alignment_text(*dice), d.d6_plus_2_EL);
      break;
    case book_contents::major_spells:
      out.appendf(", contains %d %s spell, EL %d", d.d6_numspell,
                  alignment_text(*dice), d.d6_plus_2_EL);
      break;
    case book_contents::tome:
      out.appendf(", EL %d", d.d6_plus_2_EL + 4);
      break;
  }
  if (exc & EXC_QUALITY) {
    value = value * static_cast<float>(d.d6_plus_1_exc_quality);
    append_quality_text(out, exc);
  }
  value = other_exceptional(out, value, exc & ~EXC_QUALITY);
  append_value(out, ", ", value_kind::worth, value, 1, row.unit);
}

void other_scroll(item_result &out, dice_record *dice, uint32_t exc) {
  const other_dice &d = dice->other;
  float value = 1.0f;
  int row_roll = d.d100_scroll;
  if (exc & EXC_QUALITY) {
    row_roll += BETTER_ROWS;
    value = value * static_cast<float>(d.d6_plus_1_exc_quality);
  }
  if (row_roll > 99) {
    value = value * 2.0f;
    out.append("Coded ");
    row_roll = d.d100_coded;
  }
  out.append("Scroll : ");
  const scroll_row &row = table_row(scroll_rows, row_roll);
  switch (row.details) {
    case scroll_details::none:
      out.append(row.text);
      break;
    case scroll_details::medicinal:
      out.appendf("%s, %d formulas, EL %d", row.text, d.d6_scrollmap,
                  d.d10_2_scroll_number);
      break;
    case scroll_details::magical_el:
      out.appendf("%s, EL %d", row.text, d.d6_plus_2_EL);
      break;
    case scroll_details::spells:
      out.appendf("%s, %d EL %d %s spell%s", row.text, row.spells,
                  d.d6_plus_2_EL, alignment_text(*dice),
                  row.spells > 1 ? "s" : "");
      break;
  }
  switch (row.rule) {
    case scroll_value::worthless:
      value = 0.0f;
      break;
    case scroll_value::times:
      value = value * row.factor;
      break;
    case scroll_value::treasure:
      value = value * static_cast<float>(5 * d.d10_2_scroll_number);
      break;
    case scroll_value::treasure_and_spell:
      value = value * static_cast<float>(5 * d.d10_2_scroll_number);
      value = value + 2.0f;
      break;
  }
  if (exc & EXC_QUALITY) append_quality_text(out, exc);
  value = other_exceptional(out, value, exc & ~EXC_QUALITY);
  append_value(out, ", value ", value_kind::worth, value, 1, row.unit);
  // A treasure scroll carries an ordinary, accurate treasure map.
  if (row_roll > 95) {
    out.append(", ");
    dice->other.d10_2_map = d.d6_scrollmap + 14;
    dice->other.d100_map_accu = 0;
    other_map(out, dice, 0);
  }
}

void other_map(item_result &out, dice_record *dice, uint32_t exc) {
  other_dice &d = dice->other;
  const exc_parts parts = other_exceptional_parts(exc);
  float value = 1.0f;
  int accuracy = d.d100_map_accu;
  if (exc & EXC_QUALITY) {
    d.d10_2_map += BETTER_ROWS;
    value = value * static_cast<float>(d.d6_plus_1_exc_quality);
  }
  if (exc & EXC_SIZE) value = value * parts.size_value;
  const map_row &row = table_row(map_rows, d.d10_2_map);
  float worth = value * row.worth;
  switch (row.kind) {
    case map_kind::treasure:
      append_value(out, "", value_kind::promised, value * row.treasure, 0, GC);
      out.appendf(" %s", row.text);
      append_value(out, ", ", value_kind::worth, worth, 1, row.unit);
      break;
    case map_kind::plain:
      out.append(row.text);
      append_value(out, ", ", value_kind::worth, worth, 1, row.unit);
      break;
    case map_kind::other_world:
      out.append(row.text);
      append_value(out, ", ", value_kind::worth, worth, 1, row.unit);
      out.append(table_row(area_rows, d.d10_map_area).text);
      break;
    case map_kind::unlimited:
      out.append(row.text);
      break;
  }
  accuracy += row.accu != 0 ? row.accu : d.d10_2_map;
  out.append(parts.quality_text);
  out.append(parts.size_text);
  out.append(accuracy > ACCURATE_UP_TO ? ", inaccurate" : ", accurate");
}
