// A report as one JSON object.
#include <nlohmann/json.hpp>

#include "commands.h"

namespace {

using json = nlohmann::ordered_json;

std::string date_text(const int *date) {
  return std::to_string(date[0]) + "/" + std::to_string(date[1]) + "/" +
         std::to_string(date[2]);
}

// The words of a header text, which each carry one blank after them.
std::string words(const std::string &text) {
  return text.empty() ? text : text.substr(0, text.size() - 1);
}

std::vector<std::string> split(const std::string &text, char by) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(by, start);
    if (end == std::string::npos) end = text.size();
    if (end > start) parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

json answers_of(uint32_t answers) {
  json names = json::array();
  for (const special_flag &f : special_flag_rows)
    if (f.use == flag_use::answer && (answers & f.bit)) names.push_back(f.name);
  return names;
}

}  // namespace

std::string report_json(const report_recorder &report, const settings *used) {
  const recorded_header &h = report.head;
  const report_header &p = h.parts;
  json out;
  out["real_date"] =
      p.read >= header_part::real_date ? json(date_text(p.real_date)) : json();
  out["game_date"] =
      p.read >= header_part::game_date ? json(date_text(p.game_date)) : json();
  out["position"] = words(h.position);
  out["comments"] = words(h.comment);
  bool whole = p.read == header_part::complete;
  out["lair"] = whole ? json(h.area_label) : json();
  out["monster"] = whole ? json(h.monster_label) : json();
  json set;
  set["cdf"] = whole ? json(p.cdf) : json();
  set["group_cdf"] = whole ? json(p.group_cdf) : json();
  set["jeweler_el"] = whole ? json(p.jeweler_el) : json();
  set["station"] = used                      ? json(used->station)
                   : whole && p.station >= 0 ? json(p.station)
                                             : json();
  set["mel"] = used ? json(used->mel) : json();
  set["cel"] = used ? json(used->cel) : json();
  set["answers"] = used ? answers_of(used->answers) : json();
  out["settings"] = set;
  json sections = json::array();
  for (const recorded_section &s : report.sections) {
    json entries = json::array();
    for (const recorded_entry &e : s.entries) {
      if (e.is_item)
        entries.push_back({{"kind", "item"},
                           {"category", category_name(e.category)},
                           {"keywords", split(e.keywords, ' ')},
                           {"lines", split(e.text, '\n')}});
      else
        entries.push_back({{"kind", "text"}, {"text", e.text}});
    }
    sections.push_back({{"name", s.name}, {"entries", entries}});
  }
  out["sections"] = sections;
  out["complete"] = report.ending.complete;
  return out.dump();
}
