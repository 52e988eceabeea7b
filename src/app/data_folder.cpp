// Finding the sample files from the program's own location, so an
// installation under any prefix finds its own and a build finds the sources'.
#include "data_folder.h"

#include <filesystem>
#include <system_error>

// The build defines these: the way from the installed program's folder to the
// sample folder (from the configured install folders), the folder the program
// is built in and the source tree's sample folder.
#ifndef HOARDEX_SAMPLES_FROM_BIN
#define HOARDEX_SAMPLES_FROM_BIN "../share/hoardex"
#endif
#ifndef HOARDEX_BUILD_DIR
#define HOARDEX_BUILD_DIR ""
#endif
#ifndef HOARDEX_SOURCE_DATA_DIR
#define HOARDEX_SOURCE_DATA_DIR ""
#endif

std::string sample_folder() {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "";
  const fs::path here = program.parent_path();
  const fs::path installed = here / HOARDEX_SAMPLES_FROM_BIN;
  if (fs::is_regular_file(installed / "monster.hxi", ec))
    return installed.lexically_normal().string();
  // A copy of the program elsewhere is no build and does not get here.
  const fs::path sources = HOARDEX_SOURCE_DATA_DIR;
  if (!sources.empty() && fs::equivalent(here, HOARDEX_BUILD_DIR, ec) &&
      fs::is_regular_file(sources / "monster.hxi", ec))
    return sources.string();
  return "";
}
