// Where the sample information files were installed.
#pragma once

#include <string>

// <prefix>/share/hoardex found from the program's own location
// (../share/hoardex beside its bin folder), or the folder the build was
// configured to install to when that one does not hold the files.
std::string installed_data_folder();
