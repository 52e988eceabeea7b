// The commands of the command line, each in a file of its own, and what
// they share: the exit statuses, the requests of the engine's commands they
// fill, the checked standard output.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "command_core.h"

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

// A session whose portable texts are released at its end.
struct loaded_session : session {
  loaded_session() = default;
  loaded_session(const loaded_session &) = delete;
  ~loaded_session();
};

// Says a result's notes and message on the standard error stream and gives
// its exit status.
int report_result(const command_result &r);
// Says why the files could not be loaded, on lines of their own, the
// message of a missing file followed by missing_file_hint(), and gives the
// exit status.
int report_load_failure(const command_result &r);
// Loads the files as load_files does; on failure says why and returns its
// exit status.
int load_command_session(session &s, bool with_settings = true);

enum class output_format { text, json, csv };

// The hoard's ledger beside the reports (roll and run): its text block on
// the standard output, the rates, a total in one unit, a split, and for
// roll the pile of all reports and the rank.
struct ledger_options {
  bool text = false;  // --ledger
  std::string rates;  // --rates
  std::string in;     // --in
  std::string split;  // --split; "" for none
  bool pile = false;  // --pile
  bool rank = false;  // --rank
};
void add_ledger_options(CLI::App &command, ledger_options &o, bool roll);
// The engine's request for the options; false after a message.
bool ledger_request_of(const ledger_options &o, ledger_choice &r);

struct roll_options {
  roll_request request;
  bool verbose = false;  // the settings used, on the standard error stream
  bool append = false;
  std::string script_out;  // "-": standard output, after the reports
  ledger_options ledger;
};
int roll_command(const roll_options &o);
// Why `path` may not take the script (an information file, the output file,
// a stream the program writes, no regular file), or "" when it may.
std::string script_out_refusal(const std::string &path,
                               const std::string &output_file);

struct run_options {
  run_request request;  // its name is the script's path
  ledger_options ledger;
};
int run_command(const run_options &o);

int check_command(bool explain);

// The report of a manual list (picks as the engine's manual_request takes
// them), to the standard output.
int manual_command(const manual_request &o);
// Replaces setup.hxi with the settings of the request.
int save_command(const settings_text_request &o);

int stats_command(const stats_request &o);

// Copies the sample files of `from` into the current folder through
// temporary files; a non-empty regular file already there is kept, anything
// else of those names is reported and left.
int copy_sample_files(const std::string &from);
int init_command();

// The monsters and lairs with their numbers, as text or JSON.
int list_command(output_format format);

// hoardex export FILE: the reports of an output file in another format.
int export_command(const export_request &r);

enum class command {
  screen,
  roll,
  run,
  check,
  stats,
  manual,
  save,
  init,
  list,
  exported
};

// Everything the command line says.
struct command_line {
  command chosen = command::screen;
  std::string screen_seed;
  roll_options roll;
  run_options run;
  bool explain = false;
  stats_request stats;
  manual_request manual;
  settings_text_request save;
  output_format list_format = output_format::text;
  export_request exported;
};

// Parses the arguments (argv[0] being the program). Returns -1 when a
// command is to run; otherwise the exit status after the help, the version
// or the message of a bad command line.
int parse_command_line(int argc, const char *const *argv, command_line &out);

// Parses the command line and runs the command; returns the exit status.
// Standard output is flushed and checked at the end: a failed write gives a
// message and status 1.
int run_command_line(int argc, const char *const *argv);
