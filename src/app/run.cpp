// hoardex run SCRIPT: the report of a treasure script written by hand. A
// script that stops making sense still prints what could be read; the line
// where reading stopped goes to the standard error stream. The report is
// written as it is read, so a script of any size runs in bounded memory.
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"
#include "dice.h"
#include "info_files.h"
#include "interpreter.h"

namespace {

// Passes every event to the report being built and writes out what it then
// holds, keeping nothing once written.
class streamed_report : public report_sink {
 public:
  explicit streamed_report(output_format format)
      : json_(format == output_format::json) {}
  void header(const report_header &h) override {
    ledger.header(h);
    json_ ? json_text_.header(h) : text_.header(h);
    drain();
  }
  void section(section_kind k, std::string_view t, int lines) override {
    json_ ? json_text_.section(k, t, lines) : text_.section(k, t, lines);
    drain();
  }
  void literal(std::string_view t, int lines, bool closed) override {
    json_ ? json_text_.literal(t, lines, closed)
          : text_.literal(t, lines, closed);
    drain();
  }
  void item(const report_item &it) override {
    ledger.item(it);
    json_ ? json_text_.item(it) : text_.item(it);
    drain();
  }
  void end(const report_end &e) override {
    json_ ? json_text_.end(e) : text_.end(e);
    drain();
    stopped_line = e.stopped_line;
  }
  // What the report leaves out, by line, for the standard error stream.
  void warning(long line, std::string_view what) override {
    warnings.push_back(std::to_string(line) +
                       ": warning: " + std::string(what));
  }

  long stopped_line = 0;
  std::vector<std::string> warnings;
  ledger_sink ledger;
  json_report_writer json_text_{nullptr};

 private:
  void drain() {
    const std::string &t = json_ ? json_text_.out : text_.text();
    std::fwrite(t.data(), 1, t.size(), stdout);
    json_text_.out.clear();
    text_.clear();
  }

  bool json_;
  text_report text_;
};

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
  if (int status = load_command_tables(s.tables)) return status;
  FILE *script = open_script(o.script);
  if (!script) return EXIT_BAD_FILE;
  ledger_request asked;
  if (!ledger_request_of(o.ledger, asked)) {
    std::fclose(script);
    return EXIT_BAD_USAGE;
  }
  seed_dice_or_clock(o.seed);
  streamed_report report(o.format);
  report.json_text_.ledger_asked = asked;
  dice_record dice{};
  bool complete = interpret_script(script, s.tables, dice, report);
  std::fclose(script);
  if (o.format == output_format::text && ledger_per_report(o.ledger))
    std::fputs(
        ("\n" + ledger_text(report.ledger.ledger, asked, nullptr, "", "Ledger"))
            .c_str(),
        stdout);
  std::fflush(stdout);  // the report before the messages about it
  for (const std::string &w : report.warnings) complain(o.script + ":" + w);
  if (!complete) {
    std::fflush(stdout);  // the report before the message that ends it
    complain(o.script + ": reading stopped at line " +
             std::to_string(report.stopped_line));
    return EXIT_BAD_FILE;
  }
  return o.strict && !report.warnings.empty() ? EXIT_BAD_FILE : EXIT_DONE;
}
