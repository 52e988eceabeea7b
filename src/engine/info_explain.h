// The information files in words: every problem a check found, and every
// monster and lair as the treasure rules read them.
#pragma once

#include <string>
#include <vector>

#include "info_files.h"

// One line per problem, "file:line: entry: problem" (no line for a file
// refused as a whole; "warning: " before a problem that is only a warning),
// or one line saying no problem was found (and, without `has_setup`, that
// setup.hxi is absent and the defaults apply).
std::string problems_text(const std::vector<info_problem> &problems,
                          bool has_setup);
// Whether any problem is more than a warning: the files then fail the check.
bool has_faults(const std::vector<info_problem> &problems);

// "Monsters:", one line per monster (its lair items, extras, portable
// treasure and questions), then "Lairs (d10 roll):", one line per lair with
// the category of each d10 roll ("1-2 other, 3-4 coins, ...").
std::string explain_text(const info_tables &t);
