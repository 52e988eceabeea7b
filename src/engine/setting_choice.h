// The settings a command line or an embedding page may choose, as texts,
// applied over loaded settings: the monster and lair by number or name, the
// ranged numbers, the named answers, the game date and the texts. One table
// describes every setting; the command line's options, the page's keys, the
// settings file's checks and the words of the settings used are made from it.
// Numbers are read in decimal only, with 64 bits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "generation.h"
#include "number_explanations.h"

// Every setting as given, blanks around it dropped by the reader; an empty
// text is a choice not made.
struct setting_choices {
  std::string monster, lair, cdf, group_cdf, jeweler_el, station, mel, cel, yes,
      game_date, position, comment;
};

// How a setting's text is read.
enum class setting_kind { record, number, answers, date, text };

// One setting: everything any front end needs to offer it and check it.
struct setting_row {
  const char *option;  // the command line's option: "--cdf"
  const char *key;     // the key of a page's request: "cdf"
  std::string setting_choices::*choice;
  setting_kind kind;
  int32_t settings::*field;  // number rows: the setting it gives
  value_range range;         // number rows: the values taken
  const char *name;          // number rows: "CDF", in notes and in words
  const char *help;          // the option's help, before its range
  number_id explained;       // number rows: what the number does, in words
  const char *prompt;        // the settings screen's question, or ""
};

// clang-format off
inline constexpr setting_row SETTING_ROWS[] = {
  {"--monster",    "monster",   &setting_choices::monster,    setting_kind::record,  nullptr,               {},               "",             "the monster: its number in the list, its name or \"group, name\"", {},                    ""},
  {"--lair",       "lair",      &setting_choices::lair,       setting_kind::record,  nullptr,               {},               "",             "the lair: its number or its name",                                 {},                    ""},
  {"--cdf",        "cdf",       &setting_choices::cdf,        setting_kind::number,  &settings::cdf,        CDF_RANGE,        "CDF",          "the creature's CDF",                                               number_id::cdf,        "Enter the monster CDF : "},
  {"--group-cdf",  "groupCdf",  &setting_choices::group_cdf,  setting_kind::number,  &settings::group_cdf,  CDF_RANGE,        "group CDF",    "the highest CDF in the creature's group",                          number_id::group_cdf,  "Enter the maximum CDF for the group of monsters : "},
  {"--jeweler-el", "jewelerEl", &setting_choices::jeweler_el, setting_kind::number,  &settings::jeweler_el, JEWELER_EL_RANGE, "jeweler's EL", "the jeweler's EL, 0 if unknown",                                   number_id::jeweler_el, "Enter the EL of the jeweler or 0 if unknown (0-80) : "},
  {"--station",    "station",   &setting_choices::station,    setting_kind::number,  &settings::station,    STATION_RANGE,    "Station",      "the Station",                                                      number_id::station,    ""},
  {"--mel",        "mel",       &setting_choices::mel,        setting_kind::number,  &settings::mel,        MEL_CEL_RANGE,    "MEL",          "the MEL",                                                          number_id::mel,        ""},
  {"--cel",        "cel",       &setting_choices::cel,        setting_kind::number,  &settings::cel,        MEL_CEL_RANGE,    "CEL",          "the CEL",                                                          number_id::cel,        ""},
  {"--yes",        "yes",       &setting_choices::yes,        setting_kind::answers, nullptr,               {},               "",             "the questions answered yes, comma-separated",                      {},                    ""},
  {"--game-date",  "gameDate",  &setting_choices::game_date,  setting_kind::date,    nullptr,               {},               "",             "the game date, D/M/Y",                                             {},                    ""},
  {"--position",   "position",  &setting_choices::position,   setting_kind::text,    nullptr,               {},               "",             "the position text",                                                {},                    "Position   : "},
  {"--comment",    "comment",   &setting_choices::comment,    setting_kind::text,    nullptr,               {},               "",             "the comment text",                                                 {},                    "Comments   : "},
};
// clang-format on

// The row of a setting (&setting_choices::cdf); every setting has one.
const setting_row &setting_row_of(std::string setting_choices::*choice);

// The help of a row as the command line shows it: its help, then its range
// ("the creature's CDF (1 to 99)") or the names of the answers.
std::string setting_help(const setting_row &row);

// The numbers of a command beside the settings, read by the same rule.
struct number_option {
  const char *option;
  const char *key;  // its name in a JSON request of the page's module
  int64_t lo, hi;
};
// How many reports one roll gives, how many generations stats counts, the
// seed of the dice.
constexpr number_option ROLL_COUNT{"--count", "count", 1, 1000000};
constexpr number_option STATS_GENERATIONS{"-n", "n", 1, 10000000};
constexpr number_option DICE_SEED{"--seed", "seed", 0, 4294967295};
// The most one request of a page's module gives: more reports or
// generations would hold the page for seconds and its text many megabytes
// (the command line streams them instead).
constexpr number_option PAGE_ROLL_COUNT{ROLL_COUNT.option, ROLL_COUNT.key, 1,
                                        10000};
constexpr number_option PAGE_STATS_GENERATIONS{
    STATS_GENERATIONS.option, STATS_GENERATIONS.key, 1, 100000};
// The rolls on the lair's table one pick of a manual list makes.
constexpr value_range MANUAL_LAIR_ROLLS{1, 100};
// The report of an output file that export writes, counted from the oldest.
constexpr number_option EXPORT_REPORT{"--report", "report", 1, 1000000000000};

// "1 to 99": a range as the messages name it.
std::string range_text(value_range r);

// The text without the blanks and tabs at either end.
std::string trim_blanks(std::string_view text);

// The value of a text of decimal digits alone (leading zeros are zeros), or
// nothing; a value past the 64-bit range is given as INT64_MAX, beyond any
// range a setting takes.
std::optional<int64_t> read_decimal(std::string_view text);

// The one reading of a number: the text's blanks dropped, decimal digits
// alone, within lo to hi. "" with the value in `out`, or why it is refused
// without the option's name: "'0x1f' is not a decimal number", "Value 0 not
// in range 1 to 99" (the digits as given, without leading zeros).
std::string number_refusal(std::string_view text, int64_t lo, int64_t hi,
                           int64_t &out);

// The word of --yes that answers every question no.
inline constexpr char NO_ANSWERS[] = "none";

// The answer names of --yes in the order of their flags, comma-separated.
std::string answer_names();

// Applies the choices over the session's settings and texts. Returns "", or
// one line naming the option that refuses a choice ("--cdf: Value 0 not in
// range 1 to 99", "--monster: no match for 'x'; close matches: ..."); the
// session may then hold some of the choices. A name that matches no entry but
// one after the count at the top of its file adds the line saying such
// entries were left out.
std::string apply_setting_choices(const setting_choices &o, session &s);

// "the group's highest CDF (1) is below the creature's CDF (25): kept as
// given" when it is, else "": the values are kept, and this says so.
std::string group_cdf_note(const settings &c);
