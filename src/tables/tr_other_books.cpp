// Written treasure: books, scrolls (plain and coded) and maps, including the
// treasure map that every treasure scroll carries.
#include "tr_other.h"
#include "trtext.h"

namespace {

// Exceptional written treasure is of a better kind: its row roll goes up by
// this much.
constexpr int BETTER_ROWS = 15;

struct alignment_row {
  int hi;
  const char *text;
};

enum book_extra { BOOK_PLAIN, BOOK_MINOR_SPELLS, BOOK_MAJOR_SPELLS, BOOK_TOME };

struct book_row {
  int hi;
  const char *text;
  float base;
  const char *unit;
  book_extra extra;
};

// What a scroll's text takes, and how the row changes its value.
enum scroll_args { SCR_NONE, SCR_MEDICINAL, SCR_MAGICAL_EL, SCR_SPELL };
enum scroll_value {
  SCR_WORTHLESS,
  SCR_TIMES,
  SCR_TREASURE,
  SCR_TREASURE_SPELL
};

struct scroll_row {
  int hi;
  const char *text;
  scroll_args args;
  scroll_value rule;
  float factor;
  const char *unit;
};

enum map_kind { MAP_TREASURE, MAP_PLAIN, MAP_OTHER_WORLD, MAP_UNLIMITED };

struct map_row {
  int hi;
  map_kind kind;
  const char *text;
  float treasure;  // treasure factor of a treasure map
  float worth;     // the map's own value factor
  const char *unit;
  int accu;  // added to the accuracy roll; 0 adds the map roll itself
};

struct area_row {
  int hi;
  const char *text;
};

// clang-format off
constexpr alignment_row alignment_rows[] = {
    { 3, "Chaos"},
    { 6, "Law"},
    { 8, "Balance"},
    {10, "Elder"},
};

// Rows above 100 are reached only with exceptional quality.
constexpr book_row book_rows[] = {
    { 20, "Common text",           3.0f, "CC", BOOK_PLAIN},
    { 28, "Legal text",            2.0f, "CC", BOOK_PLAIN},
    { 33, "Ribald literature",     7.0f, "CC", BOOK_PLAIN},
    { 40, "Other literature",      1.0f, "SC", BOOK_PLAIN},
    { 50, "Cultural text",         5.0f, "SC", BOOK_PLAIN},
    { 65, "General history",       1.0f, "SC", BOOK_PLAIN},
    { 75, "Specific history",      3.0f, "SC", BOOK_PLAIN},
    { 77, "Biography",             2.0f, "SC", BOOK_PLAIN},
    { 78, "Autobiography",         4.0f, "SC", BOOK_PLAIN},
    { 85, "Philosophical journal", 2.0f, "GC", BOOK_PLAIN},
    { 95, "Travel journal",        6.0f, "SC", BOOK_PLAIN},
    { 99, "Magical journal",      15.0f, "SC", BOOK_PLAIN},
    {108, "Minor spell book",      5.0f, "GC", BOOK_MINOR_SPELLS},
    {114, "Major spell book",     15.0f, "GC", BOOK_MAJOR_SPELLS},
    {115, "Tome",                 50.0f, "GC", BOOK_TOME},  // 115 and above
};

// Row 100 is reached only through the coded scroll's own roll.
constexpr scroll_row scroll_rows[] = {
    { 10, "Old Message",                                 SCR_NONE,       SCR_WORTHLESS,       0.0f, ""},
    { 15, "Valuable Message",                            SCR_NONE,       SCR_TIMES,           1.0f, "CC"},
    { 25, "Inventory",                                   SCR_NONE,       SCR_TIMES,           3.0f, "BB"},
    { 35, "Old Letter",                                  SCR_NONE,       SCR_WORTHLESS,       0.0f, ""},
    { 40, "Valuable Letter",                             SCR_NONE,       SCR_TIMES,           1.0f, "SC"},
    { 50, "Formula",                                     SCR_NONE,       SCR_TIMES,           3.0f, "SC"},
    { 57, "Medicinal Text, %d formulas, EL %d",          SCR_MEDICINAL,  SCR_TIMES,           7.0f, "SC"},
    { 65, "Old Proclamation",                            SCR_NONE,       SCR_TIMES,           3.0f, "CC"},
    { 70, "Valuable Proclamation",                       SCR_NONE,       SCR_TIMES,          10.0f, "SC"},
    { 80, "Magical Formula, EL %d",                      SCR_MAGICAL_EL, SCR_TIMES,           3.0f, "GC"},
    { 88, "Spell Scroll, 1 EL %d %s spell",              SCR_SPELL,      SCR_TIMES,           2.0f, "GC"},
    { 92, "Spell Scroll, 2 EL %d %s spells",             SCR_SPELL,      SCR_TIMES,           3.0f, "GC"},
    { 95, "Spell Scroll, 4 EL %d %s spells",             SCR_SPELL,      SCR_TIMES,          10.0f, "GC"},
    { 99, "Treasure scroll",                             SCR_NONE,       SCR_TREASURE,        0.0f, "GC"},
    {100, "Treasure and Spell Scroll, 1 EL %d %s spell", SCR_SPELL,      SCR_TREASURE_SPELL,  0.0f, "GC"},
};

// The first row takes every map roll below 2, the last every roll from 20 up.
constexpr map_row map_rows[] = {
    { 2, MAP_TREASURE,    "%.0f GC Treasure Map, %.1f %s",   10.0f,  7.0f, "CC",  0},
    { 3, MAP_TREASURE,    "%.0f GC Treasure Map, %.1f %s",   20.0f,  2.0f, "SC",  0},
    { 4, MAP_TREASURE,    "%.0f GC Treasure Map, %.1f %s",   40.0f,  3.0f, "SC",  0},
    { 5, MAP_TREASURE,    "%.0f GC Treasure Map, %.1f %s",   80.0f,  5.0f, "SC",  0},
    { 6, MAP_TREASURE,    "%.0f GC Treasure Map, %.1f %s",  160.0f,  2.0f, "GC",  0},
    { 7, MAP_PLAIN,       "City Map, %.1f %s",                0.0f,  3.0f, "BB",  0},
    { 8, MAP_PLAIN,       "Province Map, %.1f %s",            0.0f,  7.0f, "BB",  0},
    { 9, MAP_PLAIN,       "National Map, %.1f %s",            0.0f,  3.0f, "CC",  0},
    {10, MAP_PLAIN,       "Area Map, %.1f %s",                0.0f,  7.0f, "CC",  0},
    {11, MAP_PLAIN,       "Continental Map, %.1f %s",         0.0f,  3.0f, "SC",  0},
    {12, MAP_PLAIN,       "World Map, %.1f %s",               0.0f,  2.0f, "GC",  0},
    {13, MAP_OTHER_WORLD, "Other World Map, %.1f %s",         0.0f, 10.0f, "GC", 30},
    {14, MAP_PLAIN,       "Metaphysical Map, %.1f %s",        0.0f, 50.0f, "GC", 50},
    {15, MAP_TREASURE,    "%.0f GC Treasure Map, %.1f %s",  320.0f,  3.0f, "GC",  0},
    {16, MAP_TREASURE,    "%.0f GC Treasure Map, %.1f %s",  500.0f,  7.0f, "GC",  0},
    {17, MAP_TREASURE,    "%.0f GC Treasure Map, %.1f %s",  750.0f, 10.0f, "GC",  0},
    {18, MAP_TREASURE,    "%.0f GC Treasure Map, %.1f %s", 1000.0f, 15.0f, "GC",  0},
    {19, MAP_TREASURE,    "%.0f GC Treasure Map, %.1f %s", 1500.0f, 50.0f, "GC",  0},
    {20, MAP_UNLIMITED,   "Unlimited Treasure Map",           0.0f,  0.0f, "",    0},
};

constexpr area_row area_rows[] = {
    { 3, ", major area's"},
    {10, ", detailed area"},
};
// clang-format on

// A map whose accuracy roll passes this is inaccurate.
constexpr int ACCURATE_UP_TO = 75;

const char *alignment_text(const all_dice_ptr dice) {
  return table_row(alignment_rows, dice->other.d10_alignment).text;
}

// Written treasure shows the quality text but is valued by its own
// multiplier, so only the text of the quality routine is used.
void append_quality_text(uint32_t t_spec) {
  char t_txt[EXC_TXT_SIZE];
  other_exqual(exc_qualmult(t_spec), t_txt);
  trs_append(t_txt);
}

}  // namespace

void other_bookmain(all_dice_ptr dice, uint32_t t_spec) {
  if (dice->other.d10_book_kind <= 4)
    other_book(dice, t_spec);
  else
    other_scrollmain(dice, t_spec);
}

void other_scrollmain(all_dice_ptr dice, uint32_t t_spec) {
  if (dice->other.d10_scroll_kind <= 7)
    other_scroll(dice, t_spec);
  else
    other_map(dice, t_spec);
}

void other_book(all_dice_ptr dice, uint32_t t_spec) {
  const other_dice &d = dice->other;
  trs_append("Book : ");
  int r_item = d.d100_book;
  if (t_spec & EXC_QUALITY) r_item += BETTER_ROWS;
  const book_row &row = table_row(book_rows, r_item);
  float value = row.base;
  trs_append(row.text);
  switch (row.extra) {
    case BOOK_PLAIN:
      break;
    case BOOK_MINOR_SPELLS:
      trs_appendf(", contains %d %s spell, EL %d", d.d6_numspell / 2,
                  alignment_text(dice), d.d6_a2_EL);
      break;
    case BOOK_MAJOR_SPELLS:
      trs_appendf(", contains %d %s spell, EL %d", d.d6_numspell,
                  alignment_text(dice), d.d6_a2_EL);
      break;
    case BOOK_TOME:
      trs_appendf(", EL %d", d.d6_a2_EL + 4);
      break;
  }
  if (t_spec & EXC_QUALITY) {
    value = value * static_cast<float>(d.d6_a1_book_excq);
    append_quality_text(t_spec);
  }
  value = other_exceptional(value, t_spec & ~EXC_QUALITY);
  trs_appendf(", %.1f %s", value, row.unit);
}

void other_scroll(all_dice_ptr dice, uint32_t t_spec) {
  const other_dice &d = dice->other;
  float value = 1.0f;
  int r_item = d.d100_scroll;
  if (t_spec & EXC_QUALITY) {
    r_item += BETTER_ROWS;
    value = value * static_cast<float>(d.d6_a1_book_excq);
  }
  if (r_item > 99) {
    value = value * 2.0f;
    trs_append("Coded ");
    r_item = d.d100_coded;
  }
  trs_append("Scroll : ");
  const scroll_row &row = table_row(scroll_rows, r_item);
  switch (row.args) {
    case SCR_NONE:
      trs_append(row.text);
      break;
    case SCR_MEDICINAL:
      trs_appendf(row.text, d.d6_scrollmap, d.d10_2_medicEL);
      break;
    case SCR_MAGICAL_EL:
      trs_appendf(row.text, d.d6_a2_EL);
      break;
    case SCR_SPELL:
      trs_appendf(row.text, d.d6_a2_EL, alignment_text(dice));
      break;
  }
  switch (row.rule) {
    case SCR_WORTHLESS:
      value = 0.0f;
      break;
    case SCR_TIMES:
      value = value * row.factor;
      break;
    case SCR_TREASURE:
      value = value * static_cast<float>(5 * d.d10_2_medicEL);
      break;
    case SCR_TREASURE_SPELL:
      value = value * static_cast<float>(5 * d.d10_2_medicEL);
      value = value + 2.0f;
      break;
  }
  if (t_spec & EXC_QUALITY) append_quality_text(t_spec);
  value = other_exceptional(value, t_spec & ~EXC_QUALITY);
  trs_appendf(", value %.1f %s", value, row.unit);
  // A treasure scroll carries an ordinary, accurate treasure map.
  if (r_item > 95) {
    trs_append(", ");
    dice->other.d10_2_map = d.d6_scrollmap + 14;
    dice->other.d100_map_accu = 0;
    other_map(dice, 0);
  }
}

void other_map(all_dice_ptr dice, uint32_t t_spec) {
  other_dice &d = dice->other;
  char t_txt[EXC_TXT_SIZE];
  float value = 1.0f;
  int r_accu = d.d100_map_accu;
  if (t_spec & EXC_QUALITY) {
    d.d10_2_map += BETTER_ROWS;
    value = value * static_cast<float>(d.d6_a1_book_excq);
  }
  if (t_spec & EXC_SIZE) {
    float size_mod =
        other_exsize(exc_sizesl(t_spec), exc_sizeroll(t_spec), t_txt);
    value = value * other_exstoval(size_mod);
  }
  const map_row &row = table_row(map_rows, d.d10_2_map);
  float worth = value * row.worth;
  switch (row.kind) {
    case MAP_TREASURE:
      trs_appendf(row.text, value * row.treasure, worth, row.unit);
      break;
    case MAP_PLAIN:
      trs_appendf(row.text, worth, row.unit);
      break;
    case MAP_OTHER_WORLD:
      trs_appendf(row.text, worth, row.unit);
      trs_append(table_row(area_rows, d.d10_map_area).text);
      break;
    case MAP_UNLIMITED:
      trs_append(row.text);
      break;
  }
  r_accu += row.accu != 0 ? row.accu : d.d10_2_map;
  if (t_spec & EXC_QUALITY) append_quality_text(t_spec);
  if (t_spec & EXC_SIZE) {
    other_exsize(exc_sizesl(t_spec), exc_sizeroll(t_spec), t_txt);
    trs_append(t_txt);
  }
  trs_append(r_accu > ACCURATE_UP_TO ? ", inaccurate" : ", accurate");
}
