// A report as one line of JSON, from the events a report_recorder kept.
#pragma once

#include <string>

#include "headless.h"
#include "model.h"

// The object: real_date, game_date, position, comments, lair, monster,
// settings (cdf, group_cdf, jeweler_el, station, mel, cel, answers),
// sections (name, entries) and complete. `used` gives the settings of a
// generation (null for a script read from a file: MEL, CEL and the answers
// are unknown, null).
std::string report_json(const report_recorder &report, const settings *used);

// A text as a JSON string, quotes included: the quote, the backslash and
// the control characters escaped, every other byte as it is.
std::string json_string(std::string_view text);
