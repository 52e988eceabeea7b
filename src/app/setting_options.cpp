// The settings options of roll and stats: their ranges and help, and their
// resolution over the settings of setup.hxi (or the defaults) through the
// engine's setting choices.
#include <cstdio>

#include "commands.h"
#include "info_files.h"
#include "name_match.h"
#include "number_explanations.h"
#include "option_values.h"

namespace {

// A number option checked against its range, so nothing is clamped; its
// help line ends with what the number does, the explanation's one line
// after its name.
void add_ranged(CLI::App &command, const char *name, std::optional<int> &value,
                value_range range, const char *what, number_id id) {
  std::string does = explanation_of(id).line;
  does.erase(0, does.find(": "));
  command
      .add_option(name, value,
                  std::string(what) + " (" + range_text(range) + ")" + does)
      ->transform(decimal_value())
      ->check(CLI::Range(range.lo, range.hi));
}

}  // namespace

loaded_session::~loaded_session() { free_monsters(tables); }

void add_setting_options(CLI::App &command, setting_options &o) {
  command
      .add_option("--monster", o.monster,
                  "the monster: its number in the list, its name or "
                  "\"group, name\"")
      ->transform(non_empty_value());
  command.add_option("--lair", o.lair, "the lair: its number or its name")
      ->transform(non_empty_value());
  add_ranged(command, "--cdf", o.cdf, CDF_RANGE, "the creature's CDF",
             number_id::cdf);
  add_ranged(command, "--group-cdf", o.group_cdf, CDF_RANGE,
             "the highest CDF in the creature's group", number_id::group_cdf);
  add_ranged(command, "--jeweler-el", o.jeweler_el, JEWELER_EL_RANGE,
             "the jeweler's EL, 0 if unknown", number_id::jeweler_el);
  add_ranged(command, "--station", o.station, STATION_RANGE, "the Station",
             number_id::station);
  add_ranged(command, "--mel", o.mel, MEL_CEL_RANGE, "the MEL", number_id::mel);
  add_ranged(command, "--cel", o.cel, MEL_CEL_RANGE, "the CEL", number_id::cel);
  command
      .add_option(
          "--yes", o.yes,
          "the questions answered yes, comma-separated: " + answer_names() +
              "; " + NO_ANSWERS + ": every one answered no")
      ->transform(non_empty_value());
  command.add_option("--game-date", o.game_date, "the game date, D/M/Y")
      ->transform(non_empty_value());
  command.add_option("--position", o.position, "the position text")
      ->transform(non_empty_value());
  command.add_option("--comment", o.comment, "the comment text")
      ->transform(non_empty_value());
}

void write_load_failure(int status, std::string err) {
  if (!err.empty() && err.back() != '\n') err += '\n';
  const std::string hint = missing_file_hint();
  if (status == 1 && !hint.empty()) err += hint + "\n";
  std::fputs(err.c_str(), stderr);
}

int load_command_tables(info_tables &t) {
  std::string err;
  int loaded = load_tables(t, err);
  if (loaded == 0) return EXIT_DONE;
  write_load_failure(loaded, err);
  return EXIT_BAD_FILE;
}

int resolve_session(const setting_options &o, session &s) {
  if (int status = load_command_tables(s.tables)) return status;
  std::string err;
  if (load_settings_file(s.tables, s.config, err) == 2) {
    std::fputs(err.c_str(), stderr);
    return EXIT_BAD_FILE;
  }
  std::string refusal = apply_setting_choices(o, s);
  if (refusal.empty()) {
    warn_unused_options(o, s);
    if (std::string note = group_cdf_note(s.config); !note.empty())
      complain("warning: " + note);
    return EXIT_DONE;
  }
  complain(refusal);
  return EXIT_BAD_USAGE;
}
