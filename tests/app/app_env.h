// Fixture of the command line's tests: a private folder holding the sample
// files, and the command line run in this process with its standard output
// and error collected.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <vector>

#include "commands.h"
#include "engine_env.h"

struct ran {
  int status;
  std::string out, err;
};

class AppEnv : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/hxapp.XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    std::filesystem::current_path(dir_ = tmpl);
    for (const char *name : {"monster.hxi", "area.hxi", "setup.hxi"})
      std::filesystem::copy_file(std::string(HOARDEX_DATA_DIR "/") + name,
                                 name);
  }
  void TearDown() override {
    std::filesystem::current_path("/");
    std::filesystem::remove_all(dir_);
  }
  // The command line with these arguments; standard output goes to
  // `stdout_path` (a file of the folder unless named).
  static ran cli(std::vector<std::string> args,
                 const std::string &stdout_path = ".stdout") {
    args.insert(args.begin(), "hoardex");
    std::vector<const char *> argv;
    for (const std::string &a : args) argv.push_back(a.c_str());
    std::fflush(stdout);
    std::fflush(stderr);
    int saved_out = dup(1), saved_err = dup(2);
    int out = open(stdout_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = open(".stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, 1);
    dup2(err, 2);
    close(out);
    close(err);
    int status = run_command_line(static_cast<int>(argv.size()), argv.data());
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(saved_out, 1);
    dup2(saved_err, 2);
    close(saved_out);
    close(saved_err);
    std::string text = stdout_path == ".stdout" ? slurp(".stdout") : "";
    return {status, text, slurp(".stderr")};
  }
  std::filesystem::path dir_;
};

// A file size limit stands in for a full disk while it lives.
struct SizeLimit {
  explicit SizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small{bytes, old.rlim_max};
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  }
  ~SizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
  rlimit old{};
};
