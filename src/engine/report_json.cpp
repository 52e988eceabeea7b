// The JSON of a report, written compactly with keys in a fixed order.
#include "report_json.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "ledger.h"
#include "memory_generation.h"
#include "utf8.h"

namespace {

constexpr char JSON_NULL[] = "null";

std::string date_json(const int *date) {
  return json_string(std::to_string(date[0]) + "/" + std::to_string(date[1]) +
                     "/" + std::to_string(date[2]));
}

// The words of a header text, which each carry one blank after them.
std::string_view header_words(std::string_view text) {
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

std::string json_string(std::string_view text) {
  return nlohmann::json(utf8_replaced(text)).dump();
}

std::string json_text(const nlohmann::ordered_json &value) {
  return value.dump(-1, ' ', false,
                    nlohmann::ordered_json::error_handler_t::replace);
}

void json_report_writer::header(const report_header &p) {
  ledger_.header(p);
  const bool whole = p.read == header_part::complete;
  std::string head = "{";
  member(head, "real_date",
         p.read >= header_part::real_date ? date_json(p.real_date) : JSON_NULL);
  member(head, "game_date",
         p.read >= header_part::game_date ? date_json(p.game_date) : JSON_NULL);
  member(head, "position", json_string(header_words(p.position)));
  member(head, "comments", json_string(header_words(p.comment)));
  member(head, "lair", whole ? json_string(p.area_label) : JSON_NULL);
  member(head, "monster", whole ? json_string(p.monster_label) : JSON_NULL);
  std::string set = "{";
  member(set, "cdf", number_or_null(whole, p.cdf));
  member(set, "group_cdf", number_or_null(whole, p.group_cdf));
  member(set, "jeweler_el", number_or_null(whole, p.jeweler_el));
  member(set, "station",
         used_ ? std::to_string(used_->station)
               : number_or_null(whole && p.station >= 0, p.station));
  member(set, "mel", number_or_null(used_, used_ ? used_->mel : 0));
  member(set, "cel", number_or_null(used_, used_ ? used_->cel : 0));
  member(set, "answers", used_ ? answers_json(used_->answers) : JSON_NULL);
  member(head, "settings", set + "}");
  // The object goes on with the sections.
  out += head + ",\"sections\":[";
  in_section_ = false;
  first_section_ = first_entry_ = true;
}

void json_report_writer::open_section(std::string_view name) {
  if (in_section_) out += "]}";
  if (!first_section_) out += ',';
  out += "{\"name\":" + json_string(name) + ",\"entries\":[";
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
  if (!text_open_) {
    entry("{\"kind\":\"text\",\"text\":" + json_string(text) + "}");
    return;
  }
  text_part(text, true);
  out += "\"}";
  text_open_ = false;
}

void json_report_writer::literal_piece(std::string_view piece) {
  if (!text_open_) entry("{\"kind\":\"text\",\"text\":\"");
  text_open_ = true;
  text_part(piece, false);
}

// Writes a piece of a text into the open JSON string. A UTF-8 character the
// piece's end cuts waits for the next piece (unless this is the last), so
// the bytes are replaced exactly as in the text read whole.
void json_report_writer::text_part(std::string_view piece, bool last) {
  cut_ += piece;
  std::size_t whole = cut_.size();
  for (std::size_t at = 0; !last && at < cut_.size();) {
    const utf8_char c = utf8_at(cut_, at);
    const unsigned char lead = static_cast<unsigned char>(cut_[at]);
    if (c.length == 0 && at + c.bad == cut_.size() && lead >= 0xC2 &&
        lead <= 0xF4) {
      whole = at;
      break;
    }
    at += c.length > 0 ? c.length : c.bad;
  }
  const std::string quoted =
      json_string(std::string_view(cut_).substr(0, whole));
  out.append(quoted, 1, quoted.size() - 2);
  cut_.erase(0, whole);
}

// A coin item's coins as its category routine counted them, counted into
// the report's coins too; "" for another item.
std::string json_report_writer::coins_json(const coin_count &coins) {
  if (coins.kind == coin_kind::none) return "";
  const char *kind = coin_kind_name(coins.kind);
  coins_[kind] += coins.count;
  return ",\"coins\":{\"kind\":" + json_string(kind) +
         ",\"count\":" + std::to_string(coins.count) + "}";
}

void json_report_writer::item(const report_item &it) {
  ledger_.item(it);
  entry("{\"kind\":\"item\",\"category\":" +
        json_string(category_name(it.category)) +
        ",\"keywords\":" + split_json(it.keywords, ' ') +
        ",\"lines\":" + split_json(it.text, '\n') + coins_json(it.coins) +
        item_values_json(it.values) + "}");
}

void json_report_writer::end(const report_end &e) {
  if (in_section_) out += "]}";
  in_section_ = false;
  // The report's coins by kind, in the order of their names.
  std::string coins = "{";
  for (const auto &[kind, count] : coins_)
    member(coins, kind.c_str(), std::to_string(count));
  coins_.clear();
  ledger_rank rank;
  if (reference)
    rank = rank_ledger(ledger_.ledger, *reference, ledger_asked.rates);
  out +=
      "],\"coins\":" + coins +
      "},\"complete\":" + (e.complete ? "true" : "false") +
      (seed.empty() ? "" : ",\"seed\":" + seed) + ",\"ledger\":" +
      ledger_json(ledger_.ledger, ledger_asked, reference ? &rank : nullptr) +
      "}\n";
}
