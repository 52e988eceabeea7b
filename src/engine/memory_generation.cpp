// Generation in memory: the script through a memory stream, and the report
// kept as events.
#include "memory_generation.h"

#include <cstdlib>
#include <iterator>

#include "interpreter.h"
#include "keywords.h"

std::string automatic_script_text(const generation_input &in) {
  char *buffer = nullptr;
  std::size_t size = 0;
  FILE *f = open_memstream(&buffer, &size);
  if (!f) return {};
  script_writer w(f);
  write_automatic_script(w, in);
  std::fclose(f);
  std::string text(buffer, size);
  std::free(buffer);
  return text;
}

bool interpret_text(const std::string &script, const info_tables &tables,
                    report_sink &sink) {
  // fmemopen refuses an empty buffer; an empty script is a file that ends at
  // once.
  FILE *f = script.empty() ? std::fopen("/dev/null", "r")
                           : fmemopen(const_cast<char *>(script.data()),
                                      script.size(), "r");
  if (!f) return false;
  dice_record dice{};
  bool complete = interpret_script(f, tables, dice, sink);
  std::fclose(f);
  return complete;
}

const char *category_name(int category) {
  static constexpr const char *names[] = {
      "none",     "other", "coins", "gems and jewelry",
      "military", "magic", "metal", "none"};
  static_assert(std::size(names) == CATEGORY_CODES);
  return names[category & (CATEGORY_CODES - 1)];
}

void report_recorder::clear() {
  head = recorded_header{};
  sections.clear();
  ending = report_end{};
  text.clear();
}

void report_recorder::header(const report_header &h) {
  head.parts = h;
  head.position = h.position;
  head.comment = h.comment;
  head.area_label = h.area_label;
  head.monster_label = h.monster_label;
  // The copies outlive the interpreter's buffers.
  head.parts.position = head.position;
  head.parts.comment = head.comment;
  head.parts.area_label = head.area_label;
  head.parts.monster_label = head.monster_label;
  text.header(h);
}

std::string_view section_title(std::string_view heading) {
  std::string_view name = heading;
  auto framing = [](char c) {
    return c == '\n' || c == '-' || c == ' ' || c == ':';
  };
  while (!name.empty() && framing(name.front())) name.remove_prefix(1);
  while (!name.empty() && framing(name.back())) name.remove_suffix(1);
  return name;
}

void report_recorder::section(section_kind kind, std::string_view heading,
                              int lines) {
  sections.push_back({kind, std::string(section_title(heading)), {}});
  text.section(kind, heading, lines);
}

void report_recorder::literal(std::string_view t, int lines, bool closed) {
  // A text before any section heading still belongs to the report.
  if (sections.empty())
    sections.push_back({section_kind::manual_generation, "", {}});
  sections.back().entries.push_back({false, 0, {}, std::string(t), {}, {}});
  text.literal(t, lines, closed);
}

void report_recorder::item(const report_item &it) {
  if (sections.empty())
    sections.push_back({section_kind::manual_generation, "", {}});
  sections.back().entries.push_back(
      {true, it.category, std::string(it.keywords), std::string(it.text),
       it.coins, it.values});
  text.item(it);
}

void report_recorder::end(const report_end &e) {
  ending = e;
  text.end(e);
}
