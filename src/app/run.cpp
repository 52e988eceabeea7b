// hoardex run SCRIPT: the report of a treasure script written by hand. A
// script that stops making sense still prints what could be read; the line
// where reading stopped goes to the standard error stream. The report is
// written as it is read, so a script of any size runs in bounded memory.
#include <cerrno>
#include <cstring>
#include <string>

#include "commands.h"
#include "dice.h"
#include "info_files.h"

namespace {

// The script opened for reading (a FIFO or a device refused before any
// read could wait on it), or null after a message saying why not.
FILE *open_script(const std::string &path) {
  std::string why;
  FILE *f = open_regular_file(path.c_str(), why);
  if (!f)
    complain("cannot read the script " + path + "\n" + path + ": " +
             (why.empty() ? std::strerror(ENOENT) : why));
  return f;
}

}  // namespace

int run_command(const run_options &o) {
  loaded_session s;
  if (int status = load_command_session(s, false)) return status;
  run_request r = o.request;
  FILE *script = open_script(r.name);
  if (!script) return EXIT_BAD_FILE;
  if (!ledger_request_of(o.ledger, r.ledger)) {
    std::fclose(script);
    return EXIT_BAD_USAGE;
  }
  if (r.seed.empty()) r.seed = std::to_string(clock_seed());
  command_hooks hooks;
  hooks.piece = [](std::string_view shown, std::string_view, std::string_view) {
    std::fwrite(shown.data(), 1, shown.size(), stdout);
    return true;
  };
  const command_result result = run_report(r, s.tables, script, hooks);
  std::fclose(script);
  std::fflush(stdout);  // the report before the messages about it
  return report_result(result);
}
