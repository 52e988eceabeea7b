// Finding a monster or a lair by a part of its name.
#include "name_match.h"

#include <cctype>

std::string folded_name(std::string_view text) {
  std::string out(text);
  for (char &c : out)
    c = c == '_'
            ? ' '
            : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::vector<int> names_holding(const std::vector<std::string> &names,
                               std::string_view part) {
  std::vector<int> found;
  const std::string want = folded_name(part);
  for (std::size_t i = 0; i < names.size(); ++i)
    if (folded_name(names[i]).find(want) != std::string::npos)
      found.push_back(static_cast<int>(i));
  return found;
}
