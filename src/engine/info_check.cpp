// The information-file checker: the loaders themselves, in the mode that
// notes every problem and reads on to the end of the file.
#include "info_check.h"

#include <cstring>
#include <memory>
#include <string>

bool check_info_file(const char *name, const info_tables &loaded,
                     std::vector<info_problem> &problems) {
  std::string refusal;
  FILE *f = open_info_file(name, refusal);
  if (!f) {
    if (refusal.empty()) return false;
    problems.push_back({name, 0, "", refusal});
    return true;
  }
  auto scratch = std::make_unique<info_tables>();
  if (std::strcmp(name, "monster.hxi") == 0) {
    load_monsters(f, name, *scratch, nullptr, 0, &problems);
    free_monsters(*scratch);
  } else if (std::strcmp(name, "area.hxi") == 0) {
    load_areas(f, name, *scratch, nullptr, 0, &problems);
  } else {
    settings unused;
    load_settings(f, loaded, unused, &problems, name);
  }
  std::fclose(f);
  return true;
}
