// Finding the installed sample files from the running program.
#include "data_folder.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

std::string installed_data_folder() {
  char exe[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  if (n > 0) {
    std::string bin(exe, static_cast<std::size_t>(n));
    std::string folder = bin.substr(0, bin.rfind('/')) + "/../share/hoardex";
    char shown[PATH_MAX];
    if (access((folder + "/monster.hxi").c_str(), R_OK) == 0 &&
        realpath(folder.c_str(), shown))
      return shown;
  }
  return HOARDEX_INSTALLED_DATA;
}
