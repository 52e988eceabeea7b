// hoardex roll: the reports key 7 would give, without the screen. Each
// report is the same writer and interpreter drawing the same dice in the same
// order as a press of key 7; the script stays in memory, so no file of the
// folder changes unless --append or --script-out asks for it.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "atomic_file.h"
#include "commands.h"
#include "dice.h"
#include "progress.h"

namespace {

bool same_file(const struct stat &a, const struct stat &b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

std::string script_out_refusal(const std::string &path,
                               const std::string &output_file) {
  namespace fs = std::filesystem;
  if (path == "-") return "";
  // Each spelling of a file, absent ones too, resolved to one absolute
  // path: links and "." and ".." taken out as far as the path exists.
  auto resolved = [](const std::string &p) {
    std::error_code ec;
    fs::path whole = fs::weakly_canonical(fs::absolute(p, ec), ec);
    return ec ? fs::path() : whole;
  };
  const fs::path target = resolved(path);
  struct stat at {};
  const bool exists = stat(path.c_str(), &at) == 0;
  for (const std::string &own :
       {std::string("monster.hxi"), std::string("area.hxi"),
        std::string("setup.hxi"), output_file}) {
    struct stat of {};
    if ((exists && stat(own.c_str(), &of) == 0 && same_file(at, of)) ||
        (!target.empty() && resolved(own) == target))
      return "--script-out: " + path + " is the program's " + own +
             "; the script may not replace it";
  }
  if (!exists) return "";
  if (!S_ISREG(at.st_mode))
    return "--script-out: " + path +
           " is not a regular file; '-' writes the script to standard "
           "output";
  for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    struct stat stream {};
    if (fstat(fd, &stream) == 0 && same_file(at, stream))
      return "--script-out: " + path +
             " is where the program's output goes; '-' writes the script "
             "to standard output";
  }
  return "";
}

int roll_command(const roll_options &o) {
  loaded_session s;
  if (int status = resolve_session(o.settings, s)) return status;
  const std::string output_file = std::string(s.config.output_name) + ".hxo";
  if (!o.script_out.empty()) {
    if (std::string refusal = script_out_refusal(o.script_out, output_file);
        !refusal.empty()) {
      complain(refusal);
      return EXIT_BAD_USAGE;
    }
  }
  ledger_request asked;
  if (!ledger_request_of(o.ledger, asked)) return EXIT_BAD_USAGE;
  seed_dice_or_clock(o.seed);
  if (o.verbose) std::fputs(settings_in_use(s).lines().c_str(), stderr);
  text_report text;
  json_report_writer json(&s.config);
  ledger_sink ledger;
  both_sinks text_and_ledger(text, ledger);
  both_sinks all_three(text_and_ledger, json);
  report_sink &sink = o.format == output_format::json
                          ? static_cast<report_sink &>(all_three)
                          : text_and_ledger;
  // The reference hoards, run once before the first report with dice of
  // their own.
  const std::vector<unit_tenths> *reference =
      asked.rank ? &reference_totals(s.generation()) : nullptr;
  const std::string reference_words =
      asked.rank ? reference_name(s.generation()) : "";
  json.ledger_asked = asked;
  json.reference = reference;
  hoard_ledger pile;
  std::string script;
  // Reports on the terminal would scroll the progress line away.
  progress_line progress(o.count,
                         isatty(STDERR_FILENO) && !isatty(STDOUT_FILENO));
  for (int i = 0; i < o.count && !std::ferror(stdout); ++i, progress.step()) {
    script = automatic_script_text(s.generation());
    text.clear();
    json.out.clear();
    interpret_text(script, s.tables, sink);
    // As key 7: the whole report in one locked write, or nothing of it.
    const std::string path = output_path(s.config.output_name);
    if (o.append && !append_report(open_output_path(path.c_str()), path.c_str(),
                                   text.text())) {
      complain("cannot write " + output_file +
               "; the report was not appended, the file is as it was");
      return EXIT_BAD_FILE;
    }
    std::string shown =
        o.format == output_format::json ? json.out : text.text();
    if (o.format == output_format::text && ledger_per_report(o.ledger)) {
      ledger_rank rank;
      if (reference) rank = rank_ledger(ledger.ledger, *reference, asked.rates);
      shown +=
          "\n" + ledger_text(ledger.ledger, asked, reference ? &rank : nullptr,
                             reference_words, "Ledger");
    }
    std::fwrite(shown.data(), 1, shown.size(), stdout);
    pile.add(ledger.ledger);
  }
  if (o.ledger.pile && !std::ferror(stdout)) {
    // The rank is a single hoard's: the pile has none.
    ledger_request of_pile = asked;
    of_pile.rank = false;
    const std::string shown =
        o.format == output_format::json
            ? "{\"pile\":true,\"reports\":" + std::to_string(pile.reports) +
                  ",\"ledger\":" + ledger_json(pile, of_pile, nullptr) + "}\n"
            : "\n" + ledger_text(pile, of_pile, nullptr, "",
                                 "Ledger of the pile of " +
                                     std::to_string(pile.reports) + " reports");
    std::fwrite(shown.data(), 1, shown.size(), stdout);
  }
  if (o.script_out == "-") {
    std::fwrite(script.data(), 1, script.size(), stdout);
  } else if (!o.script_out.empty()) {
    std::string error;
    if (!replace_file(o.script_out, script, error)) {
      complain("cannot write " + o.script_out + ": " + error);
      return EXIT_BAD_FILE;
    }
  }
  return EXIT_DONE;
}
