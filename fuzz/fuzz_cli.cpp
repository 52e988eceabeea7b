// Fuzz target: the command line. The input is the arguments (one a line),
// then after NUL bytes monster.hxi, area.hxi, setup.hxi and script.hxs; an
// empty information file takes the sample. The command ends with status 0,
// 1 or 2, and a report in JSON is valid JSON line by line. The whole input
// is also read as a ledger's data, which must then write back the same.
#include <fcntl.h>

#include <cstdint>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "commands.h"
#include "fuzz_support.h"
#include "ledger.h"

FUZZ_START(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  // The ledger data the page keeps and gives back: what is read is written
  // again the same.
  hoard_ledger kept;
  if (read_ledger_data({reinterpret_cast<const char *>(data), size}, kept)) {
    const std::string written = ledger_data_json(kept);
    hoard_ledger again;
    fuzz::check(
        read_ledger_data(written, again) && ledger_data_json(again) == written,
        "ledger data reads back as it was written");
  }
  std::string parts[5];
  for (size_t i = 0, k = 0; i < size; ++i)
    if (data[i] == 0 && k < 4)
      ++k;
    else
      parts[k] += static_cast<char>(data[i]);
  std::vector<std::string> args{"hoardex"};
  std::istringstream lines(parts[0]);
  for (std::string arg; std::getline(lines, arg) && args.size() < 16;) {
    // No path out of the work folder, no count in the thousands.
    if (arg.find('/') != std::string::npos ||
        std::search_n(arg.begin(), arg.end(), 4, '0', [](char c, char) {
          return c >= '0' && c <= '9';
        }) != arg.end())
      return 0;
    args.push_back(arg);
  }
  // A command always: without one the screen program would start.
  const char *commands[] = {"roll", "run", "check", "stats", "manual", "save"};
  if (args.size() < 2 || std::none_of(std::begin(commands), std::end(commands),
                                      [&](auto c) { return args[1] == c; }))
    args.insert(args.begin() + 1, commands[size % std::size(commands)]);
  if (args[1] == "stats" &&
      std::find(args.begin(), args.end(), "-n") == args.end())
    args.insert(args.end(), {"-n", "20"});  // not the thousand of the default

  for (const auto &e : std::filesystem::directory_iterator("."))
    std::filesystem::remove_all(e.path());
  const char *files[] = {"monster.hxi", "area.hxi", "setup.hxi", "script.hxs"};
  for (int k = 0; k < 4; ++k)
    if (parts[k + 1].empty() && k < 3)
      std::filesystem::copy_file(HOARDEX_DATA_DIR "/" + std::string(files[k]),
                                 files[k]);
    else
      fuzz::write_file(files[k], parts[k + 1].data(), parts[k + 1].size());

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

  // A report in JSON (not followed by its script, --script-out -).
  std::ifstream printed("out", std::ios::binary);
  if ((args[1] == "roll" || args[1] == "run") && printed.peek() == '{' &&
      std::find(args.begin(), args.end(), "-") == args.end())
    for (std::string line; std::getline(printed, line);)
      fuzz::check(nlohmann::json::accept(line), "a report in JSON parses");
  return 0;
}
