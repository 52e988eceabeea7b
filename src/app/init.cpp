// hoardex init: the sample information files copied into the current folder
// for a first start. Each is written through a temporary file renamed into
// place, so a full disk leaves no file behind; a non-empty regular file
// already there is kept as it is.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "atomic_file.h"
#include "commands.h"
#include "data_folder.h"

int copy_sample_files(const std::string &from) {
  int status = EXIT_DONE;
  for (const std::string name : {"monster.hxi", "area.hxi", "setup.hxi"}) {
    struct stat here {};
    if (stat(name.c_str(), &here) == 0) {
      const char *why = !S_ISREG(here.st_mode) ? "not a regular file"
                        : here.st_size == 0    ? "an empty file"
                                               : nullptr;
      if (!why) {
        std::printf("kept %s (already here)\n", name.c_str());
        continue;
      }
      complain(name + " is " + why + "; remove it to have the sample file");
      status = EXIT_BAD_FILE;
      continue;
    }
    if (errno != ENOENT) {
      complain(name + ": " + std::strerror(errno));
      status = EXIT_BAD_FILE;
      continue;
    }
    const std::string source = from + "/" + name;
    std::ifstream in(source, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (!in || !content) {
      complain("cannot read the sample file " + source);
      status = EXIT_BAD_FILE;
      continue;
    }
    std::string error;
    if (!replace_file(name, content.str(), error)) {
      complain("cannot write " + name + ": " + error);
      status = EXIT_BAD_FILE;
      continue;
    }
    std::printf("copied %s from %s\n", name.c_str(), from.c_str());
  }
  return status;
}

int init_command() {
  const std::string from = sample_folder();
  if (from.empty()) {
    complain(
        "cannot find the sample files: this program is neither "
        "installed nor in its build folder");
    return EXIT_BAD_FILE;
  }
  return copy_sample_files(from);
}
