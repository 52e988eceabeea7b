// hoardex init: the sample information files copied into the current folder
// for a first start; a file already there is kept as it is.
#include <filesystem>
#include <iostream>

#include "commands.h"
#include "data_folder.h"

int init_command() {
  namespace fs = std::filesystem;
  const fs::path from = sample_folder();
  if (from.empty()) {
    complain(
        "cannot find the sample files: this program is neither "
        "installed nor in its build folder");
    return EXIT_BAD_FILE;
  }
  int status = EXIT_DONE;
  for (const char *name : {"monster.hxi", "area.hxi", "setup.hxi"}) {
    std::error_code ec;
    if (fs::exists(name, ec)) {
      std::cout << "kept " << name << " (already here)\n";
      continue;
    }
    // copy_options::none refuses to replace a file that appeared meanwhile.
    if (!fs::copy_file(from / name, name, fs::copy_options::none, ec)) {
      complain(std::string("cannot copy ") + (from / name).string() + ": " +
               ec.message());
      status = EXIT_BAD_FILE;
      continue;
    }
    std::cout << "copied " << name << " from " << from.string() << "\n";
  }
  return status;
}
