// Fuzz target: the page's module. The first byte picks the command, the
// rest is its request as the page sends it to hx_call (any bytes, JSON or
// not). Every answer is one JSON object with status 0, 1 or 2; a bad
// request says why; a roll asked in JSON gives as many JSON objects as its
// count asks. The module's files live in the work folder; after a load
// the sample files are loaded again, so every input meets the same tables.
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>

#include "fuzz_support.h"
#include "setting_choice.h"

extern "C" const char *hx_call(const char *command, const char *request);

namespace {

using json = nlohmann::json;

const char *COMMANDS[] = {"load",   "check",     "explain", "info",
                          "list",   "roll",      "stats",   "ledger",
                          "manual", "setupText", "run",     "unknown"};

json answer(const char *command, const std::string &request) {
  seed_dice(1);
  const char *text = hx_call(command, request.c_str());
  fuzz::check(json::accept(text), "the answer is JSON");
  const json a = json::parse(text);
  const int status = a.is_object() ? a.value("status", -1) : -1;
  fuzz::check(status >= 0 && status <= 2, "an object with status 0, 1 or 2");
  return a;
}

void load_samples() {
  json files;
  for (const char *name : {"monster", "area", "setup"})
    files[name] =
        fuzz::read_file(HOARDEX_DATA_DIR "/" + std::string(name) + ".hxi");
  fuzz::check(answer("load", files.dump())["status"] == 0,
              "the sample files load");
}

// A value of the request as the module reads it: a text, or its digits.
std::string text_of(const json &value) {
  return value.is_string() ? value.get<std::string>()
         : value.is_null() ? ""
                           : value.dump();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  fuzz::start(false);
  load_samples();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0) return 0;
  const char *command = COMMANDS[data[0] % std::size(COMMANDS)];
  // The page's text ends at its first NUL, as a C string does.
  const std::string request(
      reinterpret_cast<const char *>(data) + 1,
      strnlen(reinterpret_cast<const char *>(data) + 1, size - 1));
  const json in = json::parse(request, nullptr, false);
  const std::string name = command;
  // At most 9 reports or generations (stats counts 1000 unless told, a
  // ledger's rank rolls 2,000 reference hoards): thousands a second.
  if (in.is_object() &&
      ((name == "ledger" && in.contains("rank")) ||
       (name == "stats" && !in.contains(STATS_GENERATIONS.key))))
    return 0;
  for (const char *key : {ROLL_COUNT.key, STATS_GENERATIONS.key})
    if (in.is_object() && in.contains(key)) {
      const std::string n = text_of(in[key]);
      if (std::count_if(n.begin(), n.end(), ::isdigit) > 1) return 0;
    }
  const json a = answer(command, request);
  if (name == "load") load_samples();
  if (a["status"] == 2)
    fuzz::check(!a["message"].get<std::string>().empty(),
                "a bad request says why");
  if (name != "roll" || a["status"] != 0 || !in.contains("json") ||
      in["json"] != true)
    return 0;
  int64_t count = 1;
  if (in.contains(ROLL_COUNT.key) && !text_of(in[ROLL_COUNT.key]).empty())
    number_refusal(text_of(in[ROLL_COUNT.key]), ROLL_COUNT.lo, ROLL_COUNT.hi,
                   count);
  std::istringstream lines(a["json"].get<std::string>());
  int64_t objects = 0;
  for (std::string line; std::getline(lines, line); ++objects)
    fuzz::check(json::accept(line) && line.front() == '{',
                "each report one JSON object");
  fuzz::check(objects == count, "as many reports as the count asks");
  return 0;
}
