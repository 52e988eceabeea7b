// What every command shares: the files loaded, and a result's notes and
// message said on the standard error stream.
#include <cstdio>

#include "commands.h"
#include "info_files.h"

loaded_session::~loaded_session() { free_monsters(tables); }

int report_load_failure(const command_result &r) {
  std::string err = r.message;
  if (!err.empty() && err.back() != '\n') err += '\n';
  const std::string hint = missing_file_hint();
  if (r.file_missing && !hint.empty()) err += hint + "\n";
  std::fputs(err.c_str(), stderr);
  return static_cast<int>(r.status);
}

int load_command_session(session &s, bool with_settings) {
  const command_result r = load_files(s, with_settings);
  return r.status == command_status::done ? EXIT_DONE : report_load_failure(r);
}

int report_result(const command_result &r) {
  for (const std::string &note : r.notes) complain(note);
  if (!r.message.empty()) complain(r.message);
  return static_cast<int>(r.status);
}
