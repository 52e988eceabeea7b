// The commands as request -> result functions, shared by every front end.
#include "command_core.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>
#include <sstream>

#include "area_writer.h"
#include "dice.h"
#include "export_formats.h"
#include "hoard_stats.h"
#include "info_check.h"
#include "info_explain.h"
#include "info_files.h"
#include "interpreter.h"
#include "ledger.h"
#include "memory_generation.h"
#include "output_file.h"
#include "report_json.h"

namespace {

using json = nlohmann::ordered_json;

command_result refused(command_status status, std::string message) {
  command_result r;
  r.status = status;
  r.message = std::move(message);
  return r;
}

// A command's number: "" gives `fallback`; else "" or the refusal naming the
// option.
std::string read_number(const number_option &option, const std::string &text,
                        int64_t fallback, int64_t &out) {
  out = fallback;
  if (text.empty()) return "";
  std::string refusal = number_refusal(text, option.lo, option.hi, out);
  return refusal.empty() ? "" : std::string(option.option) + ": " + refusal;
}

// The seed of a request: "" leaves the dice as they are.
std::string seed_from(const std::string &text) {
  int64_t seed = 0;
  std::string refusal = read_number(DICE_SEED, text, 0, seed);
  if (refusal.empty() && !text.empty()) seed_dice(static_cast<unsigned>(seed));
  return refusal;
}

std::string label_of(const monster_record &m) {
  char label[LABEL_SIZE];
  monster_label(m, label, sizeof label);
  return label;
}

// The special scores the monster's code asks for.
struct asked_scores {
  bool station, mel_cel;
};

asked_scores scores_asked(uint32_t code) {
  const bool scores = code & (SCORES_STATION_EXTRA | SCORES_MEL_EXTRA);
  return {scores || (code & HAS_STATION) != 0, scores};
}

bool row_asked(const setting_row &row, const asked_scores &asked) {
  if (row.field == &settings::station) return asked.station;
  if (row.field == &settings::mel || row.field == &settings::cel)
    return asked.mel_cel;
  return true;
}

// The monster, lair and settings used, in words.
struct used_settings {
  std::string monster;  // "3 Mirewight, Mire Hag"
  std::string lair;     // "5 Ruined Keep"
  std::string numbers;  // "CDF 30, group CDF 40, jeweler's EL 12, ..."
};

used_settings settings_in_use(const session &s) {
  const settings &c = s.config;
  const monster_record &m = monster_at(s.tables, c.monster_index);
  used_settings u;
  u.monster = std::to_string(c.monster_index + 1) + " " + label_of(m);
  u.lair = std::to_string(c.lair_index + 1) + " " +
           area_at(s.tables, c.lair_index).name;
  const asked_scores asked = scores_asked(m.special_code);
  for (const setting_row &row : SETTING_ROWS)
    if (row.kind == setting_kind::number && row_asked(row, asked))
      u.numbers += (u.numbers.empty() ? "" : ", ") + std::string(row.name) +
                   " " + std::to_string(c.*row.field);
  std::string yes;
  bool asks = false;
  for (const special_flag &f : special_flag_rows) {
    if (f.use != flag_use::answer || !(m.special_code & f.bit)) continue;
    asks = true;
    if (c.answers & f.bit)
      yes += (yes.empty() ? "" : ",") + std::string(f.name);
  }
  if (asks) u.numbers += ", yes: " + (yes.empty() ? "none" : yes);
  return u;
}

std::string used_lines(const used_settings &u) {
  return "Monster: " + u.monster + "\nLair: " + u.lair +
         "\nSettings: " + u.numbers + "\n";
}

// One warning for each of Station, MEL, CEL and the answers given that the
// chosen monster does not ask for.
void warn_unused(const setting_choices &o, const session &s,
                 std::vector<std::string> &notes) {
  const monster_record &m = monster_at(s.tables, s.config.monster_index);
  const asked_scores asked = scores_asked(m.special_code);
  auto warn = [&](const std::string &option) {
    notes.push_back("warning: " + option + ": " + label_of(m) +
                    " does not ask for it; it changes nothing");
  };
  for (const setting_row &row : SETTING_ROWS)
    if (row.kind == setting_kind::number && !(o.*row.choice).empty() &&
        !row_asked(row, asked))
      warn(row.option);
  if (o.yes.empty()) return;
  for (const special_flag &f : special_flag_rows)
    if (f.use == flag_use::answer && (s.config.answers & f.bit) &&
        !(m.special_code & f.bit))
      warn(std::string(setting_row_of(&setting_choices::yes).option) + " " +
           f.name);
}

// The base with the request's settings: done, or the refusal (status 2).
command_result choose(const setting_choices &o, const session &base,
                      session &s) {
  s = base;  // the portable texts stay the base's
  std::string refusal = apply_setting_choices(o, s);
  if (!refusal.empty()) return refused(command_status::bad_usage, refusal);
  command_result r;
  warn_unused(o, s, r.notes);
  if (std::string note = group_cdf_note(s.config); !note.empty())
    r.notes.push_back("warning: " + note);
  return r;
}

command_status begin(const command_hooks &hooks, const command_result &r) {
  return hooks.begin ? hooks.begin(r) : command_status::done;
}

// Passes every event to the report being built and hands on what it then
// holds, keeping nothing once handed on; warnings are kept by line.
class streamed_report : public report_sink {
 public:
  streamed_report(bool as_json, std::optional<export_format> exported,
                  const command_hooks &hooks, command_result &r)
      : json_(as_json), exported_(exported), hooks_(hooks), result_(r) {}
  void header(const report_header &h) override {
    ledger.header(h);
    sink().header(h);
    drain();
  }
  void section(section_kind k, std::string_view t, int lines) override {
    sink().section(k, t, lines);
    drain();
  }
  void literal(std::string_view t, int lines, bool closed) override {
    sink().literal(t, lines, closed);
    drain();
  }
  // A long literal text is handed on as it comes, as text or JSON; an
  // export takes it whole.
  bool takes_literal_pieces() const override { return !exported_; }
  void literal_piece(std::string_view piece) override {
    sink().literal_piece(piece);
    drain();
  }
  void item(const report_item &it) override {
    ledger.item(it);
    sink().item(it);
    drain();
  }
  void end(const report_end &e) override {
    sink().end(e);
    drain();
    result_.stopped_line = e.complete ? 0 : e.stopped_line;
  }
  void warning(long line, std::string_view what) override {
    warnings.push_back(std::to_string(line) +
                       ": warning: " + std::string(what));
  }

  std::vector<std::string> warnings;
  ledger_sink ledger;
  json_report_writer json_text_{nullptr};
  // An export is written whole once the script is read.
  export_sink export_{nullptr};

  // Hands on a text of its own, after the report.
  void hand_on(const std::string &t) {
    if (hooks_.piece)
      hooks_.piece(t, t, "");
    else
      (json_ ? result_.json : result_.text) += t;
  }

 private:
  report_sink &sink() {
    return exported_ ? static_cast<report_sink &>(export_)
           : json_   ? static_cast<report_sink &>(json_text_)
                     : text_;
  }
  void drain() {
    if (exported_) return;
    hand_on(json_ ? json_text_.out : text_.text());
    json_text_.out.clear();
    text_.clear();
  }

  bool json_;
  std::optional<export_format> exported_;
  const command_hooks &hooks_;
  command_result &result_;
  text_report text_;
};

}  // namespace

std::string setting_value_refusal(const setting_row &row,
                                  std::string_view text) {
  int64_t value = 0;
  if (row.kind == setting_kind::number)
    return number_refusal(text, row.range.lo, row.range.hi, value);
  return trim_blanks(text).empty() ? "an empty value is not allowed" : "";
}

std::string number_value_refusal(const number_option &option,
                                 std::string_view text) {
  int64_t value = 0;
  return number_refusal(text, option.lo, option.hi, value);
}

command_result load_files(session &s, bool with_settings) {
  std::string err;
  const int loaded = load_tables(s.tables, err);
  if (loaded != 0) {
    command_result r = refused(command_status::bad_file, err);
    r.file_missing = loaded == 1;
    return r;
  }
  std::string notice;
  if (with_settings && load_settings_file(s.tables, s.config, notice) == 2) {
    free_monsters(s.tables);
    return refused(command_status::bad_file, notice);
  }
  command_result r;
  r.message = notice;
  return r;
}

command_result roll_reports(const roll_request &r, const session &base,
                            const command_hooks &hooks) {
  int64_t count = 1, seed = 0;
  std::string refusal = read_number(ROLL_COUNT, r.count, 1, count);
  if (refusal.empty()) refusal = read_number(DICE_SEED, r.seed, 0, seed);
  if (!refusal.empty()) return refused(command_status::bad_usage, refusal);
  session s;
  command_result result = choose(r.settings, base, s);
  if (result.status != command_status::done) return result;
  result.used = used_lines(settings_in_use(s));
  if ((result.status = begin(hooks, result)) != command_status::done)
    return result;
  seed_from(r.seed);
  text_report text;
  json_report_writer objects(&s.config);
  export_sink exported(&s.config);
  ledger_sink ledger;
  both_sinks text_and_ledger(text, ledger);
  both_sinks all_three(text_and_ledger, objects);
  both_sinks text_and_export(text_and_ledger, exported);
  report_sink &sink = r.exported ? static_cast<report_sink &>(text_and_export)
                      : r.json   ? static_cast<report_sink &>(all_three)
                                 : static_cast<report_sink &>(text_and_ledger);
  const std::string seed_digits = r.seed.empty() ? "" : std::to_string(seed);
  objects.seed = seed_digits;
  const generation_input in = s.generation();
  const ledger_request &asked = r.ledger.asked;
  // The reference hoards, run once before the first report with dice of
  // their own.
  const std::vector<unit_tenths> *reference =
      asked.rank ? &reference_totals(in) : nullptr;
  const std::string reference_words = asked.rank ? reference_name(in) : "";
  objects.ledger_asked = asked;
  objects.reference = reference;
  hoard_ledger pile;
  auto hand_on = [&](const std::string &shown, const std::string &report,
                     const std::string &script) {
    if (!hooks.piece) {
      (r.json ? result.json : result.text) += shown;
      return true;
    }
    return hooks.piece(shown, report, script);
  };
  bool going = true;
  for (int64_t i = 0; i < count && going; ++i) {
    const std::string script = automatic_script_text(in);
    text.clear();
    objects.out.clear();
    interpret_text(script, s.tables, sink);
    std::string shown = r.json ? objects.out : text.text();
    if (r.exported) {
      exported.report.number = i + 1;
      exported.report.seed = seed_digits;
      shown = (i == 0 ? export_start(*r.exported) : "") +
              export_text(*r.exported, exported.report);
    } else if (!r.json && r.ledger.each) {
      ledger_rank rank;
      if (reference) rank = rank_ledger(ledger.ledger, *reference, asked.rates);
      shown +=
          "\n" + ledger_text(ledger.ledger, asked, reference ? &rank : nullptr,
                             reference_words, "Ledger");
    }
    going = hand_on(shown, text.text(), script);
    if (r.ledger_data)
      result.ledgers.push_back(ledger_data_json(ledger.ledger));
    pile.add(ledger.ledger);
    if (hooks.step) hooks.step();
  }
  if (r.ledger.pile && going && !r.exported) {
    // The rank is a single hoard's: the pile has none.
    ledger_request of_pile = asked;
    of_pile.rank = false;
    hand_on(
        r.json
            ? "{\"pile\":true,\"reports\":" + std::to_string(pile.reports) +
                  ",\"ledger\":" + ledger_json(pile, of_pile, nullptr) + "}\n"
            : "\n" + ledger_text(pile, of_pile, nullptr, "",
                                 "Ledger of the pile of " +
                                     std::to_string(pile.reports) + " reports"),
        "", "");
  }
  return result;
}

command_result run_report(const run_request &r, const info_tables &tables,
                          FILE *script, const command_hooks &hooks) {
  int64_t seed = 0;
  if (std::string refusal = read_number(DICE_SEED, r.seed, 0, seed);
      !refusal.empty())
    return refused(command_status::bad_usage, refusal);
  seed_from(r.seed);
  command_result result;
  streamed_report report(r.json, r.exported, hooks, result);
  report.json_text_.ledger_asked = r.ledger.asked;
  const std::string seed_digits = r.seed.empty() ? "" : std::to_string(seed);
  report.json_text_.seed = seed_digits;
  dice_record dice{};
  const bool complete = interpret_script(script, tables, dice, report);
  if (r.exported) {
    report.export_.report.seed = seed_digits;
    report.hand_on(export_start(*r.exported) +
                   export_text(*r.exported, report.export_.report));
  } else if (!r.json && r.ledger.each)
    report.hand_on("\n" + ledger_text(report.ledger.ledger, r.ledger.asked,
                                      nullptr, "", "Ledger"));
  for (const std::string &w : report.warnings)
    result.notes.push_back(r.name + ":" + w);
  if (!complete) {
    result.status = command_status::bad_file;
    result.message = r.name + ": reading stopped at line " +
                     std::to_string(result.stopped_line);
  } else if (r.strict && !report.warnings.empty()) {
    result.status = command_status::bad_file;
  }
  return result;
}

command_result export_file(const export_request &r,
                           const command_hooks &hooks) {
  int64_t only = 0;
  if (std::string refusal = read_number(EXPORT_REPORT, r.report, 0, only);
      !refusal.empty())
    return refused(command_status::bad_usage, refusal);
  const output_file file(r.path);
  using state = output_file::file_state;
  if (file.state() == state::missing || file.state() == state::unreadable ||
      file.state() == state::not_regular)
    return refused(
        command_status::bad_file,
        "cannot read " + r.path +
            (file.state() == state::missing       ? ": no such file"
             : file.state() == state::not_regular ? ": not a regular file"
                                                  : ": not readable"));
  if (only > file.report_count())
    return refused(command_status::bad_usage,
                   "--report: " + r.path + " holds " +
                       std::to_string(file.report_count()) + " reports");
  command_result result;
  std::string shown = export_start(r.format);
  long long begin = 0;
  for (long long number = 1; begin < file.size(); ++number) {
    const long long end = file.report_start_after(begin);
    if (only == 0 || only == number)
      shown += export_text(r.format, file_report(file.bytes(begin, end),
                                                 static_cast<long>(number)));
    begin = end;
    if (!hooks.piece)
      result.text += shown;
    else if (!hooks.piece(shown, "", ""))
      break;
    shown.clear();
  }
  if (!shown.empty()) {
    // A file without reports still gets the format's start (CSV's header).
    if (!hooks.piece)
      result.text += shown;
    else
      hooks.piece(shown, "", "");
  }
  return result;
}

command_result check_report(bool explain) {
  session s;
  std::vector<info_problem> problems;
  std::string err;
  const int load = load_tables(s.tables, err);
  if (!check_info_file("monster.hxi", s.tables, problems) ||
      !check_info_file("area.hxi", s.tables, problems)) {
    free_monsters(s.tables);
    command_result r = refused(command_status::bad_file, err);
    r.file_missing = load == 1;
    return r;
  }
  const bool has_setup =
      load == 0 && check_info_file("setup.hxi", s.tables, problems);
  command_result r;
  r.text = problems_text(problems, has_setup);
  if (explain && load == 0) r.text += explain_text(s.tables);
  r.status =
      has_faults(problems) ? command_status::bad_file : command_status::done;
  free_monsters(s.tables);
  return r;
}

command_result explain_report(const info_tables &tables) {
  command_result r;
  r.text = explain_text(tables);
  return r;
}

namespace {

// A CSV value: quoted, with its quotes doubled, when it holds a comma or a
// quote.
std::string csv_field(const std::string &value) {
  if (value.find_first_of(",\"") == std::string::npos) return value;
  std::string out = "\"";
  for (char c : value)
    out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

command_result stats_report(const stats_request &r, const session &base,
                            const command_hooks &hooks) {
  int64_t generations = 1000, seed = 0;
  std::string refusal =
      read_number(STATS_GENERATIONS, r.generations, 1000, generations);
  if (refusal.empty()) refusal = read_number(DICE_SEED, r.seed, 0, seed);
  if (!refusal.empty()) return refused(command_status::bad_usage, refusal);
  session s;
  command_result result = choose(r.settings, base, s);
  if (result.status != command_status::done) return result;
  if ((result.status = begin(hooks, result)) != command_status::done)
    return result;
  seed_from(r.seed);
  tally_sink tally;
  const generation_input in = s.generation();
  for (int64_t i = 0; i < generations; ++i) {
    interpret_text(automatic_script_text(in), s.tables, tally);
    if (hooks.step) hooks.step();
  }
  // The monster, lair and settings used come first.
  const used_settings used = settings_in_use(s);
  const json head = {{"monster", used.monster},
                     {"lair", used.lair},
                     {"settings", used.numbers}};
  result.json = "{\"used\":" + json_text(head) + "," +
                stats_json(tally.sections, tally.totals).substr(1);
  if (r.format == stats_format::csv)
    result.text = stats_csv(tally.sections, tally.totals) + "used,monster,," +
                  csv_field(used.monster) + "\nused,lair,," +
                  csv_field(used.lair) + "\nused,settings,," +
                  csv_field(used.numbers) + "\n";
  else
    result.text =
        used_lines(used) + "\n" + stats_text(tally.sections, tally.totals);
  return result;
}

command_result list_report(const info_tables &t) {
  command_result r;
  json out;
  out["monsters"] = json::array();
  r.text = "Monsters:\n";
  char line[LABEL_SIZE + 16];
  for (int i = 0; i < t.monster_count; ++i) {
    const monster_record &m = t.monsters[i];
    const std::string label = label_of(m);
    out["monsters"].push_back(
        {{"number", i + 1},
         {"name", m.name},
         {"group", m.group[0] == ' ' ? json() : json(m.group)},
         {"label", label}});
    std::snprintf(line, sizeof line, "%3d: %s\n", i + 1, label.c_str());
    r.text += line;
  }
  out["lairs"] = json::array();
  r.text += "Lairs:\n";
  for (int i = 0; i < t.area_count; ++i) {
    out["lairs"].push_back({{"number", i + 1}, {"name", t.areas[i].name}});
    std::snprintf(line, sizeof line, "%3d: %s\n", i + 1, t.areas[i].name);
    r.text += line;
  }
  r.json = json_text(out) + "\n";
  return r;
}

command_result manual_report(const manual_request &r, const session &base) {
  int64_t seed = 0;
  if (std::string refusal = read_number(DICE_SEED, r.seed, 0, seed);
      !refusal.empty())
    return refused(command_status::bad_usage, refusal);
  session s;
  command_result result = choose(r.settings, base, s);
  if (result.status != command_status::done) return result;
  seed_from(r.seed);
  char *buffer = nullptr;
  std::size_t size = 0;
  FILE *f = open_memstream(&buffer, &size);
  if (!f) return refused(command_status::bad_file, "out of memory");
  {
    script_writer w(f);
    write_manual_start(w, s.generation());
    const area_record &area = area_at(s.tables, s.config.lair_index);
    for (const std::string &pick : r.picks) {
      std::istringstream in(pick);
      std::string word;
      in >> word;
      if (word == "AREA") {
        int n = 1, add = 0;
        in >> n >> add;
        write_area_items(
            w, area, std::clamp(n, MANUAL_LAIR_ROLLS.lo, MANUAL_LAIR_ROLLS.hi),
            add ? 1 : 0);
      } else if (!word.empty() &&
                 std::all_of(word.begin(), word.end(), [](char c) {
                   return c == '_' ||
                          std::isupper(static_cast<unsigned char>(c)) ||
                          std::isdigit(static_cast<unsigned char>(c));
                 })) {
        w.item(word.c_str());
      }
    }
    w.line("END-OF-SECTION\n");
  }
  std::fclose(f);
  std::string script(buffer, size);
  std::free(buffer);
  text_report report;
  ledger_sink ledger;
  export_sink exported(&s.config);
  both_sinks report_and_ledger(report, ledger);
  both_sinks all(report_and_ledger, exported);
  interpret_text(script, s.tables, all);
  exported.report.seed = r.seed.empty() ? "" : std::to_string(seed);
  result.text = r.exported ? export_start(*r.exported) +
                                 export_text(*r.exported, exported.report)
                           : report.text();
  result.ledgers.push_back(ledger_data_json(ledger.ledger));
  return result;
}

std::string read_ledger_request(const std::string &rates, const std::string &in,
                                const std::string &split, ledger_request &out) {
  ledger_request r;
  std::string error;
  if (!rates.empty() && !read_rates(rates, r.rates, error))
    return "--rates: " + error;
  if (!in.empty() && !read_unit(in, r.in))
    return "--in: " + in + " is no unit; the units are BB, CC, SC, GC";
  if (!in.empty() && rates.empty())
    return "--in needs --rates: the rules convert nothing between units";
  int64_t players = 0;
  if (!(error = read_number(SPLIT_PLAYERS, split, 0, players)).empty())
    return error;
  r.split = static_cast<int>(players);
  out = r;
  return "";
}

command_result ledger_data_report(const ledger_data_request &r,
                                  const session &base) {
  ledger_request asked;
  std::string refusal = read_ledger_request(r.rates, r.in, r.split, asked);
  if (!refusal.empty()) return refused(command_status::bad_usage, refusal);
  hoard_ledger all;
  for (const std::string &data : r.ledgers) {
    hoard_ledger one;
    if (!read_ledger_data(data, one))
      return refused(command_status::bad_usage, "a ledger's data is not valid");
    all.add(one);
  }
  session s;
  command_result result = choose(r.settings, base, s);
  if (result.status != command_status::done) return result;
  asked.rank = r.rank && r.ledgers.size() == 1;
  const generation_input in = s.generation();
  ledger_rank rank;
  if (asked.rank)
    rank = rank_ledger(all, reference_totals(in), asked.rates, true);
  const ledger_rank *ranked = asked.rank ? &rank : nullptr;
  result.text = ledger_text(
      all, asked, ranked, asked.rank ? reference_name(in) : "",
      all.reports == 1
          ? std::string("Ledger")
          : "Ledger of " + std::to_string(all.reports) + " reports");
  result.json = ledger_json(all, asked, ranked);
  return result;
}

command_result settings_text_report(const settings_text_request &r,
                                    const session &base) {
  session s;
  command_result result = choose(r.settings, base, s);
  if (result.status != command_status::done) return result;
  const std::string name =
      r.output_name.empty() ? s.config.output_name : r.output_name;
  if (name.size() >= FILE_NAME_SIZE ||
      !std::all_of(name.begin(), name.end(), [](char c) {
        return is_output_name_char(static_cast<unsigned char>(c));
      }))
    return refused(command_status::bad_usage,
                   "the output name '" + name +
                       "' is not 1 to 8 letters, digits, '{', '}' or '_'");
  std::snprintf(s.config.output_name, FILE_NAME_SIZE, "%s", name.c_str());
  result.text = settings_text(s.config);
  return result;
}

command_result info_report(const session &base) {
  const settings &c = base.config;
  json out;
  out["monsters"] = json::array();
  for (int i = 0; i < base.tables.monster_count; ++i)
    out["monsters"].push_back({{"label", label_of(base.tables.monsters[i])},
                               {"code", base.tables.monsters[i].special_code}});
  out["lairs"] = json::array();
  for (int i = 0; i < base.tables.area_count; ++i)
    out["lairs"].push_back(base.tables.areas[i].name);
  out["flags"] = json::array();
  for (const special_flag &f : special_flag_rows) {
    if (f.use == flag_use::generation) continue;
    const char *use = f.use == flag_use::answer   ? "answer"
                      : f.use == flag_use::scores ? "scores"
                                                  : "station";
    out["flags"].push_back({{"bit", f.bit},
                            {"name", f.name},
                            {"use", use},
                            {"question", f.question ? f.question : ""}});
  }
  json ranges;
  ranges["text"] = {0, POSITION_COMMENT_SIZE - 1};
  ranges["output"] = {1, FILE_NAME_SIZE - 1};
  // The page's requests: the seed, its bounds on a count, a manual pick.
  for (const number_option &o :
       {DICE_SEED, PAGE_ROLL_COUNT, PAGE_STATS_GENERATIONS})
    ranges[o.key] = {o.lo, o.hi};
  ranges["lairRolls"] = {MANUAL_LAIR_ROLLS.lo, MANUAL_LAIR_ROLLS.hi};
  // What an output name takes; the text fields take these and the blank.
  std::string name_chars;
  for (int ch = 1; ch < 128; ++ch)
    if (is_output_name_char(ch)) name_chars += static_cast<char>(ch);
  out["nameChars"] = name_chars;
  // What each number does, by the keys of the page's request.
  json explanations;
  for (const setting_row &row : SETTING_ROWS) {
    if (row.kind != setting_kind::number) continue;
    ranges[row.key] = {row.range.lo, row.range.hi};
    const number_explanation &e = explanation_of(row.explained);
    explanations[row.key] = {{"line", e.line}, {"paragraph", e.paragraph}};
  }
  for (const auto &[name, range] :
       {std::pair{"day", GAME_DAY_RANGE}, std::pair{"month", GAME_MONTH_RANGE},
        std::pair{"year", GAME_YEAR_RANGE}})
    ranges[name] = {range.lo, range.hi};
  out["ranges"] = ranges;
  out["explanations"] = explanations;
  out["settings"] = {{"output", c.output_name},
                     {"monster", c.monster_index + 1},
                     {"lair", c.lair_index + 1},
                     {"cdf", c.cdf},
                     {"groupCdf", c.group_cdf},
                     {"jewelerEl", c.jeweler_el},
                     {"station", c.station},
                     {"mel", c.mel},
                     {"cel", c.cel},
                     {"answers", c.answers},
                     {"gameDate", std::to_string(c.game_day) + "/" +
                                      std::to_string(c.game_month) + "/" +
                                      std::to_string(c.game_year)}};
  command_result r;
  r.json = json_text(out);
  return r;
}
