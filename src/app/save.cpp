// hoardex save: setup.hxi replaced whole by the settings (those it holds,
// then the options), written as the screen program's save writes them.
#include "atomic_file.h"
#include "commands.h"

int save_command(const settings_text_request &o) {
  loaded_session s;
  if (int status = load_command_session(s)) return status;
  command_result r = settings_text_report(o, s);
  std::string error;
  if (r.status == command_status::done &&
      !replace_file("setup.hxi", r.text, error)) {
    r.status = command_status::bad_file;
    r.message = "cannot save setup.hxi: " + error;
  }
  return report_result(r);
}
