// Generation on the screen: the script interpreted into the output file
// while the pager shows the report, and the messages of a failed generation.
#include <cstdio>

#include "dialogs.h"
#include "pager.h"
#include "screen.h"

void generation_failed(const char *message) {
  std::fputs(message, stderr);
  std::fflush(stderr);
  Screen &s = scr();
  s.move(25, 1);
  s.clear_eol();
  s.write(message);
  s.refresh();
  s.read_key();
}

void show_generation(const session &ss, const char *script_path) {
  report_pager pager(REPORT_PAGE_LINES);
  text_report report;
  generation_status status = interpret_file(script_path, ss.config.output_name,
                                            ss.tables, report, &pager);
  if (status != generation_status::done) {
    generation_failed(status_message(status));
    return;
  }
  wait_key(HIT_ANY_KEY);
}

int generate_automatic(const session &ss) {
  draw_heading("GENERATE TREASURE FOR CURRENT SETTINGS");
  generation_status status =
      write_automatic_script_file(SCRIPT_PATH, ss.generation());
  if (status != generation_status::done) {
    generation_failed(status_message(status));
    return 1;
  }
  show_generation(ss);
  return 0;
}
