// Generation on the screen: the script interpreted into the output file
// while the pager shows the report, and the messages of a failed generation.
#include <cstdio>

#include "dialogs.h"
#include "notices.h"
#include "pager.h"
#include "prompt_row.h"
#include "screen.h"

void generation_failed(const char *message) {
  notice(message);
  show_prompt(message, prompt_blank::row);
  Screen &s = scr();
  s.refresh();
  s.read_key();
}

namespace {

// The report of a generation shown page by page, then the last key, or the
// failure.
void show_status(generation_status status) {
  if (status != generation_status::done) {
    generation_failed(status_message(status));
    return;
  }
  wait_key(HIT_ANY_KEY);
}

}  // namespace

void show_generation(const session &ss, FILE *script) {
  report_pager pager(REPORT_PAGE_LINES);
  text_report report;
  show_status(interpret_open_script(script, ss.config.output_name, ss.tables,
                                    report, &pager));
}

void show_generation(const session &ss, const char *script_path) {
  report_pager pager(REPORT_PAGE_LINES);
  text_report report;
  show_status(interpret_file(script_path, ss.config.output_name, ss.tables,
                             report, &pager));
}

int generate_automatic(const session &ss) {
  draw_heading("GENERATE TREASURE FOR CURRENT SETTINGS");
  script_file script;
  generation_status status =
      write_automatic_script_file(script, SCRIPT_PATH, ss.generation());
  if (status != generation_status::done) {
    close_script(script);
    generation_failed(status_message(status));
    return 1;
  }
  show_generation(ss, script.stream);
  close_script(script);
  return 0;
}
