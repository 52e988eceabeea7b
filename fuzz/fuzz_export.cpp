// Fuzz target: any bytes as an output file, exported in every format. Each
// output is UTF-8; each report gives one Markdown heading, one JSON document
// of each Foundry kind (which the JSON library reads back) and one macro;
// the CSV holds a record for every result of the roll tables.
#include <cstdint>
#include <nlohmann/json.hpp>

#include "command_core.h"
#include "fuzz_support.h"
#include "output_file.h"
#include "utf8.h"

namespace {

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

}  // namespace

FUZZ_START(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  fuzz::write_file("in.hxo", data, size);
  const long reports = output_file("in.hxo").report_count();
  std::string out[EXPORT_FORMAT_COUNT];
  for (int f = 0; f < EXPORT_FORMAT_COUNT; ++f) {
    const command_result r =
        export_file({"in.hxo", EXPORT_FORMATS[f].format, ""});
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
  return 0;
}
