// hoardex manual: the report of a manual list, as menu key 8 gives it for
// the same picks, without the screen; no file of the folder changes.
#include <cstdio>

#include "commands.h"
#include "dice.h"

int manual_command(const manual_request &o) {
  loaded_session s;
  if (int status = load_command_session(s)) return status;
  if (o.seed.empty()) seed_dice_or_clock(std::nullopt);
  const command_result r = manual_report(o, s);
  std::fwrite(r.text.data(), 1, r.text.size(), stdout);
  return report_result(r);
}
