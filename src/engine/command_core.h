// The commands as functions of the engine: each takes a request and gives a
// result (text, JSON, status, message). The command line turns its arguments
// into requests and results into output and an exit status; the page's
// module turns one JSON request into the same request. What one front end
// refuses, the other refuses with the same words, because this code does.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "export_formats.h"
#include "generation.h"
#include "ledger.h"
#include "setting_choice.h"

// The command line's exit status: a file missing, unreadable or invalid, or
// output that could not be written, is bad_file; a bad request is bad_usage.
enum class command_status { done = 0, bad_file = 1, bad_usage = 2 };

struct command_result {
  command_status status = command_status::done;
  std::string text;     // what the command prints, when text was asked for
  std::string json;     // what the command prints, when JSON was asked for
  std::string message;  // why it refused or stopped (the standard error)
  // Warnings said before the output, one a line.
  std::vector<std::string> notes;
  // The monster, lair and settings used, in three lines ("Monster: ...").
  std::string used;
  // Each report's ledger as data (ledger_data_json), when asked for.
  std::vector<std::string> ledgers;
  bool file_missing = false;  // monster.hxi or area.hxi is not there
  long stopped_line = 0;      // run: where reading stopped, or 0
};

// What a long command tells its front end as it goes; every hook may be
// left empty.
struct command_hooks {
  // After the settings are chosen, before the first report: the notes so
  // far. A status other than done ends the command with it.
  std::function<command_status(const command_result &)> begin;
  // A report (roll) or a piece of one (run) as it is made: what is shown
  // (text or JSON), the report's text and its script. False stops the
  // command. Without this hook the shown text is kept in the result.
  std::function<bool(std::string_view shown, std::string_view text,
                     std::string_view script)>
      piece;
  std::function<void()> step;  // one report or generation done
};

// Checks one request value of a setting or of a command's number as the
// command line's parser does: "" or the refusal without the option's name.
std::string setting_value_refusal(const setting_row &row,
                                  std::string_view text);
std::string number_value_refusal(const number_option &option,
                                 std::string_view text);

// Loads monster.hxi and area.hxi of the current folder, then with
// `with_settings` setup.hxi (a missing one gives the defaults and its notice
// as the message).
command_result load_files(session &s, bool with_settings = true);

// The hoard's ledger beside the reports: the rates, unit, split and rank in
// each JSON report; `each` adds its text block after each text report, and
// `pile` (roll) the ledger of all reports at the end.
struct ledger_choice {
  ledger_request asked;
  bool each = false;
  bool pile = false;
};

// How many players a ledger may be split between.
constexpr number_option SPLIT_PLAYERS{"--split", "split", 1, MAX_PLAYERS};
// Reads the ledger's options as the command line's words give them (""
// where one is not given): "" or the refusal naming the option.
std::string read_ledger_request(const std::string &rates, const std::string &in,
                                const std::string &split, ledger_request &out);

// Reports in a format for other tools (export_formats.h) instead of text or
// JSON; the ledger's text blocks and pile are then left out.
struct roll_request {
  setting_choices settings;
  std::string count;  // "": 1
  std::string seed;   // "": the dice go on as they are
  bool json = false;
  std::optional<export_format> exported;
  ledger_choice ledger;
  bool ledger_data = false;  // each report's ledger as data in `ledgers`
};
command_result roll_reports(const roll_request &r, const session &base,
                            const command_hooks &hooks = {});

struct run_request {
  std::string name;  // the script's name in the messages
  std::string seed;
  bool json = false;
  bool strict = false;  // a warning gives status bad_file
  std::optional<export_format> exported;
  ledger_choice ledger;
};
command_result run_report(const run_request &r, const info_tables &tables,
                          FILE *script, const command_hooks &hooks = {});

// The reports of an output file (all, or the one numbered `report`) in a
// format for other tools, each report's lines its items. The result's text
// is the whole output unless the piece hook takes it report by report.
struct export_request {
  std::string path;
  export_format format = export_format::markdown;
  std::string report;  // "": every report
};
command_result export_file(const export_request &r,
                           const command_hooks &hooks = {});

// The problems of the three files of the current folder, and with `explain`
// the monsters and lairs in words.
command_result check_report(bool explain);
command_result explain_report(const info_tables &tables);

// The result's text is the figures as text or CSV; its JSON is always made.
enum class stats_format { text, json, csv };
struct stats_request {
  setting_choices settings;
  std::string generations;  // "": 1000
  std::string seed;
  stats_format format = stats_format::text;
};
command_result stats_report(const stats_request &r, const session &base,
                            const command_hooks &hooks = {});

// One ledger of reports from their ledgers as data, added up: its text and
// JSON with the rates, unit and split asked for, and with `rank` (one
// report alone) where it stands among the reference hoards of the settings,
// with those hoards in bins for a chart.
struct ledger_data_request {
  setting_choices settings;
  std::vector<std::string> ledgers;
  std::string rates, in, split;
  bool rank = false;
};
command_result ledger_data_report(const ledger_data_request &r,
                                  const session &base);

// The monsters and lairs with their numbers, as text and JSON.
command_result list_report(const info_tables &tables);

// A manual list: one pick a line, a keyword (L1_COINS) or "AREA n add" for
// n rolls on the lair's table adding `add` (0 or 1).
struct manual_request {
  setting_choices settings;
  std::vector<std::string> picks;
  std::string seed;
  std::optional<export_format> exported;  // the report in this format
};
// Its report's ledger as data comes in `ledgers`.
command_result manual_report(const manual_request &r, const session &base);

// setup.hxi for the settings, as the program saves it.
struct settings_text_request {
  setting_choices settings;
  std::string output_name;  // "": the loaded settings' name
};
command_result settings_text_report(const settings_text_request &r,
                                    const session &base);

// What a page shows of the loaded files, as JSON: the monsters with their
// special codes, the lairs, the questions, the settings' rows and ranges,
// and the settings of setup.hxi.
command_result info_report(const session &base);
