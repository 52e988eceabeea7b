// The settings a command line or an embedding page may choose, as texts and
// numbers, applied over loaded settings: the monster and lair by number or
// name, the ranged numbers, the named answers, the game date and the texts.
// Numbers are read in decimal only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "generation.h"

struct setting_choices {
  std::string monster, lair, yes, game_date, position, comment;
  std::optional<int> cdf, group_cdf, jeweler_el, station, mel, cel;
};

// How many reports one roll gives, how many generations stats counts.
constexpr value_range ROLL_COUNT_RANGE = {1, 1000000};
constexpr value_range STATS_GENERATIONS_RANGE = {1, 10000000};

// "1 to 99": a range as the messages name it.
std::string range_text(value_range r);

// "--cdf: Value 0 not in range 1 to 99" when the value is outside the range
// (the command line's parser words it so), else "".
std::string range_refusal(const char *option, long value, value_range range);

// The text without the blanks and tabs at either end.
std::string trim_blanks(std::string_view text);

// The value of a text of decimal digits alone (leading zeros are zeros),
// or nothing; values past 999999999 are given as 1000000000, beyond any
// range the options take.
std::optional<long> decimal_digits(std::string_view text);

// Why a number option's text (its blanks dropped) is refused, or "" when it
// is decimal digits alone: "'0x1f' is not a decimal number".
std::string decimal_refusal(std::string_view trimmed);

// The word of --yes that answers every question no.
inline constexpr char NO_ANSWERS[] = "none";

// The answer names of --yes in the order of their flags, comma-separated.
std::string answer_names();

// Applies the choices over the session's settings and texts. Returns "", or
// one line naming the option that refuses a choice ("--cdf: Value 0 not in
// range 1 to 99", "--monster: no match for 'x'; close matches: ..."); the
// session may then hold some of the choices. An empty text is a choice not
// made (the command line refuses empty values before this). A name that
// matches no entry but one after the count at the top of its file adds the
// line saying such entries were left out.
std::string apply_setting_choices(const setting_choices &o, session &s);

// "the group's highest CDF (1) is below the creature's CDF (25): kept as
// given" when it is, else "": the values are kept, and this says so.
std::string group_cdf_note(const settings &c);
