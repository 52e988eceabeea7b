// The command line: the commands with their options and help, the version,
// the exit statuses of a bad command line, and the checked standard output.
// Without a command the full-screen program runs as it always has.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <map>

#include "commands.h"
#include "data_folder.h"
#include "dialogs.h"
#include "escaped_text.h"
#include "option_values.h"

#ifndef HOARDEX_VERSION
#define HOARDEX_VERSION "unknown"
#endif

void complain(const std::string &message) {
  // Whatever a message quotes, no control byte reaches the terminal.
  std::fprintf(stderr, "hoardex: %s\n", escaped_text(message, true).c_str());
}

std::string missing_file_hint() {
  const std::string samples = sample_folder();
  if (samples.empty()) return "";
  return "The sample files are in " + samples +
         "; 'hoardex init' copies them here.";
}

namespace {

int screen_program(const std::string &seed) {
  // The hint names the sample folder only when there is one.
  const std::string hint = missing_file_hint();
  std::optional<unsigned> seeded;
  if (!seed.empty()) seeded = static_cast<unsigned>(*read_decimal(seed));
  if (run_program(seeded, hint.empty() ? nullptr : hint.c_str()) != 0) return 1;
  std::fputs("Thank you for using an Ombrel product.\n\n", stdout);
  return 0;
}

void add_seed(CLI::App &command, std::string &seed) {
  add_number_option(command, DICE_SEED, seed,
                    "seed the dice with N instead of the clock, to replay",
                    "UINT");
}

void add_format(CLI::App &command, output_format &format, bool csv) {
  std::map<std::string, output_format> names{{"text", output_format::text},
                                             {"json", output_format::json}};
  if (csv) names["csv"] = output_format::csv;
  std::vector<std::string> keys;
  for (const auto &[name, value] : names) keys.push_back(name);
  command
      .add_option_function<std::string>(
          "--format",
          [&format, names](const std::string &name) {
            format = names.at(name);
          },
          "output format: " + CLI::detail::join(keys, "|") + " (default text)")
      ->check(CLI::IsMember(keys))
      ->type_name("FORMAT");
}

// The format of a command's reports: text (with `text`), json (with
// `json`) or an export format; export's default is markdown.
void add_report_format(CLI::App &command, bool *json,
                       std::optional<export_format> &exported, bool text) {
  std::vector<std::string> keys;
  if (text) keys.push_back("text");
  if (json) keys.push_back("json");
  for (const export_format_name &f : EXPORT_FORMATS) keys.push_back(f.name);
  command
      .add_option_function<std::string>(
          "--format",
          [json, &exported](const std::string &name) {
            export_format f;
            if (json) *json = name == "json";
            exported.reset();
            if (export_format_named(name, f)) exported = f;
          },
          "output format: " + CLI::detail::join(keys, "|") + " (default " +
              keys[0] + ")")
      ->check(CLI::IsMember(keys))
      ->type_name("FORMAT");
}

// A standard stream the caller closed is opened on /dev/null for reading
// only: no file the program opens can take its number (and receive what was
// meant for the stream), and a write to it fails and is reported.
void hold_closed_streams() {
  for (int fd = 0; fd <= 2; ++fd)
    if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
      int held = open("/dev/null", O_RDONLY);
      if (held >= 0 && held != fd) {
        dup2(held, fd);
        close(held);
      }
    }
}

// Standard output flushed and checked: a write that failed at any time
// (a full disk, a closed stream) turns the status into 1 with a message.
int checked_output(int status) {
  std::cout.flush();
  bool ok = std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout;
  if (ok) return status;
  int error = errno;
  complain(std::string("cannot write the standard output: ") +
           std::strerror(error ? error : EIO));
  std::clearerr(stdout);
  std::cout.clear();
  return EXIT_BAD_FILE;
}

}  // namespace

int parse_command_line(int argc, const char *const *argv, command_line &out) {
  CLI::App app{
      "hoardex: treasure for the game master, on the screen or on "
      "the command line.\nWithout a command the full-screen program "
      "starts."};
  app.set_version_flag("--version", "hoardex " HOARDEX_VERSION);
  app.require_subcommand(0, 1);
  add_seed(app, out.screen_seed);

  roll_options &roll = out.roll;
  CLI::App *roll_cmd = app.add_subcommand(
      "roll", "K treasure reports for the settings, to standard output");
  add_setting_options(*roll_cmd, roll.request.settings);
  add_number_option(*roll_cmd, ROLL_COUNT, roll.request.count,
                    "number of reports", "INT");
  add_seed(*roll_cmd, roll.request.seed);
  add_report_format(*roll_cmd, &roll.request.json, roll.request.exported, true);
  roll_cmd->add_flag("--append", roll.append,
                     "also append the reports to the output file");
  roll_cmd
      ->add_option("--script-out", roll.script_out,
                   "keep the (last) treasure script in FILE, replaced "
                   "whole; - writes it to standard output after the "
                   "reports")
      ->check(non_empty_value());
  roll_cmd->add_flag("--verbose", roll.verbose,
                     "say the monster, lair, settings and seed used, on "
                     "standard error");
  add_ledger_options(*roll_cmd, roll.ledger, true);

  run_options &run = out.run;
  CLI::App *run_cmd =
      app.add_subcommand("run",
                         "interpret a treasure script and print its "
                         "report");
  run_cmd->add_option("SCRIPT", run.request.name, "the treasure script")
      ->required()
      ->check(non_empty_value());
  add_seed(*run_cmd, run.request.seed);
  add_report_format(*run_cmd, &run.request.json, run.request.exported, true);
  run_cmd->add_flag("--strict", run.request.strict,
                    "end with status 1 when anything of the script was "
                    "ignored");
  add_ledger_options(*run_cmd, run.ledger, false);

  CLI::App *check_cmd = app.add_subcommand(
      "check", "check the information files and list every problem");
  check_cmd->add_flag("--explain", out.explain,
                      "also describe every monster and lair in words");

  stats_request &stats = out.stats;
  CLI::App *stats_cmd = app.add_subcommand(
      "stats", "what a monster in a lair tends to hold, over N generations");
  add_setting_options(*stats_cmd, stats.settings);
  add_number_option(*stats_cmd, STATS_GENERATIONS, stats.generations,
                    "number of generations", "INT")
      ->default_str("1000");
  add_seed(*stats_cmd, stats.seed);
  output_format stats_format_chosen = output_format::text;
  add_format(*stats_cmd, stats_format_chosen, true);

  manual_request &manual = out.manual;
  CLI::App *manual_cmd = app.add_subcommand(
      "manual", "the report of a manual list (menu key 8), to standard output");
  add_setting_options(*manual_cmd, manual.settings);
  add_seed(*manual_cmd, manual.seed);
  add_report_format(*manual_cmd, nullptr, manual.exported, true);
  manual_cmd
      ->add_option("PICK", manual.picks,
                   "a treasure keyword (L1_COINS) or 'AREA n add': n rolls "
                   "on the lair's table, adding add (0 or 1)")
      ->required()
      ->check(non_empty_value());

  CLI::App *save_cmd = app.add_subcommand(
      "save", "replace setup.hxi with the settings, as the screen saves them");
  add_setting_options(*save_cmd, out.save.settings);
  save_cmd
      ->add_option("--output", out.save.output_name,
                   "the output file's name, without .hxo (default: "
                   "setup.hxi's)")
      ->check(non_empty_value());

  CLI::App *list_cmd =
      app.add_subcommand("list", "the monsters and lairs with their numbers");
  add_format(*list_cmd, out.list_format, false);

  export_request &exported = out.exported;
  CLI::App *export_cmd = app.add_subcommand(
      "export",
      "the reports of an output file in a format for other tools, to "
      "standard output");
  export_cmd->add_option("FILE", exported.path, "the output file (NAME.hxo)")
      ->required()
      ->check(non_empty_value());
  std::optional<export_format> export_chosen;
  add_report_format(*export_cmd, nullptr, export_chosen, false);
  add_number_option(*export_cmd, EXPORT_REPORT, exported.report,
                    "only the K-th report, counted from the oldest", "K");

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
  for (std::string *seed :
       {&roll.request.seed, &run.request.seed, &stats.seed, &manual.seed})
    if (seed->empty()) *seed = out.screen_seed;
  exported.format = export_chosen.value_or(export_format::markdown);
  stats.format = stats_format_chosen == output_format::json ? stats_format::json
                 : stats_format_chosen == output_format::csv
                     ? stats_format::csv
                     : stats_format::text;
  out.chosen = *roll_cmd     ? command::roll
               : *run_cmd    ? command::run
               : *check_cmd  ? command::check
               : *stats_cmd  ? command::stats
               : *manual_cmd ? command::manual
               : *save_cmd   ? command::save
               : *init_cmd   ? command::init
               : *export_cmd ? command::exported
               : *list_cmd   ? command::list
                             : command::screen;
  return -1;
}

int run_command_line(int argc, const char *const *argv) {
  hold_closed_streams();
  // Past a file size limit (ulimit -f) a write then fails like one on a
  // full disk, which every writer reports, instead of the signal ending the
  // program half-way through a file.
  std::signal(SIGXFSZ, SIG_IGN);
  command_line line;
  int status = parse_command_line(argc, argv, line);
  if (status < 0) {
    switch (line.chosen) {
      case command::roll:
        status = roll_command(line.roll);
        break;
      case command::run:
        status = run_command(line.run);
        break;
      case command::check:
        status = check_command(line.explain);
        break;
      case command::stats:
        status = stats_command(line.stats);
        break;
      case command::manual:
        status = manual_command(line.manual);
        break;
      case command::save:
        status = save_command(line.save);
        break;
      case command::init:
        status = init_command();
        break;
      case command::list:
        status = list_command(line.list_format);
        break;
      case command::exported:
        status = export_command(line.exported);
        break;
      case command::screen:
        status = screen_program(line.screen_seed);
        break;
    }
  }
  return checked_output(status);
}
