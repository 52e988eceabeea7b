// The JSON of a report, written compactly with keys in a fixed order.
#include "report_json.h"

#include <cstdio>
#include <vector>

std::string json_string(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char code[8];
          std::snprintf(code, sizeof code, "\\u%04x",
                        static_cast<unsigned char>(c));
          out += code;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

namespace {

constexpr char JSON_NULL[] = "null";

std::string date_json(const int *date) {
  return json_string(std::to_string(date[0]) + "/" + std::to_string(date[1]) +
                     "/" + std::to_string(date[2]));
}

// The words of a header text, which each carry one blank after them.
std::string words(const std::string &text) {
  return text.empty() ? text : text.substr(0, text.size() - 1);
}

// The non-empty parts of a text split at `by`, as a JSON array of strings.
std::string split_json(std::string_view text, char by) {
  std::string out = "[";
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(by, start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) {
      if (out.size() > 1) out += ',';
      out += json_string(text.substr(start, end - start));
    }
    start = end + 1;
  }
  return out + "]";
}

std::string answers_json(uint32_t answers) {
  std::string out = "[";
  for (const special_flag &f : special_flag_rows)
    if (f.use == flag_use::answer && (answers & f.bit)) {
      if (out.size() > 1) out += ',';
      out += json_string(f.name);
    }
  return out + "]";
}

// Appends "key":value, with the comma before every member but the first.
void member(std::string &out, const char *key, const std::string &value) {
  if (out.back() != '{') out += ',';
  out += json_string(key) + ":" + value;
}

std::string number_or_null(bool known, int value) {
  return known ? std::to_string(value) : JSON_NULL;
}

}  // namespace

std::string report_json(const report_recorder &report, const settings *used) {
  const recorded_header &h = report.head;
  const report_header &p = h.parts;
  const bool whole = p.read == header_part::complete;
  std::string out = "{";
  member(out, "real_date",
         p.read >= header_part::real_date ? date_json(p.real_date) : JSON_NULL);
  member(out, "game_date",
         p.read >= header_part::game_date ? date_json(p.game_date) : JSON_NULL);
  member(out, "position", json_string(words(h.position)));
  member(out, "comments", json_string(words(h.comment)));
  member(out, "lair", whole ? json_string(h.area_label) : JSON_NULL);
  member(out, "monster", whole ? json_string(h.monster_label) : JSON_NULL);
  std::string set = "{";
  member(set, "cdf", number_or_null(whole, p.cdf));
  member(set, "group_cdf", number_or_null(whole, p.group_cdf));
  member(set, "jeweler_el", number_or_null(whole, p.jeweler_el));
  member(set, "station",
         used ? std::to_string(used->station)
              : number_or_null(whole && p.station >= 0, p.station));
  member(set, "mel", number_or_null(used, used ? used->mel : 0));
  member(set, "cel", number_or_null(used, used ? used->cel : 0));
  member(set, "answers", used ? answers_json(used->answers) : JSON_NULL);
  member(out, "settings", set + "}");
  std::string sections = "[";
  for (const recorded_section &s : report.sections) {
    std::string entries = "[";
    for (const recorded_entry &e : s.entries) {
      std::string entry = "{";
      if (e.is_item) {
        member(entry, "kind", json_string("item"));
        member(entry, "category", json_string(category_name(e.category)));
        member(entry, "keywords", split_json(e.keywords, ' '));
        member(entry, "lines", split_json(e.text, '\n'));
      } else {
        member(entry, "kind", json_string("text"));
        member(entry, "text", json_string(e.text));
      }
      entries += (entries.size() > 1 ? "," : "") + entry + "}";
    }
    std::string section = "{";
    member(section, "name", json_string(s.name));
    member(section, "entries", entries + "]");
    sections += (sections.size() > 1 ? "," : "") + section + "}";
  }
  member(out, "sections", sections + "]");
  member(out, "complete", report.ending.complete ? "true" : "false");
  return out + "}";
}
