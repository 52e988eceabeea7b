// Generation without the screen and without touching the folder: the
// automatic script written to memory, a script interpreted from memory, and
// a report sink that keeps the report's structure as well as its text.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "generation.h"
#include "report_sink.h"

// The automatic script for the input (the dice drawn in the same order as
// write_automatic_script_file), as text.
std::string automatic_script_text(const generation_input &in);

// Interprets a script held in memory; as interpret_script.
bool interpret_text(const std::string &script, const info_tables &tables,
                    report_sink &sink);

// The name of a category code of the treasure script (taken modulo 8):
// "other", "coins", "gems and jewelry", "military", "magic", "metal", or
// "none" for a code without a category.
const char *category_name(int category);

// A section's heading without its rules and colon: "Treasure in lair".
std::string_view section_title(std::string_view heading);

// One entry of a section: a literal text or a treasure item.
struct recorded_entry {
  bool is_item;
  int category;          // items only
  std::string keywords;  // items only, blank-separated
  std::string text;
  coin_count coins;    // items only: a coin item's coins, kind none otherwise
  item_values values;  // items only: the values its text states
};

struct recorded_section {
  section_kind kind;
  std::string name;  // the heading without its rules and colon
  std::vector<recorded_entry> entries;
};

// The parsed header with its texts copied.
struct recorded_header {
  report_header parts;
  std::string position;
  std::string comment;
  std::string area_label;
  std::string monster_label;
};

// Keeps every event of one report, and its text through a text_report.
class report_recorder : public report_sink {
 public:
  void header(const report_header &h) override;
  void section(section_kind kind, std::string_view text, int lines) override;
  void literal(std::string_view text, int lines, bool closed) override;
  void item(const report_item &item) override;
  void end(const report_end &e) override;

  // Forgets the last report, keeping the storage.
  void clear();

  recorded_header head{};
  std::vector<recorded_section> sections;
  report_end ending{};
  text_report text;
};
