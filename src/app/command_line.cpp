// The command line: the commands with their options and help, the version,
// and the exit statuses of a bad command line. Without a command the
// full-screen program runs as it always has.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <map>

#include "commands.h"
#include "data_folder.h"
#include "dialogs.h"
#include "dice.h"
#include "screen_curses.h"

#ifndef HOARDEX_VERSION
#define HOARDEX_VERSION "unknown"
#endif

void complain(const std::string &message) {
  std::fprintf(stderr, "hoardex: %s\n", message.c_str());
}

namespace {

int screen_program(const std::optional<unsigned> &seed) {
  // The hint names the sample folder only when there is one.
  const std::string samples = sample_folder();
  const std::string hint = "The sample files are in " + samples +
                           "; 'hoardex init' copies them here.";
  if (run_program(seed, samples.empty() ? nullptr : hint.c_str()) != 0)
    return 1;
  curses_stop();
  std::fputs("Thank you for using an Ombrel product.\n\n", stdout);
  return 0;
}

void add_seed(CLI::App &command, std::optional<unsigned> &seed) {
  command.add_option("--seed", seed,
                     "seed the dice with N instead of the clock, to replay");
}

void add_format(CLI::App &command, output_format &format, bool csv) {
  std::map<std::string, output_format> names{{"text", output_format::text},
                                             {"json", output_format::json}};
  if (csv) names["csv"] = output_format::csv;
  std::vector<std::string> keys;
  std::string listed;
  for (const auto &[name, value] : names) {
    keys.push_back(name);
    listed += (listed.empty() ? "" : "|") + name;
  }
  command
      .add_option_function<std::string>(
          "--format",
          [&format, names](const std::string &name) {
            format = names.at(name);
          },
          "output format: " + listed + " (default text)")
      ->check(CLI::IsMember(keys))
      ->type_name("FORMAT");
}

}  // namespace

int run_command_line(int argc, char **argv) {
  CLI::App app{
      "hoardex: treasure for the game master, on the screen or on "
      "the command line.\nWithout a command the full-screen program "
      "starts."};
  app.set_version_flag("--version", "hoardex " HOARDEX_VERSION);
  app.require_subcommand(0, 1);
  std::optional<unsigned> screen_seed;
  add_seed(app, screen_seed);

  roll_options roll;
  CLI::App *roll_cmd = app.add_subcommand(
      "roll", "K treasure reports for the settings, to standard output");
  add_setting_options(*roll_cmd, roll.settings);
  roll_cmd->add_option("--count", roll.count, "number of reports")
      ->check(CLI::Range(1, 1000000));
  add_seed(*roll_cmd, roll.seed);
  add_format(*roll_cmd, roll.format, false);
  roll_cmd->add_flag("--append", roll.append,
                     "also append the reports to the output file");
  roll_cmd->add_option("--script-out", roll.script_out,
                       "keep the (last) treasure script in FILE");

  run_options run;
  CLI::App *run_cmd =
      app.add_subcommand("run",
                         "interpret a treasure script and print its "
                         "report");
  run_cmd->add_option("SCRIPT", run.script, "the treasure script")->required();
  add_seed(*run_cmd, run.seed);
  add_format(*run_cmd, run.format, false);

  bool explain = false;
  CLI::App *check_cmd = app.add_subcommand(
      "check", "check the information files and list every problem");
  check_cmd->add_flag("--explain", explain,
                      "also describe every monster and lair in words");

  stats_options stats;
  CLI::App *stats_cmd = app.add_subcommand(
      "stats", "what a monster in a lair tends to hold, over N generations");
  add_setting_options(*stats_cmd, stats.settings);
  stats_cmd->add_option("-n", stats.generations, "number of generations")
      ->check(CLI::Range(1L, 10000000L))
      ->default_str("1000");
  add_seed(*stats_cmd, stats.seed);
  add_format(*stats_cmd, stats.format, true);

  CLI::App *init_cmd = app.add_subcommand(
      "init", "copy the sample information files into the current folder");

  try {
    app.parse(argc, argv);
  } catch (const CLI::Success &e) {
    return app.exit(e);  // --help and --version
  } catch (const CLI::ParseError &e) {
    if (e.get_exit_code() == 0) return app.exit(e);
    complain(e.what());
    return EXIT_BAD_USAGE;
  }
  // A seed given before the command seeds the command's dice too, unless
  // the command names its own.
  for (std::optional<unsigned> *seed : {&roll.seed, &run.seed, &stats.seed})
    if (!*seed) *seed = screen_seed;
  if (*roll_cmd) return roll_command(roll);
  if (*run_cmd) return run_command(run);
  if (*check_cmd) return check_command(explain);
  if (*stats_cmd) return stats_command(stats);
  if (*init_cmd) return init_command();
  return screen_program(screen_seed);
}
