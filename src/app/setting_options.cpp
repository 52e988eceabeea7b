// What every command shares: the files loaded, and a result's notes and
// message said on the standard error stream; check, list and stats, which
// print what the engine gives.
#include <cstdio>
#include <optional>

#include "commands.h"
#include "dice.h"
#include "info_files.h"
#include "progress.h"

loaded_session::~loaded_session() { free_monsters(tables); }

namespace {

// The loader's message on lines of its own, followed for a missing file by
// missing_file_hint().
int write_load_failure(const command_result &r) {
  std::string err = r.message;
  if (!err.empty() && err.back() != '\n') err += '\n';
  const std::string hint = missing_file_hint();
  if (r.file_missing && !hint.empty()) err += hint + "\n";
  std::fputs(err.c_str(), stderr);
  return static_cast<int>(r.status);
}

}  // namespace

int load_command_session(session &s, bool with_settings) {
  const command_result r = load_files(s, with_settings);
  return r.status == command_status::done ? EXIT_DONE : write_load_failure(r);
}

int report_result(const command_result &r) {
  for (const std::string &note : r.notes) complain(note);
  if (!r.message.empty()) complain(r.message);
  return static_cast<int>(r.status);
}

int check_command(bool explain) {
  const command_result r = check_report(explain);
  if (!r.message.empty()) return write_load_failure(r);
  std::fputs(r.text.c_str(), stdout);
  return static_cast<int>(r.status);
}

int list_command(output_format format) {
  loaded_session s;
  if (int status = load_command_session(s, false)) return status;
  const command_result r = list_report(s.tables);
  const std::string &shown = format == output_format::json ? r.json : r.text;
  std::fwrite(shown.data(), 1, shown.size(), stdout);
  return std::fflush(stdout) == 0 ? EXIT_DONE : EXIT_BAD_FILE;
}

int stats_command(const stats_request &o) {
  loaded_session s;
  if (int status = load_command_session(s)) return status;
  std::optional<progress_line> progress;
  command_hooks hooks;
  hooks.begin = [&](const command_result &r) {
    report_result(r);
    if (o.seed.empty()) seed_dice_or_clock(std::nullopt);
    progress.emplace(read_decimal(o.generations).value_or(1000));
    return command_status::done;
  };
  hooks.step = [&] { progress->step(); };
  command_result r = stats_report(o, s, hooks);
  progress.reset();  // the line wiped before the figures
  if (r.status != command_status::done) return report_result(r);
  const std::string &shown = o.format == stats_format::json ? r.json : r.text;
  std::fwrite(shown.data(), 1, shown.size(), stdout);
  return EXIT_DONE;
}
