// The report's text, as the output file receives it.
#include "report_sink.h"

#include <cstdio>

#include "output_file.h"

namespace {

void append_date(std::string &to, const char *label, const int *date) {
  char line[64];
  int n = std::snprintf(line, sizeof line, "%s%d/%d/%d\n", label, date[0],
                        date[1], date[2]);
  to.append(line, static_cast<std::size_t>(n));
}

}  // namespace

void text_report::header(const report_header &h) {
  text_ += report_rule();
  if (h.read >= header_part::real_date)
    append_date(text_, "Date       : ", h.real_date);
  if (h.read >= header_part::game_date)
    append_date(text_, "Game date  : ", h.game_date);
  if (h.read >= header_part::position) {
    text_ += "Position   : ";
    text_ += h.position;
  }
  if (h.read < header_part::complete) return;
  text_ += "\nArea       : ";
  text_ += h.area_label;
  text_ += "\nMonster    : ";
  text_ += h.monster_label;
  text_ += "\n\nComments   : ";
  text_ += h.comment;
  text_ += "\n\n-----\n\n";
}

void text_report::section(section_kind, std::string_view text, int) {
  text_ += text;
}

void text_report::literal(std::string_view text, int, bool) { text_ += text; }

void text_report::item(const report_item &item) { text_ += item.text; }

void text_report::end(const report_end &) { text_ += "\n-----\n\n"; }
