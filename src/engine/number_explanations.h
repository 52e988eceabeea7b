// What each number of the settings does to the treasure, in words: a line
// short enough for a prompt row and a paragraph for the help. The screen
// program, the command line's help, the manual page and the browser page all
// take their words from here.
#pragma once

#include <string_view>

// The numbers a game master sets.
enum class number_id { cdf, group_cdf, jeweler_el, station, mel, cel };

struct number_explanation {
  number_id id;
  const char *name;       // "Creature CDF"
  const char *line;       // at most EXPLANATION_LINE_MAX characters
  const char *paragraph;  // one paragraph, no line ends
};

// The longest one-line form: the prompt row's width less its first column.
constexpr int EXPLANATION_LINE_MAX = 78;

// Every number, in the order of the menu.
extern const number_explanation NUMBER_EXPLANATIONS[6];
// Why a monster may ask its Station, MEL and CEL twice.
extern const char *const SCORES_ASKED_TWICE;

const number_explanation &explanation_of(number_id id);
