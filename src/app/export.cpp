// hoardex export FILE: the reports of an output file (the screen program's
// or roll --append's) in a format for other tools, written report by report
// so a file of any size is exported in bounded memory.
#include "commands.h"

int export_command(const export_request &r) {
  command_hooks hooks;
  hooks.piece = [](std::string_view shown, std::string_view, std::string_view) {
    std::fwrite(shown.data(), 1, shown.size(), stdout);
    return !std::ferror(stdout);
  };
  return report_result(export_file(r, hooks));
}
