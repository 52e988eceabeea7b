// hoardex run SCRIPT: the report of a treasure script written by hand. A
// script that stops making sense still prints what could be read; the line
// where reading stopped goes to the standard error stream.
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "dice.h"
#include "info_files.h"
#include "interpreter.h"

namespace {

// The report, and what the interpreter said it left out, by line.
class warned_report : public report_recorder {
 public:
  void warning(long line, std::string_view what) override {
    warnings.push_back(std::to_string(line) +
                       ": warning: " + std::string(what));
  }
  std::vector<std::string> warnings;
};

}  // namespace

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
  warned_report report;
  dice_record dice{};
  interpret_script(script, s.tables, dice, report);
  std::fclose(script);
  if (o.format == output_format::json)
    std::puts(report_json(report, nullptr).c_str());
  else
    std::fwrite(report.text.text().data(), 1, report.text.text().size(),
                stdout);
  std::fflush(stdout);
  for (const std::string &w : report.warnings) complain(o.script + ":" + w);
  if (!report.ending.complete) {
    complain(o.script + ": reading stopped at line " +
             std::to_string(report.ending.stopped_line));
    return EXIT_BAD_FILE;
  }
  return o.strict && !report.warnings.empty() ? EXIT_BAD_FILE : EXIT_DONE;
}
