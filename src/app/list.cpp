// hoardex list: the monsters and lairs with their numbers.
#include <cstdio>

#include "commands.h"

int list_command(output_format format) {
  loaded_session s;
  if (int status = load_command_session(s, false)) return status;
  const command_result r = list_report(s.tables);
  const std::string &shown = format == output_format::json ? r.json : r.text;
  std::fwrite(shown.data(), 1, shown.size(), stdout);
  return std::fflush(stdout) == 0 ? EXIT_DONE : EXIT_BAD_FILE;
}
