// hoardex roll: the reports key 7 would give, without the screen. Each
// report is the same writer and interpreter drawing the same dice in the same
// order as a press of key 7; the script stays in memory, so no file of the
// folder changes unless --append or --script-out asks for it.
#include <cstdio>

#include "commands.h"
#include "dice.h"

namespace {

bool write_file(const std::string &path, const std::string &text) {
  FILE *f = std::fopen(path.c_str(), "w");
  if (!f) return false;
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int roll_command(const roll_options &o) {
  loaded_session s;
  if (int status = resolve_session(o.settings, s)) return status;
  seed_dice_or_clock(o.seed);
  report_recorder report;
  std::string script;
  for (int i = 0; i < o.count; ++i) {
    script = automatic_script_text(s.generation());
    report.clear();
    interpret_text(script, s.tables, report);
    const std::string path = output_path(s.config.output_name);
    if (o.append && !append_report(open_output_path(path.c_str()), path.c_str(),
                                   report.text.text())) {
      complain(std::string("cannot write ") + s.config.output_name + ".hxo");
      return EXIT_BAD_FILE;
    }
    if (o.format == output_format::json)
      std::puts(report_json(report, &s.config).c_str());
    else
      std::fwrite(report.text.text().data(), 1, report.text.text().size(),
                  stdout);
  }
  if (!o.script_out.empty() && !write_file(o.script_out, script)) {
    complain("cannot write " + o.script_out);
    return EXIT_BAD_FILE;
  }
  return std::fflush(stdout) == 0 ? EXIT_DONE : EXIT_BAD_FILE;
}
