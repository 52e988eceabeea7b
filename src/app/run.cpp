// hoardex run SCRIPT: the report of a treasure script written by hand. A
// script that stops making sense still prints what could be read; the line
// where reading stopped goes to the standard error stream.
#include <cstdio>

#include "commands.h"
#include "dice.h"
#include "info_files.h"
#include "interpreter.h"

int run_command(const run_options &o) {
  loaded_session s;
  std::string err;
  if (load_tables(s.tables, err) != 0) {
    std::fputs(err.c_str(), stderr);
    return EXIT_BAD_FILE;
  }
  FILE *script = std::fopen(o.script.c_str(), "r");
  if (!script) {
    complain("cannot read " + o.script);
    return EXIT_BAD_FILE;
  }
  seed_dice_or_clock(o.seed);
  report_recorder report;
  dice_record dice{};
  interpret_script(script, s.tables, dice, report);
  std::fclose(script);
  if (o.format == output_format::json)
    std::puts(report_json(report, nullptr).c_str());
  else
    std::fwrite(report.text.text().data(), 1, report.text.text().size(),
                stdout);
  std::fflush(stdout);
  if (!report.ending.complete) {
    complain(o.script + ": reading stopped at line " +
             std::to_string(report.ending.stopped_line));
    return EXIT_BAD_FILE;
  }
  return EXIT_DONE;
}
