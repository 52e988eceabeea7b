// A report as one JSON object, written piece by piece as the interpreter
// reads the script: the header's fields first, then each entry of each
// section, then whether the script was complete.
#include <nlohmann/json.hpp>

#include "commands.h"

namespace {

using json = nlohmann::ordered_json;

// Text from the files may hold any bytes; what is not UTF-8 becomes U+FFFD
// rather than stopping the program.
std::string dump(const json &value) {
  return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string date_text(const int *date) {
  return std::to_string(date[0]) + "/" + std::to_string(date[1]) + "/" +
         std::to_string(date[2]);
}

// The words of a header text, which each carry one blank after them.
std::string words(std::string_view text) {
  return std::string(text.empty() ? text : text.substr(0, text.size() - 1));
}

std::vector<std::string> split(std::string_view text, char by) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(by, start);
    if (end == std::string::npos) end = text.size();
    if (end > start) parts.emplace_back(text.substr(start, end - start));
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

void json_report_writer::header(const report_header &p) {
  json head;
  head["real_date"] =
      p.read >= header_part::real_date ? json(date_text(p.real_date)) : json();
  head["game_date"] =
      p.read >= header_part::game_date ? json(date_text(p.game_date)) : json();
  head["position"] = words(p.position);
  head["comments"] = words(p.comment);
  bool whole = p.read == header_part::complete;
  head["lair"] = whole ? json(std::string(p.area_label)) : json();
  head["monster"] = whole ? json(std::string(p.monster_label)) : json();
  json set;
  set["cdf"] = whole ? json(p.cdf) : json();
  set["group_cdf"] = whole ? json(p.group_cdf) : json();
  set["jeweler_el"] = whole ? json(p.jeweler_el) : json();
  set["station"] = used_                     ? json(used_->station)
                   : whole && p.station >= 0 ? json(p.station)
                                             : json();
  set["mel"] = used_ ? json(used_->mel) : json();
  set["cel"] = used_ ? json(used_->cel) : json();
  set["answers"] = used_ ? answers_of(used_->answers) : json();
  head["settings"] = set;
  std::string text = dump(head);
  text.pop_back();  // the object goes on with the sections
  out += text + ",\"sections\":[";
  in_section_ = false;
  first_section_ = first_entry_ = true;
}

void json_report_writer::open_section(std::string_view name) {
  if (in_section_) out += "]}";
  if (!first_section_) out += ',';
  out += "{\"name\":" + dump(json(std::string(name))) + ",\"entries\":[";
  in_section_ = true;
  first_section_ = false;
  first_entry_ = true;
}

void json_report_writer::entry(const std::string &json_text) {
  // A text before any section heading still belongs to the report.
  if (!in_section_) open_section("");
  if (!first_entry_) out += ',';
  out += json_text;
  first_entry_ = false;
}

void json_report_writer::section(section_kind, std::string_view text, int) {
  open_section(section_title(text));
}

void json_report_writer::literal(std::string_view text, int, bool) {
  entry(dump({{"kind", "text"}, {"text", std::string(text)}}));
}

void json_report_writer::item(const report_item &it) {
  json e = {{"kind", "item"},
            {"category", category_name(it.category)},
            {"keywords", split(it.keywords, ' ')},
            {"lines", split(it.text, '\n')}};
  // A coin item's coins as its category routine counted them.
  if (it.coins.kind != coin_kind::none) {
    const char *kind = coin_kind_name(it.coins.kind);
    e["coins"] = {{"kind", kind}, {"count", it.coins.count}};
    coins_[kind] += it.coins.count;
  }
  entry(dump(e));
}

void json_report_writer::end(const report_end &e) {
  if (in_section_) out += "]}";
  in_section_ = false;
  json coins = json::object();
  for (const auto &[kind, count] : coins_) coins[kind] = count;
  coins_.clear();
  out += "],\"coins\":" + dump(coins) +
         ",\"complete\":" + (e.complete ? "true" : "false") + "}\n";
}
