// Generation on the screen: the script interpreted into the output file
// while the pager shows the report, and the messages of a failed generation.
#include <cstdio>

#include "dialogs.h"
#include "ledger_screen.h"
#include "notices.h"
#include "pager.h"
#include "prompt_row.h"
#include "screen.h"

const char *generation_failure_message(generation_status status) {
  switch (status) {
    case generation_status::script_write_failed:
      return "Cannot write script! Treasure generation failed. Hit any key.";
    case generation_status::script_read_failed:
      return "Cannot read script! Treasure generation failed. Hit any key.";
    case generation_status::output_write_failed:
      return "Cannot write output file! Treasure generation failed. Hit any "
             "key.";
    case generation_status::done:
      break;
  }
  return nullptr;
}

void generation_failed(generation_status status) {
  const char *message = generation_failure_message(status);
  notice(message);
  show_prompt(message, prompt_blank::row);
  text_screen &screen = scr();
  screen.refresh();
  screen.read_key();
}

namespace {

// The report of a generation shown page by page, then the last key, which
// may open its ledger; or the failure.
void show_status(generation_status status, const text_report &report,
                 const ledger_sink &ledger,
                 const generation_input *ranked_with) {
  if (status != generation_status::done) {
    generation_failed(status);
    return;
  }
  keep_ledger(report.text(), ledger.ledger, ranked_with);
  show_prompt(LEDGER_CONTINUE_PROMPT);
  text_screen &screen = scr();
  screen.refresh();
  if (is_ledger_key(screen.read_key())) show_ledger(report.text());
}

}  // namespace

void show_generation(const session &game, FILE *script, bool automatic) {
  report_pager pager(REPORT_PAGE_LINES);
  ledger_sink ledger;
  both_sinks shown(pager, ledger);
  text_report report;
  const generation_input in = game.generation();
  show_status(interpret_open_script(script, game.config.output_name,
                                    game.tables, report, &shown),
              report, ledger, automatic ? &in : nullptr);
}

dialog_status script_failed(script_file &script, generation_status status) {
  close_script(script);
  generation_failed(status);
  return dialog_status::failed;
}

dialog_status generate_automatic(const session &game) {
  draw_heading("GENERATE TREASURE FOR CURRENT SETTINGS");
  script_file script;
  generation_status status =
      write_automatic_script_file(script, SCRIPT_PATH, game.generation());
  if (status != generation_status::done) return script_failed(script, status);
  show_generation(game, script.stream, true);
  close_script(script);
  return dialog_status::done;
}
