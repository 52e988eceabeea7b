// The commands of the command line, each in a file of its own, and what
// they share: the exit statuses, the settings options and their resolution.
#pragma once

#include <optional>
#include <string>

#include "generation.h"
#include "headless.h"
#include "report_json.h"
#include "setting_choice.h"

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
using setting_options = setting_choices;
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

enum class output_format { text, json, csv };

struct roll_options {
  setting_options settings;
  int count = 1;
  std::optional<unsigned> seed;
  output_format format = output_format::text;
  bool append = false;
  std::string script_out;
};
int roll_command(const roll_options &o);

struct run_options {
  std::string script;
  std::optional<unsigned> seed;
  output_format format = output_format::text;
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

// Parses the command line and runs the command; returns the exit status.
int run_command_line(int argc, char **argv);
