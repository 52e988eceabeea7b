// Checking the information files as a whole: where the loaders stop at the
// first entry they cannot take, the checker reads on and lists every such
// problem with its file, entry and line.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "model.h"

struct info_problem {
  std::string file;
  long line;  // 1-based line of the token at fault (or of the last token)
  std::string entry;  // "monster 3", "area 2", "settings", or "" for the file
  std::string what;
};

// The problems of an open monster file; none when the loader would take it.
std::vector<info_problem> check_monster_file(FILE *f, const char *file_name);
// The problems of an open area file.
std::vector<info_problem> check_area_file(FILE *f, const char *file_name);
// The values of an open settings file that the loader would change: a bad
// output name, numbers outside the screens' ranges, indexes beyond `t`.
std::vector<info_problem> check_settings_file(FILE *f, const char *file_name,
                                              const info_tables &t);
