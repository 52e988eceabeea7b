// The engine for a web page: plain C functions over the engine and the tables
// alone, called from JavaScript. The information files live in the module's
// in-memory folder, so the loaders read them exactly as they read a disk.
// Every function answers one text: a status digit as the command line's exit
// status (0 done, 1 a file refused, 2 a bad setting), then what the command
// line prints (or its message).
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <string>
#include <tuple>

#include "dice.h"
#include "headless.h"
#include "hoard_stats.h"
#include "info_check.h"
#include "info_explain.h"
#include "info_files.h"
#include "number_explanations.h"
#include "report_json.h"
#include "setting_choice.h"
#include "writers.h"

namespace {

session g_base;  // the loaded files and the settings of setup.hxi
bool g_loaded = false;
std::string g_answer;
long g_stopped_line = 0;

const char *answer(int status, const std::string &text) {
  g_answer = std::to_string(status) + text;
  return g_answer.c_str();
}

bool write_file(const char *name, const char *text) {
  FILE *f = std::fopen(name, "w");
  if (!f) return false;
  std::string_view t(text);
  bool ok = std::fwrite(t.data(), 1, t.size(), f) == t.size();
  return std::fclose(f) == 0 && ok;
}

// A number option's text read as the command line reads it ("" for one
// left out), and checked against `range` when one is given; "" or the
// message refusing it.
std::string number(const char *option, const char *text,
                   std::optional<int> &out,
                   std::optional<value_range> range = std::nullopt) {
  const std::string value = trim_blanks(text);
  if (std::string(text).empty()) return "";
  if (std::string refusal = decimal_refusal(value); !refusal.empty())
    return std::string(option) + ": " + refusal;
  out = static_cast<int>(*decimal_digits(value));
  return range ? range_refusal(option, *out, *range) : "";
}

// The base session with the choices applied, or a message.
std::string prepare(session &s, const char *monster, const char *lair,
                    const char *yes, const char *game_date,
                    const char *position, const char *comment, const char *cdf,
                    const char *group_cdf, const char *jeweler_el,
                    const char *station, const char *mel, const char *cel) {
  if (!g_loaded) return "no monster and area files are loaded";
  s = g_base;  // the portable texts stay the base's
  setting_choices c{monster, lair, yes, game_date, position, comment,
                    {},      {},   {},  {},        {},       {}};
  for (const auto &[option, text, value] :
       {std::tuple{"--cdf", cdf, &c.cdf},
        std::tuple{"--group-cdf", group_cdf, &c.group_cdf},
        std::tuple{"--jeweler-el", jeweler_el, &c.jeweler_el},
        std::tuple{"--station", station, &c.station},
        std::tuple{"--mel", mel, &c.mel}, std::tuple{"--cel", cel, &c.cel}})
    if (std::string refusal = number(option, text, *value); !refusal.empty())
      return refusal;
  return apply_setting_choices(c, s);
}

void seed(int seeded, unsigned value) {
  if (seeded) seed_dice(value);
}

std::string json_numbers(const std::vector<long> &values) {
  std::string out = "[";
  for (long v : values) out += (out.size() > 1 ? "," : "") + std::to_string(v);
  return out + "]";
}

}  // namespace

#define SETTING_PARAMS                                                  \
  const char *monster, const char *lair, const char *yes,               \
      const char *game_date, const char *position, const char *comment, \
      const char *cdf, const char *group_cdf, const char *jeweler_el,   \
      const char *station, const char *mel, const char *cel
#define SETTING_ARGS                                                \
  monster, lair, yes, game_date, position, comment, cdf, group_cdf, \
      jeweler_el, station, mel, cel

extern "C" {

// Writes the three files (setup may be null: the defaults) and loads them as
// the program's start does. Status 0 with the settings notice, if any.
const char *hx_load(const char *monster, const char *area, const char *setup) {
  std::remove("setup.hxi");
  if (!write_file("monster.hxi", monster) || !write_file("area.hxi", area) ||
      (setup && !write_file("setup.hxi", setup)))
    return answer(1, "cannot write the files");
  session fresh;
  std::string err;
  if (load_tables(fresh.tables, err) != 0) return answer(1, err);
  std::string notice;
  if (load_settings_file(fresh.tables, fresh.config, notice) == 2) {
    free_monsters(fresh.tables);
    return answer(1, notice);
  }
  if (g_loaded) free_monsters(g_base.tables);
  g_base = fresh;
  g_loaded = true;
  static bool seeded = false;
  if (!seeded) seed_dice_or_clock(std::nullopt);
  seeded = true;
  return answer(0, notice);
}

// `count` reports of key 7 for the settings, as text or as one JSON object
// a line.
const char *hx_roll(SETTING_PARAMS, const char *count_text, int seeded,
                    unsigned seed_value, int json) {
  session s;
  std::optional<int> count = 1;
  std::string err = number("--count", count_text, count, ROLL_COUNT_RANGE);
  if (err.empty()) err = prepare(s, SETTING_ARGS);
  if (!err.empty()) return answer(2, err);
  seed(seeded, seed_value);
  text_report text;
  json_report_writer objects(&s.config);
  report_sink &sink = json ? static_cast<report_sink &>(objects) : text;
  std::string out;
  for (int i = 0; i < *count; ++i) {
    text.clear();
    interpret_text(automatic_script_text(s.generation()), s.tables, sink);
    out += json ? objects.out : text.text();
    objects.out.clear();
  }
  return answer(0, out);
}

// The report of a manual list: one pick a line, a keyword (L1_COINS) or
// "AREA n add" for n rolls on the lair's table adding `add` (0 or 1).
const char *hx_manual(SETTING_PARAMS, const char *picks, int seeded,
                      unsigned seed_value) {
  session s;
  std::string err = prepare(s, SETTING_ARGS);
  if (!err.empty()) return answer(2, err);
  seed(seeded, seed_value);
  char *buffer = nullptr;
  std::size_t size = 0;
  FILE *f = open_memstream(&buffer, &size);
  if (!f) return answer(1, "out of memory");
  script_writer w(f);
  write_header(w, s.generation(), MANUAL_MONSTER, -1, 0);
  w.line("MANUAL-GENERATION\n");
  const area_record &area = area_at(s.tables, s.config.lair_index);
  std::istringstream in(picks);
  for (std::string word; in >> word;) {
    if (word == "AREA") {
      int n = 1, add = 0;
      in >> n >> add;
      write_area_items(w, area, std::clamp(n, 1, 100), add ? 1 : 0);
    } else if (std::all_of(word.begin(), word.end(), [](char c) {
                 return c == '_' || std::isupper(c) || std::isdigit(c);
               })) {
      w.item(word.c_str());
    }
  }
  w.line("END-OF-SECTION\n");
  std::fclose(f);
  std::string script(buffer, size);
  std::free(buffer);
  text_report report;
  interpret_text(script, s.tables, report);
  return answer(0, report.text());
}

// The report of a script; the line where reading stopped, or 0, is kept
// for hx_stopped_line.
const char *hx_run(const char *script, int seeded, unsigned seed_value) {
  if (!g_loaded) return answer(1, "no monster and area files are loaded");
  seed(seeded, seed_value);
  report_recorder report;
  interpret_text(script, g_base.tables, report);
  g_stopped_line = report.ending.complete ? 0 : report.ending.stopped_line;
  return answer(report.ending.complete ? 0 : 1, report.text.text());
}
long hx_stopped_line() { return g_stopped_line; }

// Every problem of the three files last given to hx_load.
const char *hx_check() {
  std::vector<info_problem> problems;
  std::string err;
  session s;
  bool loaded = load_tables(s.tables, err) == 0;
  if (!check_info_file("monster.hxi", s.tables, problems) ||
      !check_info_file("area.hxi", s.tables, problems))
    return answer(1, err);
  const bool has_setup =
      loaded && check_info_file("setup.hxi", s.tables, problems);
  free_monsters(s.tables);
  return answer(has_faults(problems) ? 1 : 0,
                problems_text(problems, has_setup));
}

const char *hx_explain() {
  if (!g_loaded) return answer(1, "no monster and area files are loaded");
  return answer(0, explain_text(g_base.tables));
}

// The statistics of `generations` generations: {"text", "portable" and
// "lair" (the generations with 0, 1, 2 ... items)}.
const char *hx_stats(SETTING_PARAMS, const char *generations_text, int seeded,
                     unsigned seed_value) {
  session s;
  std::optional<int> generations = 1000;
  std::string err =
      number("-n", generations_text, generations, STATS_GENERATIONS_RANGE);
  if (err.empty()) err = prepare(s, SETTING_ARGS);
  if (!err.empty()) return answer(2, err);
  seed(seeded, seed_value);
  tally_sink tally;
  tally_generations(s.generation(), *generations, tally);
  std::string out = "{\"text\":" + json_string(stats_text(tally.sections));
  for (int k = 0; k < 2; ++k)
    out += std::string(",\"") + SECTION_NAMES[k] +
           "\":" + json_numbers(tally.sections[k].histogram);
  return answer(0, out + "}");
}

// The settings file for the settings, as the program saves it.
const char *hx_setup_text(SETTING_PARAMS, const char *output_name) {
  session s;
  std::string err = prepare(s, SETTING_ARGS);
  if (!err.empty()) return answer(2, err);
  std::snprintf(s.config.output_name, FILE_NAME_SIZE, "%s", output_name);
  if (save_settings("setup.out", s.config) != 0)
    return answer(1, "Cannot save current settings!");
  FILE *f = std::fopen("setup.out", "r");
  std::string text;
  for (int c; f && (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
  if (f) std::fclose(f);
  return answer(0, text);
}

// What the page shows of the loaded files: the monsters with their special
// codes, the lairs, the settings of setup.hxi, the questions and ranges.
const char *hx_info() {
  if (!g_loaded) return answer(1, "no monster and area files are loaded");
  const settings &c = g_base.config;
  std::string out = "{\"monsters\":[";
  for (int i = 0; i < g_base.tables.monster_count; ++i) {
    char label[LABEL_SIZE];
    monster_label(g_base.tables.monsters[i], label, sizeof label);
    out +=
        std::string(i ? "," : "") + "{\"label\":" + json_string(label) +
        ",\"code\":" + std::to_string(g_base.tables.monsters[i].special_code) +
        "}";
  }
  out += "],\"lairs\":[";
  for (int i = 0; i < g_base.tables.area_count; ++i)
    out += std::string(i ? "," : "") + json_string(g_base.tables.areas[i].name);
  out += "],\"flags\":[";
  bool first = true;
  for (const special_flag &f : special_flag_rows) {
    if (f.use == flag_use::generation) continue;
    const char *use = f.use == flag_use::answer   ? "answer"
                      : f.use == flag_use::scores ? "scores"
                                                  : "station";
    out += std::string(first ? "" : ",") + "{\"bit\":" + std::to_string(f.bit) +
           ",\"name\":" + json_string(f.name) + ",\"use\":\"" + use +
           "\",\"question\":" + json_string(f.question ? f.question : "") + "}";
    first = false;
  }
  auto range = [](const char *name, value_range r) {
    return std::string(",\"") + name + "\":[" + std::to_string(r.lo) + "," +
           std::to_string(r.hi) + "]";
  };
  out += "],\"ranges\":{\"text\":[0," +
         std::to_string(POSITION_COMMENT_SIZE - 1) + "]" +
         range("cdf", CDF_RANGE) + range("jewelerEl", JEWELER_EL_RANGE) +
         range("station", STATION_RANGE) + range("mel", MEL_CEL_RANGE) +
         range("day", GAME_DAY_RANGE) + range("month", GAME_MONTH_RANGE) +
         range("year", GAME_YEAR_RANGE) + "}";
  // What each number does, by the options' names, for the fields.
  const char *keys[] = {"cdf",     "groupCdf", "jewelerEl",
                        "station", "mel",      "cel"};
  out += ",\"explanations\":{";
  for (const number_explanation &e : NUMBER_EXPLANATIONS)
    out += std::string(&e == NUMBER_EXPLANATIONS ? "\"" : ",\"") +
           keys[static_cast<int>(e.id)] +
           "\":{\"line\":" + json_string(e.line) +
           ",\"paragraph\":" + json_string(e.paragraph) + "}";
  out += "}";
  out += ",\"settings\":{\"output\":" + json_string(c.output_name) +
         ",\"monster\":" + std::to_string(c.monster_index + 1) +
         ",\"lair\":" + std::to_string(c.lair_index + 1) +
         ",\"cdf\":" + std::to_string(c.cdf) +
         ",\"groupCdf\":" + std::to_string(c.group_cdf) +
         ",\"jewelerEl\":" + std::to_string(c.jeweler_el) +
         ",\"station\":" + std::to_string(c.station) +
         ",\"mel\":" + std::to_string(c.mel) +
         ",\"cel\":" + std::to_string(c.cel) +
         ",\"answers\":" + std::to_string(c.answers) + ",\"gameDate\":\"" +
         std::to_string(c.game_day) + "/" + std::to_string(c.game_month) + "/" +
         std::to_string(c.game_year) + "\"}}";
  return answer(0, out);
}

}  // extern "C"
