// Finding the installed sample files from the program's own location, so an
// installation moved to another prefix still finds them.
#include "data_folder.h"

#include <filesystem>
#include <system_error>

#ifndef HOARDEX_INSTALL_DATA_DIR
#define HOARDEX_INSTALL_DATA_DIR "/usr/local/share/hoardex"
#endif

std::string installed_data_folder() {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    fs::path beside = program.parent_path().parent_path() / "share" / "hoardex";
    if (fs::is_regular_file(beside / "monster.hxi", ec)) return beside.string();
  }
  return HOARDEX_INSTALL_DATA_DIR;
}
