// Finding a monster or a lair by a part of its name, as the list screens and
// the command line do: without regard to case, "_" standing for a blank as
// in the information files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text as names are compared: lower case, every "_" a blank.
std::string folded_name(std::string_view text);

// The indexes of `names` that hold `part`, in order.
std::vector<int> names_holding(const std::vector<std::string> &names,
                               std::string_view part);
