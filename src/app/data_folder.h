// Where the sample information files of the installed program are.
#pragma once

#include <string>

// The folder of the installed sample files: share/hoardex beside the folder
// of the running program (../share/hoardex from its bin folder) when it holds
// them, else the install path the program was built for.
std::string installed_data_folder();
