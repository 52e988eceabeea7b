// hoardex check: every problem of the information files, and with
// --explain every monster and lair in words.
#include <cstdio>

#include "commands.h"

int check_command(bool explain) {
  const command_result r = check_report(explain);
  if (!r.message.empty()) return report_load_failure(r);
  std::fputs(r.text.c_str(), stdout);
  return static_cast<int>(r.status);
}
