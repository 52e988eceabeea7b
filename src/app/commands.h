// The commands of the command line, each in a file of its own, and what
// they share: the exit statuses, the settings options and their resolution,
// the checked standard output.
#pragma once

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "generation.h"
#include "headless.h"
#include "ledger.h"
#include "report_json.h"
#include "setting_choice.h"

namespace CLI {
class App;
}

// 0: done; 1: a file is missing, unreadable or invalid, or the output could
// not be written; 2: a bad command line.
constexpr int EXIT_DONE = 0;
constexpr int EXIT_BAD_FILE = 1;
constexpr int EXIT_BAD_USAGE = 2;

// One line on the standard error stream, after the program's name.
void complain(const std::string &message);

// The sentence that follows the message of a missing information file: where
// the sample files are and the command that copies them; empty when no
// sample folder is found.
std::string missing_file_hint();

// The settings a command line may give; what is not given comes from
// setup.hxi in the current folder, or the defaults.
// Their reading and application are the engine's (setting_choice.h).
using setting_options = setting_choices;

// A session whose portable texts are released at its end.
struct loaded_session : session {
  loaded_session() = default;
  loaded_session(const loaded_session &) = delete;
  ~loaded_session();
};

// Writes the message of load_tables' status and text: the text on lines of
// its own, followed for a missing file (status 1) by missing_file_hint().
void write_load_failure(int status, std::string err);
// Loads monster.hxi and area.hxi; on failure writes the program's message
// (with missing_file_hint() for a missing file) and returns EXIT_BAD_FILE.
int load_command_tables(info_tables &t);
// Loads the tables, then setup.hxi (a refused one is refused here as at
// start-up; a missing one gives the defaults), then applies the options.
// Returns EXIT_DONE, or the exit status after a message.
int resolve_session(const setting_options &o, session &s);

enum class output_format { text, json, csv };

// The hoard's ledger beside the reports (roll and run): its text block on
// the standard output, the rates, a total in one unit, a split, and for
// roll the pile of all reports and the rank.
struct ledger_options {
  bool text = false;  // --ledger
  std::string rates;  // --rates
  std::string in;     // --in
  int split = 0;      // --split; 0 for none
  bool pile = false;  // --pile
  bool rank = false;  // --rank
};
void add_ledger_options(CLI::App &command, ledger_options &o, bool roll);
// The engine's request for the options; false after a message.
bool ledger_request_of(const ledger_options &o, ledger_request &r);
// Whether the text format shows a ledger after each report.
bool ledger_per_report(const ledger_options &o);

struct roll_options {
  setting_options settings;
  int count = 1;
  std::optional<unsigned> seed;
  output_format format = output_format::text;
  bool append = false;
  std::string script_out;  // "-": standard output, after the reports
  bool verbose = false;    // the settings used, on the standard error stream
  ledger_options ledger;
};
int roll_command(const roll_options &o);
// Why `path` may not take the script (an information file, the output file,
// a stream the program writes, no regular file), or "" when it may.
std::string script_out_refusal(const std::string &path,
                               const std::string &output_file);

struct run_options {
  std::string script;
  std::optional<unsigned> seed;
  output_format format = output_format::text;
  bool strict = false;  // a warning about the script gives status 1
  ledger_options ledger;
};
int run_command(const run_options &o);

int check_command(bool explain);

struct stats_options {
  setting_options settings;
  long generations = 1000;
  std::optional<unsigned> seed;
  output_format format = output_format::text;
};
int stats_command(const stats_options &o);

// Copies the sample files of `from` into the current folder through
// temporary files; a non-empty regular file already there is kept, anything
// else of those names is reported and left.
int copy_sample_files(const std::string &from);
int init_command();

// The monsters and lairs with their numbers, as text or JSON.
int list_command(output_format format);

// One warning on the standard error stream for each of Station, MEL, CEL and
// the --yes answers given that the chosen monster does not ask for.
void warn_unused_options(const setting_options &o, const session &s);

// The monster and lair (numbered as the lists show them) and the numbers of
// the settings the monster uses, in words.
struct used_settings {
  std::string monster;  // "3 Mirewight, Mire Hag"
  std::string lair;     // "5 Ruined Keep"
  std::string numbers;  // "CDF 30, group CDF 40, jeweler's EL 12, ..."
  std::vector<std::string> answers;  // the answers it asks, given yes
  // "Monster: ...\nLair: ...\nSettings: ...\n"
  std::string lines() const;
};
used_settings settings_in_use(const session &s);

enum class command { screen, roll, run, check, stats, init, list };

// Everything the command line says.
struct command_line {
  command chosen = command::screen;
  std::optional<unsigned> screen_seed;
  roll_options roll;
  run_options run;
  bool explain = false;
  stats_options stats;
  output_format list_format = output_format::text;
};

// Parses the arguments (argv[0] being the program). Returns -1 when a
// command is to run; otherwise the exit status after the help, the version
// or the message of a bad command line.
int parse_command_line(int argc, const char *const *argv, command_line &out);

// Parses the command line and runs the command; returns the exit status.
// Standard output is flushed and checked at the end: a failed write gives a
// message and status 1.
int run_command_line(int argc, const char *const *argv);
