// The hoard in the formats other tools read: Markdown, CSV, a Foundry VTT
// journal entry or roll table, a Roll20 chat macro. Each is made from what
// the engine knows beside a report's text (its header, items, categories,
// values and ledger), collected event by event; only a report read back
// from an output file, which has nothing but its text, is taken line by
// line. Every text is made UTF-8 once, as it is collected.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ledger.h"
#include "model.h"
#include "report_sink.h"

enum class export_format { markdown, csv, foundry, foundry_table, roll20 };

// The formats by the names the command line and the page take.
struct export_format_name {
  const char *name;
  export_format format;
};
constexpr int EXPORT_FORMAT_COUNT = 5;
extern const export_format_name EXPORT_FORMATS[EXPORT_FORMAT_COUNT];
// False for a name of no format.
bool export_format_named(std::string_view name, export_format &out);

// The Foundry VTT version the documents are written for.
inline constexpr char FOUNDRY_CORE_VERSION[] = "13.346";

// One entry of a report: a treasure item, a literal text, or a line of a
// report read from a file.
struct export_item {
  std::string section;   // the section's title; "" before any
  std::string category;  // "" for a literal text or a file's line
  std::string text;      // its last line end taken out
  coin_count coins;      // a coin item's coins
  item_values values;    // the values its text states
};

struct export_report {
  long number = 1;          // in the roll, the script or the file
  bool has_header = false;  // false: a file's report, its lines alone
  std::string real_date, game_date, position, comments, lair, monster;
  // The numbers of the header and of the settings used, by their JSON
  // names; unknown ones left out. answers_known: the answers are known.
  std::vector<std::pair<std::string, int>> settings;
  bool answers_known = false;
  std::vector<std::string> answers;
  std::string seed;  // the digits of the roll's seed; "" unknown
  std::vector<export_item> items;
  hoard_ledger ledger;
};

// Collects a report from the interpreter's events; `used` gives the
// settings of a generation (null for a script: MEL, CEL and the answers
// are unknown). Each header starts a new report.
class export_sink : public report_sink {
 public:
  explicit export_sink(const settings *used) : used_(used) {}
  void header(const report_header &h) override;
  void section(section_kind kind, std::string_view text, int lines) override;
  void literal(std::string_view text, int lines, bool closed) override;
  void item(const report_item &item) override;
  void end(const report_end &) override { report.ledger = ledger_.ledger; }

  export_report report;

 private:
  const settings *used_;
  std::string section_;
  ledger_sink ledger_;
};

// A report read from an output file (`bytes` from its rule to the next):
// every line but the rule and the empty ones an item without a category.
export_report file_report(std::string_view bytes, long number);

// What a format writes once before its first report (CSV: the header row).
std::string export_start(export_format format);
// One report in the format; several reports are written one after the
// other: Markdown blocks, CSV rows, one JSON document or macro a line.
std::string export_text(export_format format, const export_report &r);
