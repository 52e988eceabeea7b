// hoardex roll: the reports key 7 would give, without the screen. Each
// report is the same writer and interpreter drawing the same dice in the same
// order as a press of key 7; the script stays in memory, so no file of the
// folder changes unless --append or --script-out asks for it.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

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
  if (int status = load_command_session(s)) return status;
  const std::string output_file = std::string(s.config.output_name) + ".hxo";
  const std::string path = output_path(s.config.output_name);
  roll_request request = o.request;
  // Without a seed, the clock's: the engine then knows it, so every report
  // (its JSON, an export, --verbose) says the seed that rebuilds it.
  if (request.seed.empty()) request.seed = std::to_string(clock_seed());
  if (!ledger_request_of(o.ledger, request.ledger)) return EXIT_BAD_USAGE;
  std::string script;
  std::optional<progress_line> progress;
  bool appended = true, said = false;
  command_hooks hooks;
  hooks.begin = [&](const command_result &r) {
    report_result(r);
    said = true;
    if (!o.script_out.empty()) {
      if (std::string refusal = script_out_refusal(o.script_out, output_file);
          !refusal.empty()) {
        complain(refusal);
        return command_status::bad_usage;
      }
    }
    if (o.verbose)
      std::fprintf(stderr, "%sSeed: %s\n", r.used.c_str(),
                   request.seed.c_str());
    // Reports on the terminal would scroll the progress line away.
    progress.emplace(read_decimal(o.request.count).value_or(1),
                     isatty(STDERR_FILENO) && !isatty(STDOUT_FILENO));
    return command_status::done;
  };
  hooks.piece = [&](std::string_view shown, std::string_view text,
                    std::string_view last_script) {
    if (!last_script.empty()) script = last_script;
    // As key 7: the whole report in one locked write, or nothing of it.
    if (o.append && !text.empty() &&
        !append_report(open_output_path(path.c_str()), path.c_str(),
                       std::string(text))) {
      appended = false;
      return false;
    }
    std::fwrite(shown.data(), 1, shown.size(), stdout);
    return !std::ferror(stdout);
  };
  hooks.step = [&] { progress->step(); };
  const command_result r = roll_reports(request, s, hooks);
  if (r.status != command_status::done) {
    // The notes are said already when the reports began.
    return said ? static_cast<int>(r.status) : report_result(r);
  }
  if (!appended) {
    complain("cannot write " + output_file +
             "; the report was not appended, the file is as it was");
    return EXIT_BAD_FILE;
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
