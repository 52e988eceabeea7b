// Checking the information files as a whole: where the loaders stop at the
// first entry they cannot take, the checker reads on and lists every such
// problem with its file, entry and line.
#pragma once

#include <vector>

#include "info_files.h"
#include "model.h"

// Adds the problems of the information file `name` in the current folder
// (monster.hxi, area.hxi or setup.hxi) to `problems`: the refusals of the
// loader, and every value it would take other than the file holds it. The
// settings' indexes are checked against `loaded`. Returns false when there is
// no such file.
bool check_info_file(const char *name, const info_tables &loaded,
                     std::vector<info_problem> &problems);
