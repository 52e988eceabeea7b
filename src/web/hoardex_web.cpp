// The engine for a web page: one C function, hx_call(command, request), over
// the engine's commands. The request is a JSON object whose keys are the
// settings table's keys and the commands' own (count, seed, n, json, format,
// picks, script, name, outputName, bounded, and the ledger's rates, in,
// split, rank and ledgers); it becomes the same request struct the command line
// fills, and the engine's result comes back as one JSON object: {status, text,
// json, message, notes, used, stoppedLine, ledgers}. Every text goes in and
// out through the module's heap. The information files live in the
// module's in-memory folder, so the loaders read them exactly as they read a
// disk.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "command_core.h"
#include "dice.h"
#include "info_files.h"

namespace {

using json = nlohmann::json;

const char *FILE_NAMES[] = {"monster.hxi", "area.hxi", "setup.hxi"};
const char *FILE_KEYS[] = {"monster", "area", "setup"};

session g_base;  // the loaded files and the settings of setup.hxi
bool g_loaded = false;
json
    g_files;  // the texts of the files loaded last, to put back after a refusal
std::string g_answer;

command_result refusal(command_status status, std::string message) {
  command_result r;
  r.status = status;
  r.message = std::move(message);
  return r;
}

// A value of the request as the command line would have received it: a
// text as it is, a number or a flag in its digits.
std::string text_of(const json &value) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_null()) return "";
  return value.dump();
}

// Reads the request's settings and numbers as the command line's parser
// does, in the same order: "" or the refusal naming the option.
std::string read_request(
    const json &in, setting_choices &c,
    std::initializer_list<std::pair<const number_option *, std::string *>>
        numbers) {
  for (const setting_row &row : SETTING_ROWS) {
    if (!in.contains(row.key)) continue;
    const std::string value = text_of(in[row.key]);
    if (std::string why = setting_value_refusal(row, value); !why.empty())
      return std::string(row.option) + ": " + why;
    c.*row.choice = value;
  }
  for (const auto &[option, out] : numbers) {
    if (!in.contains(option->key)) continue;
    const std::string value = text_of(in[option->key]);
    if (std::string why = number_value_refusal(*option, value); !why.empty())
      return std::string(option->option) + ": " + why;
    *out = value;
  }
  return "";
}

// A flag of the request: given as true.
bool flag(const json &in, const char *key) {
  return in.contains(key) && in[key] == true;
}

// The request's "format": "text" (or none), "json" or an export format's
// name, as --format takes them; "" or the refusal.
std::string read_format(const json &in, bool *as_json,
                        std::optional<export_format> &exported) {
  if (!in.contains("format")) return "";
  const std::string name = text_of(in["format"]);
  export_format f;
  if (export_format_named(name, f) && as_json && *as_json)
    return "--format: " + name + " and json ask for two formats";
  if (export_format_named(name, f))
    exported = f;
  else if (as_json && name == "json")
    *as_json = true;
  else if (name != "text")
    return "--format: " + name + " is no format";
  return "";
}

bool write_file(const char *name, const std::string &text) {
  FILE *f = std::fopen(name, "w");
  if (!f) return false;
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && ok;
}

// Writes the three files (setup null: none) into the folder.
bool write_files(const json &files) {
  std::remove("setup.hxi");
  for (int k = 0; k < 3; ++k) {
    const json &text =
        files.contains(FILE_KEYS[k]) ? files[FILE_KEYS[k]] : json();
    if (k == 2 && text.is_null()) continue;
    if (!write_file(FILE_NAMES[k], text_of(text))) return false;
  }
  return true;
}

// Loads the files of the request as the program's start does; after a
// refusal the files loaded before are in the folder and loaded again.
command_result load(const json &files) {
  if (!write_files(files)) {
    if (g_loaded) write_files(g_files);
    return refusal(command_status::bad_file, "cannot write the files");
  }
  session fresh;
  command_result r = load_files(fresh);
  if (r.status != command_status::done) {
    if (g_loaded) write_files(g_files);
    return r;
  }
  if (g_loaded) free_monsters(g_base.tables);
  g_base = fresh;
  g_loaded = true;
  g_files = files;
  static bool seeded = false;
  if (!seeded) seed_dice_or_clock(std::nullopt);
  seeded = true;
  return r;
}

FILE *script_stream(const std::string &script) {
  // fmemopen refuses an empty buffer; an empty script ends at once.
  return script.empty()
             ? std::fopen("/dev/null", "r")
             : fmemopen(const_cast<char *>(script.data()), script.size(), "r");
}

command_result call(const std::string &command, const json &in) {
  if (command == "load") return load(in);
  if (command == "check") return check_report(flag(in, "explain"));
  if (!g_loaded)
    return refusal(command_status::bad_file,
                   "no monster and area files are loaded");
  if (command == "explain") return explain_report(g_base.tables);
  if (command == "info") return info_report(g_base);
  if (command == "list") return list_report(g_base.tables);
  std::string why;
  // "bounded": the page's bounds on how many (info's ranges).
  const bool bounded = flag(in, "bounded");
  if (command == "roll") {
    roll_request r;
    r.json = flag(in, "json");
    r.ledger_data = true;
    why = read_request(in, r.settings,
                       {{bounded ? &PAGE_ROLL_COUNT : &ROLL_COUNT, &r.count},
                        {&DICE_SEED, &r.seed}});
    if (why.empty()) why = read_format(in, &r.json, r.exported);
    return why.empty() ? roll_reports(r, g_base)
                       : refusal(command_status::bad_usage, why);
  }
  if (command == "stats") {
    stats_request r;
    why = read_request(in, r.settings,
                       {{bounded ? &PAGE_STATS_GENERATIONS : &STATS_GENERATIONS,
                         &r.generations},
                        {&DICE_SEED, &r.seed}});
    const std::string format =
        in.contains("format") ? text_of(in["format"]) : "";
    r.format = format == "json"  ? stats_format::json
               : format == "csv" ? stats_format::csv
                                 : stats_format::text;
    return why.empty() ? stats_report(r, g_base)
                       : refusal(command_status::bad_usage, why);
  }
  if (command == "ledger") {
    ledger_data_request r;
    why = read_request(in, r.settings, {});
    for (const auto &[key, out] :
         {std::pair{"rates", &r.rates}, {"in", &r.in}, {"split", &r.split}})
      if (in.contains(key)) *out = text_of(in[key]);
    if (in.contains("ledgers") && in["ledgers"].is_array())
      for (const json &data : in["ledgers"]) r.ledgers.push_back(text_of(data));
    r.rank = flag(in, "rank");
    return why.empty() ? ledger_data_report(r, g_base)
                       : refusal(command_status::bad_usage, why);
  }
  if (command == "manual") {
    manual_request r;
    why = read_request(in, r.settings, {{&DICE_SEED, &r.seed}});
    if (why.empty()) why = read_format(in, nullptr, r.exported);
    if (in.contains("picks") && in["picks"].is_array())
      for (const json &pick : in["picks"]) r.picks.push_back(text_of(pick));
    return why.empty() ? manual_report(r, g_base)
                       : refusal(command_status::bad_usage, why);
  }
  if (command == "setupText") {
    settings_text_request r;
    r.output_name = in.contains("outputName") ? text_of(in["outputName"]) : "";
    why = read_request(in, r.settings, {});
    return why.empty() ? settings_text_report(r, g_base)
                       : refusal(command_status::bad_usage, why);
  }
  if (command == "run") {
    run_request r;
    r.name = in.contains("name") ? text_of(in["name"]) : "script";
    r.json = flag(in, "json");
    r.strict = flag(in, "strict");
    setting_choices unused;
    why = read_request(in, unused, {{&DICE_SEED, &r.seed}});
    if (why.empty()) why = read_format(in, &r.json, r.exported);
    if (!why.empty()) return refusal(command_status::bad_usage, why);
    const std::string script =
        in.contains("script") ? text_of(in["script"]) : "";
    FILE *f = script_stream(script);
    if (!f) return refusal(command_status::bad_file, "out of memory");
    command_result result = run_report(r, g_base.tables, f);
    std::fclose(f);
    return result;
  }
  return refusal(command_status::bad_usage,
                 "no command named '" + command + "'");
}

}  // namespace

extern "C" {

// The result of one command for a JSON request, as one JSON object; the
// text stays valid until the next call.
const char *hx_call(const char *command, const char *request) {
  const json in = json::parse(request ? request : "{}", nullptr, false);
  const command_result r =
      in.is_object()
          ? call(command ? command : "", in)
          : refusal(command_status::bad_usage, "the request is no JSON object");
  const json out = {{"status", static_cast<int>(r.status)},
                    {"text", r.text},
                    {"json", r.json},
                    {"message", r.message},
                    {"notes", r.notes},
                    {"used", r.used},
                    {"stoppedLine", r.stopped_line},
                    {"ledgers", r.ledgers}};
  g_answer = out.dump(-1, ' ', false, json::error_handler_t::replace);
  return g_answer.c_str();
}

}  // extern "C"
