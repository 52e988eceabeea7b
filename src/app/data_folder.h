// Where the sample information files are.
#pragma once

#include <string>

// The folder holding the sample information files, found from the program's
// own location: its installation's share folder (wherever it was installed,
// moved or unpacked), or for the program in its build tree the source tree's
// data/. Empty when neither holds them.
std::string sample_folder();
