// The settings a command line or an embedding page may choose, as texts and
// numbers, applied over loaded settings: the monster and lair by number or
// name, the ranged numbers, the named answers, the game date and the texts.
#pragma once

#include <optional>
#include <string>

#include "generation.h"

struct setting_choices {
  std::string monster, lair, yes, game_date, position, comment;
  std::optional<int> cdf, group_cdf, jeweler_el, station, mel, cel;
};

// "1 to 99": a range as the messages name it.
std::string range_text(value_range r);

// Applies the choices over the session's settings and texts. Returns "" when
// every choice was taken, or one line naming the option ("--cdf: Value 0 not
// in range 1 to 99", "--monster: no match for 'x'; close matches: ...");
// the session may then hold some of the choices.
std::string apply_setting_choices(const setting_choices &o, session &s);
