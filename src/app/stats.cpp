// hoardex stats: what a monster in a lair tends to hold over N
// generations, with a progress line while they are counted.
#include <cstdio>
#include <optional>

#include "commands.h"
#include "dice.h"
#include "progress.h"

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
