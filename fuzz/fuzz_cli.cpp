// Fuzz target: the command line. The input is the arguments (one a line),
// then after NUL bytes monster.hxi, area.hxi, setup.hxi and a script
// (script.hxs); an empty file part takes the sample file. The program ends
// with status 0, 1 or 2, and a report in JSON is valid JSON line by line.
#include <fcntl.h>

#include <cstdint>
#include <fstream>
#include <nlohmann/json.hpp>
#include <vector>

#include "commands.h"
#include "fuzz_support.h"

namespace {

std::string sample(const char *name) {
  std::ifstream in(HOARDEX_DATA_DIR "/" + std::string(name), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void write_file(const char *name, const std::string &text) {
  std::ofstream(name, std::ios::binary | std::ios::trunc) << text;
}

// Arguments that would leave the work folder (a path) or run long (a count
// in the thousands) are not tried.
bool harmless(const std::string &arg) {
  return arg.find('/') == std::string::npos &&
         std::search_n(arg.begin(), arg.end(), 4, 0, [](char c, int) {
           return c >= '0' && c <= '9';
         }) == arg.end();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  return fuzz::start(false);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0 && parts.size() < 5)
      parts.emplace_back();
    else
      parts.back() += static_cast<char>(data[i]);
  }
  parts.resize(5);
  std::vector<std::string> args{"hoardex"};
  for (std::size_t start = 0; start <= parts[0].size() && args.size() < 16;) {
    std::size_t end = std::min(parts[0].find('\n', start), parts[0].size());
    args.push_back(parts[0].substr(start, end - start));
    if (!harmless(args.back())) return 0;
    start = end + 1;
  }
  // A command always: without one the screen program would start.
  const char *commands[] = {"roll", "run", "check", "stats"};
  bool named = false;
  for (const char *c : commands) named = named || args[1] == c;
  if (!named) args.insert(args.begin() + 1, commands[size % 4]);

  for (const auto &e : std::filesystem::directory_iterator("."))
    std::filesystem::remove_all(e.path());
  const char *files[] = {"monster.hxi", "area.hxi", "setup.hxi", "script.hxs"};
  for (int k = 0; k < 4; ++k)
    write_file(files[k],
               parts[k + 1].empty() && k < 3 ? sample(files[k]) : parts[k + 1]);

  std::vector<const char *> argv;
  for (const std::string &a : args) argv.push_back(a.c_str());
  int saved[2] = {dup(1), dup(2)};
  for (int fd : {1, 2}) {
    int f = open(fd == 1 ? "out" : "/dev/null", O_WRONLY | O_CREAT, 0644);
    dup2(f, fd);
    close(f);
  }
  int status = run_command_line(static_cast<int>(argv.size()), argv.data());
  std::fflush(stderr);
  for (int fd : {1, 2}) dup2(saved[fd - 1], fd), close(saved[fd - 1]);
  fuzz::check(status >= 0 && status <= 2, "exit status 0, 1 or 2");

  const bool report = args[1] == "roll" || args[1] == "run";
  bool script_too = false;
  for (const std::string &a : args) script_too = script_too || a == "-";
  std::ifstream printed("out", std::ios::binary);
  std::string line;
  if (report && !script_too && printed.peek() == '{')
    while (std::getline(printed, line))
      fuzz::check(nlohmann::json::accept(line), "a report in JSON parses");
  return 0;
}
