// The treasure model: the monster and area records read from the information
// files, the settings, the limits of every record, the monster's special-code
// flags and the characters of an output name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "trtables.h"

constexpr int MAX_MONSTERS = 90;
constexpr int MAX_AREAS = 32;
constexpr int MAX_LAIR_ITEMS = 999;     // lair items one monster may have
constexpr int NAME_SIZE = 20;           // 19 characters and a terminator
constexpr int GROUP_SIZE = 15;          // 14 characters and a terminator
constexpr int PORTABLE_TEXT_MAX = 255;  // longest portable text
// The position and comment texts: 59 characters and a terminator.
constexpr int POSITION_COMMENT_SIZE = 60;
constexpr int FILE_NAME_SIZE = 9;  // 8 characters and a terminator
// A monster label: 14 characters of group, ", ", 19 of name, a terminator.
constexpr int LABEL_SIZE = GROUP_SIZE + NAME_SIZE + 1;

// The ranges the settings screens allow, which settings and script numbers
// read from a file are brought into.
constexpr int CDF_MIN = 1;
constexpr int CDF_MAX = 99;
constexpr int JEWELER_EL_MAX = 80;  // 0: unknown
constexpr int STATION_MAX = 10;
constexpr int SCORE_MAX = 50;  // MEL and CEL (NO_STATION: trtables.h)

// The largest information file read; anything bigger is no file of ours.
constexpr long INFO_FILE_MAX_BYTES = 4L << 20;

// The slot a manual script names as its monster.
constexpr int MANUAL_MONSTER = 89;

// The treasure script every generation writes and reads back.
constexpr char SCRIPT_PATH[] = "temp.hxs";

struct monster_record {
  char name[NAME_SIZE];
  char group[GROUP_SIZE];  // a first character ' ' means no group
  char *portable_text;     // owned; null unless the special code has 0x2
  uint32_t special_code;   // a sum of the special flags below
  uint32_t portable_code;  // portable class times 0x10000, plus extra flags
  int32_t lair_items;
};

// A lair: the highest d10 roll (plus the monster's 1, if any) of each
// category of the area table; rolls above the military bound give magic.
struct area_record {
  char name[NAME_SIZE];
  int32_t other_bound;
  int32_t coins_bound;
  int32_t gems_bound;
  int32_t military_bound;
  int32_t magic_bound;  // kept in the file, never read
};

// The monster and area files as loaded.
struct info_tables {
  monster_record monsters[MAX_MONSTERS];
  int32_t monster_count;
  area_record areas[MAX_AREAS];
  int32_t area_count;
  // Entries after the count at the top of each file: loading leaves them
  // out, and the screen says so.
  int32_t monsters_left_out;
  int32_t areas_left_out;
};

// What the settings file keeps.
struct settings {
  char output_name[FILE_NAME_SIZE];
  int32_t monster_index;
  int32_t lair_index;
  int32_t cdf;
  int32_t group_cdf;   // highest CDF in the creature's group
  int32_t jeweler_el;  // 0: unknown
  int32_t station;
  int32_t mel;
  int32_t cel;
  uint32_t answers;  // the yes answers: special flags with an answer
  int32_t game_day;
  int32_t game_month;
  int32_t game_year;
};

// The area record at an index, or an empty record (every bound 0, name "")
// for an index outside the loaded table.
const area_record &area_at(const info_tables &t, int index);
// The monster record at an index, or an empty record outside the table.
const monster_record &monster_at(const info_tables &t, int index);

// The monster label: "group, name", or the name alone when the group's first
// character is a blank. Written into out (at most n bytes with terminator).
void monster_label(const monster_record &m, char *out, std::size_t n);

// The characters that separate the words of the information files and the
// treasure script: a blank, \t, \n, \v, \f or \r.
constexpr bool is_blank(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The characters an output name may hold: letters, digits, "{", "}", "_".
bool is_output_name_char(int c);

// ------------------------------------------------ the special-code flags

// Generation bits: how the monster's treasure is made.
constexpr uint32_t ADD_ONE = 0x1;       // add 1 to every area-table roll
constexpr uint32_t HAS_PORTABLE = 0x2;  // entry carries portable code, text
// Both ask Station, MEL and CEL and give area-table items in the portable
// section; 0x4 adds Station + 1 lair items, 0x8 adds MEL lair items.
constexpr uint32_t SCORES_STATION_EXTRA = 0x4;
constexpr uint32_t SCORES_MEL_EXTRA = 0x8;
// May be met among other monsters; its answer shares the bit.
constexpr uint32_t MAY_HAVE_OTHERS = 0x10;
constexpr uint32_t HAS_STATION = 0x20;  // chance of portable metal or jewelry
// Yes/no questions; their answers keep the same bits.
constexpr uint32_t KING = 0x100;
constexpr uint32_t ELITE = 0x200;
constexpr uint32_t HUMANOID = 0x400;
constexpr uint32_t MALE = 0x800;
constexpr uint32_t EXCEPTIONAL = 0x1000;
constexpr uint32_t DRESSED = 0x2000;
constexpr uint32_t INTELLIGENT = 0x4000;
constexpr uint32_t MAGIC_USER = 0x8000;
// The generation bits a script writer reads from the special code.
constexpr uint32_t GENERATION_BITS = 0xFF;
// The bits the answers may hold: "other monsters" and the eight questions.
constexpr uint32_t ANSWER_BITS = MAY_HAVE_OTHERS | KING | ELITE | HUMANOID |
                                 MALE | EXCEPTIONAL | DRESSED | INTELLIGENT |
                                 MAGIC_USER;

// What the settings screens do with a flag.
enum class flag_use {
  generation,  // no question
  scores,      // Station, MEL and CEL (score_rows)
  answer,      // a yes/no question
  station,     // the Station alone
};

struct special_flag {
  uint32_t bit;
  const char *name;  // also the answer's name on the command line
  flag_use use;
  const char *menu_label;  // the menu line's text before the value
  const char *question;    // the question on the prompt line
};

// Every flag with a meaning, in the order of the menu lines and questions.
// clang-format off
constexpr special_flag special_flag_rows[] = {
  {ADD_ONE,              "add one",         flag_use::generation, nullptr, nullptr},
  {HAS_PORTABLE,         "has portable",    flag_use::generation, nullptr, nullptr},
  {SCORES_STATION_EXTRA, "station extra",   flag_use::scores,     nullptr, nullptr},
  {SCORES_MEL_EXTRA,     "MEL extra",       flag_use::scores,     nullptr, nullptr},
  {MAY_HAVE_OTHERS,      "others",          flag_use::answer,     "Other monsters in group : ", "Are there other monsters beside 'Other' in the group (y/n) : "},
  {HAS_STATION,          "has station",     flag_use::station,    "Station         : ", "Station (0-10) : "},
  {MAGIC_USER,           "magic-user",      flag_use::answer,     "Magic User      : ", "Is it a Magic User (y/n) : "},
  {INTELLIGENT,          "intelligent",     flag_use::answer,     "Intelligent     : ", "Is the Creature Intelligent (y/n) : "},
  {DRESSED,              "dressed",         flag_use::answer,     "Dressed         : ", "Is the Creature Dressed (y/n) : "},
  {EXCEPTIONAL,          "exceptional",     flag_use::answer,     "Exceptional member : ", "Is it an Exceptional member of its race (y/n) : "},
  {MALE,                 "male",            flag_use::answer,     "Male            : ", "Is it a Male (y/n) : "},
  {HUMANOID,             "humanoid",        flag_use::answer,     "Humanoid Form    ", "Is it in Humanoid Form (y/n) : "},
  {ELITE,                "elite",           flag_use::answer,     "Elite member    : ", "Is it an Elite member of its race (y/n) : "},
  {KING,                 "king",            flag_use::answer,     "King of race    : ", "Is it a King of its race (y/n) : "},
};
// clang-format on

// The three numbers a flag of use `scores` asks, in order.
enum class score { station, mel, cel };
struct score_row {
  score which;
  const char *menu_label;
  const char *question;
  int max;
};
// clang-format off
constexpr score_row score_rows[] = {
  {score::station, "Station         : ", "Station (0-10) : ", STATION_MAX},
  {score::mel,     "MEL             : ", "MEL (0-50) : ",     SCORE_MAX},
  {score::cel,     "CEL             : ", "CEL (0-50) : ",     SCORE_MAX},
};
// clang-format on
static_assert(std::size(score_rows) ==
              static_cast<std::size_t>(score::cel) + 1);

// ------------------------------------------- the ranges of the settings

struct value_range {
  int lo;
  int hi;
};
constexpr value_range CDF_RANGE{CDF_MIN, CDF_MAX};
constexpr value_range JEWELER_EL_RANGE{0, JEWELER_EL_MAX};
constexpr value_range STATION_RANGE{0, STATION_MAX};
constexpr value_range MEL_CEL_RANGE{0, SCORE_MAX};
constexpr value_range GAME_DAY_RANGE{1, 99};
constexpr value_range GAME_MONTH_RANGE{1, 99};
constexpr value_range GAME_YEAR_RANGE{1, 9999};
// The classes of portable treasure a portable code can name; class 0 gives
// only what the extra flags add.
constexpr value_range PORTABLE_CLASSES{0, 26};
