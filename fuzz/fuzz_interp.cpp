// Fuzz target: any bytes as the script temp.hxs, interpreted on the in-memory
// screen: one framed report is appended and the run ends at the last prompt.
// The same bytes as an output file: exported in every format, each export
// UTF-8 with one Markdown heading, one JSON document of each Foundry kind
// (which the JSON library reads back) and one macro a report, and a CSV
// record for every result of the roll tables; its reports found the same
// going down and up; its newest report removed exactly or refused.
#include <cstdint>
#include <nlohmann/json.hpp>
#include <vector>

#include "command_core.h"
#include "fuzz_support.h"
#include "utf8.h"

namespace {

const std::string OPENING = std::string(75, '-') + "\n\n",
                  CLOSING = "\n-----\n\n";

// The lines of a text, and the records of a CSV text (line ends inside
// quotes belong to their field).
long count_lines(const std::string &text, bool csv) {
  long n = 0;
  bool quoted = false;
  for (char c : text) {
    if (csv && c == '"') quoted = !quoted;
    n += c == '\n' && !quoted;
  }
  return n;
}

void check_exports(long reports) {
  std::string out[EXPORT_FORMAT_COUNT];
  for (int f = 0; f < EXPORT_FORMAT_COUNT; ++f) {
    const command_result r =
        export_file({"other.hxo", EXPORT_FORMATS[f].format, ""});
    fuzz::check(r.status == command_status::done, "an output file exports");
    fuzz::check(is_utf8(r.text), "an export is UTF-8");
    out[f] = r.text;
  }
  const auto &[markdown, csv, journal, table, macros] = out;
  // Every text in the Markdown is escaped: only headings start with "## ".
  long headings = markdown.rfind("## ", 0) == 0;
  for (std::size_t at = 0; (at = markdown.find("\n## ", at)) != markdown.npos;
       ++at)
    ++headings;
  fuzz::check(headings == reports, "a Markdown heading per report");
  fuzz::check(count_lines(journal, false) == reports &&
                  count_lines(macros, false) == reports,
              "a journal entry and a macro per report");
  long results = 0;
  for (std::size_t at = 0, end; at < table.size(); at = end + 1) {
    end = table.find('\n', at);
    const auto doc =
        nlohmann::json::parse(table.substr(at, end - at), nullptr, false);
    fuzz::check(!doc.is_discarded(), "a roll table is JSON");
    results += static_cast<long>(doc["results"].size());
  }
  for (std::size_t at = 0, end; at < journal.size(); at = end + 1) {
    end = journal.find('\n', at);
    fuzz::check(nlohmann::json::accept(journal.substr(at, end - at)),
                "a journal entry is JSON");
  }
  fuzz::check(count_lines(csv, true) == 1 + results,
              "a CSV record per item after the header");
}

}  // namespace

FUZZ_START(true)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  fuzz::write_file(SCRIPT_PATH, data, size);
  fuzz::write_file("default.hxo", nullptr,
                   0);  // each run starts from no report
  seed_dice(1);

  memory_screen screen;
  set_screen(&screen);
  if (FILE *script = std::fopen(SCRIPT_PATH, "r")) {
    show_generation(game, script);
    std::fclose(script);
  }
  set_screen(nullptr);

  std::string report = fuzz::read_file("default.hxo");
  fuzz::check(report.size() >= OPENING.size() + CLOSING.size() &&
                  report.starts_with(OPENING) && report.ends_with(CLOSING),
              "one report appended, framed by its opening and closing lines");
  fuzz::check(
      screen.line(25).find("Hit any key to continue.") != std::string::npos,
      "the run ends at the last prompt");

  fuzz::write_file("other.hxo", data, size);
  const std::string text(reinterpret_cast<const char *>(data), size);
  removal result = removal::changed;
  long long begin = 0, end = static_cast<long long>(size);
  {
    output_file file("other.hxo");
    check_exports(file.report_count());
    std::vector<long long> down{0}, up;
    for (long long at = 0; (at = file.report_start_after(at)) < end;)
      down.push_back(at);
    for (long long at = end; at > 0;)
      up.insert(up.begin(), at = file.report_start_before(at));
    fuzz::check(size == 0 || (static_cast<long long>(down.size()) ==
                                  file.report_count() &&
                              down == up),
                "the same reports found going down and up");
    begin = size ? down.back() : 0;
    std::string error;
    result = remove_report("other.hxo", file, begin, error);
    fuzz::check(size == 0 || result == (file.whole_report(begin, end)
                                            ? removal::done
                                            : removal::uncertain),
                "a whole report is removed, any other refused");
  }
  fuzz::check(fuzz::read_file("other.hxo") ==
                  (result == removal::done ? text.substr(0, begin) : text),
              "the rest of the file stays byte for byte");
  return 0;
}
