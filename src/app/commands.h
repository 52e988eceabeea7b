// The commands of the command line, each in a file of its own, and what
// they share: the exit statuses, the settings options and their resolution.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "generation.h"
#include "headless.h"

namespace CLI {
class App;  // the argument parser, included only where options are added
}

// 0: done; 1: a file is missing, unreadable or invalid; 2: a bad command
// line.
constexpr int EXIT_DONE = 0;
constexpr int EXIT_BAD_FILE = 1;
constexpr int EXIT_BAD_USAGE = 2;

// One line on the standard error stream, after the program's name.
void complain(const std::string &message);

// The settings a command line may give; what is not given comes from
// setup.hxi in the current folder, or the defaults.
struct setting_options {
  std::string monster, lair, yes, game_date, position, comment;
  std::optional<int> cdf, group_cdf, jeweler_el, station, mel, cel;
};
void add_setting_options(CLI::App &command, setting_options &o);

// A session whose portable texts are released at its end.
struct loaded_session : session {
  loaded_session() = default;
  loaded_session(const loaded_session &) = delete;
  ~loaded_session();
};

// Loads monster.hxi and area.hxi (their message on failure), then setup.hxi
// or the defaults, then applies the options. Returns EXIT_DONE, or the exit
// status after a message.
int resolve_session(const setting_options &o, session &s);
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

enum class output_format { text, json, csv };

// One report as one line of JSON; `used` gives the settings of a generation
// (null for a script read from a file: MEL, CEL and the answers are unknown).
std::string report_json(const report_recorder &report, const settings *used);

struct roll_options {
  setting_options settings;
  int count = 1;
  std::optional<unsigned> seed;
  output_format format = output_format::text;
  bool append = false;
  std::string script_out;
  bool verbose = false;  // the settings used, on the standard error stream
};
int roll_command(const roll_options &o);

struct run_options {
  std::string script;
  std::optional<unsigned> seed;
  output_format format = output_format::text;
  bool strict = false;  // a warning about the script gives status 1
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

int init_command();

// The monsters and lairs with their numbers, as text or JSON.
int list_command(output_format format);

// Parses the command line and runs the command; returns the exit status.
int run_command_line(int argc, char **argv);
