// Fixture of the command line's tests: a private folder holding the sample
// files, and the command line run in this process with its standard output
// and error collected.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include "commands.h"
#include "engine_env.h"

struct ran {
  int status;
  std::string out, err;
};
using arg_list = std::vector<std::string>;

// The head of a script of a manual list, down to its section word.
inline const std::string MANUAL_HEAD =
    "1 2 2020\n3 4 5\n[POS: Mill\n[COM: Note\n----------\n4 89 20 30 0 -1\n"
    "----------\nMANUAL-GENERATION\n";

inline bool holds(const std::string &text, const std::string &part) {
  return text.find(part) != std::string::npos;
}

class AppEnv : public EngineEnv {
 protected:
  void SetUp() override {
    EngineEnv::SetUp();
    for (const char *name : {"monster.hxi", "area.hxi", "setup.hxi"})
      std::filesystem::copy_file(std::string(HOARDEX_DATA_DIR "/") + name,
                                 name);
  }
  // The command line with these arguments, its standard output going to
  // `to` (collected unless named).
  static ran cli(arg_list args, const char *to = ".out") {
    args.insert(args.begin(), "hoardex");
    std::vector<const char *> argv;
    for (const std::string &a : args) argv.push_back(a.c_str());
    // What the test program printed before goes to its own output.
    std::fflush(stdout);
    std::fflush(stderr);
    int saved[2] = {dup(1), dup(2)};
    for (int fd : {1, 2}) {
      int f = open(fd == 1 ? to : ".err", O_WRONLY | O_CREAT | O_TRUNC, 0644);
      dup2(f, fd);
      close(f);
    }
    int status = run_command_line(static_cast<int>(argv.size()), argv.data());
    std::fflush(stderr);
    for (int fd : {1, 2}) dup2(saved[fd - 1], fd), close(saved[fd - 1]);
    return {status, std::string(to) == ".out" ? slurp(to) : "", slurp(".err")};
  }
};
