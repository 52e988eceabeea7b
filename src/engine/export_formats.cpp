// The export formats, each written from an export_report.
#include "export_formats.h"

#include <nlohmann/json.hpp>

#include "memory_generation.h"
#include "output_file.h"
#include "report_json.h"
#include "utf8.h"

const export_format_name EXPORT_FORMATS[EXPORT_FORMAT_COUNT] = {
    {"markdown", export_format::markdown},
    {"csv", export_format::csv},
    {"foundry", export_format::foundry},
    {"foundry-table", export_format::foundry_table},
    {"roll20", export_format::roll20}};

bool export_format_named(std::string_view name, export_format &out) {
  for (const export_format_name &f : EXPORT_FORMATS)
    if (name == f.name) {
      out = f.format;
      return true;
    }
  return false;
}

namespace {

using json = nlohmann::ordered_json;

std::string date_text(const int *date) {
  return std::to_string(date[0]) + "/" + std::to_string(date[1]) + "/" +
         std::to_string(date[2]);
}

// A header text without the blank that follows each of its words.
std::string words(std::string_view text) {
  return utf8_replaced(text.empty() ? text : text.substr(0, text.size() - 1));
}

std::string without_last_line_end(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
    text.remove_suffix(1);
  return utf8_replaced(text);
}

// Each of `from` in `text` replaced by `to`.
std::string replaced(std::string text, std::string_view from,
                     std::string_view to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos;
       at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

// A line end of any kind ("\r\n", "\n", "\r") as `to`.
std::string line_ends_as(const std::string &text, std::string_view to) {
  return replaced(replaced(replaced(text, "\r\n", "\n"), "\r", "\n"), "\n", to);
}

// An item's values as cells: amount, unit, kind; a coin item's coins first.
struct value_cell {
  std::string amount, unit, kind;
};

std::vector<value_cell> value_cells(const export_item &it) {
  std::vector<value_cell> cells;
  if (it.coins.kind != coin_kind::none)
    cells.push_back({std::to_string(it.coins.count),
                     coin_unit_text(it.coins.kind), "coins"});
  for (const item_value &v : it.values)
    cells.push_back({tenths_text(v.tenths), coin_unit_text(v.unit),
                     v.kind == value_kind::worth  ? "worth"
                     : v.kind == value_kind::base ? "base"
                                                  : "promised"});
  return cells;
}

// The values in words: "28 CC", "6 SC; 500 GC promised".
std::string values_text(const export_item &it) {
  std::string out;
  for (const value_cell &c : value_cells(it)) {
    if (!out.empty()) out += "; ";
    out += c.amount + " " + c.unit;
    if (c.kind == "base" || c.kind == "promised") out += " " + c.kind;
  }
  return out;
}

std::string title_of(const export_report &r) {
  if (!r.has_header) return "Report " + std::to_string(r.number);
  return "Hoard of " + r.monster + " in " + r.lair + ", game date " +
         r.game_date;
}

// The header fields as (name, text) pairs, in the report's order.
std::vector<std::pair<std::string, std::string>> fields_of(
    const export_report &r) {
  std::vector<std::pair<std::string, std::string>> f;
  if (!r.has_header) return f;
  f = {{"Date", r.real_date},    {"Game date", r.game_date},
       {"Position", r.position}, {"Lair", r.lair},
       {"Monster", r.monster},   {"Comments", r.comments}};
  std::string numbers;
  for (const auto &[name, value] : r.settings)
    numbers +=
        (numbers.empty() ? "" : ", ") + name + " " + std::to_string(value);
  if (r.answers_known) {
    std::string yes;
    for (const std::string &a : r.answers) yes += (yes.empty() ? "" : ",") + a;
    numbers += ", answers " + (yes.empty() ? std::string("none") : yes);
  }
  f.push_back({"Settings", numbers});
  if (!r.seed.empty()) f.push_back({"Seed", r.seed});
  return f;
}

// The ledger's totals by unit: coins, stated worth, both.
struct total_row {
  const char *unit;
  long long coins, worth, total;
};

std::vector<total_row> total_rows(const hoard_ledger &l) {
  std::vector<total_row> rows;
  const unit_tenths total = l.total();
  for (coin_kind u : UNITS)
    if (total[u] != 0 || l.coins[u] != 0 || l.worth[u] != 0)
      rows.push_back({coin_unit_text(u), l.coins[u], l.worth[u], total[u]});
  return rows;
}

// The items grouped by section, in order: [first, last) of each section.
template <typename F>
void each_section(const export_report &r, F f) {
  std::size_t from = 0;
  while (from < r.items.size()) {
    std::size_t to = from + 1;
    while (to < r.items.size() && r.items[to].section == r.items[from].section)
      ++to;
    f(r.items[from].section, from, to);
    from = to;
  }
}

// Markdown: every character that could start markup escaped (a backslash
// makes any ASCII punctuation literal), a line end a <br>.
std::string md(const std::string &text) {
  std::string out;
  for (char c : text) {
    if (std::string_view("\\`*_[]<>|&~#!").find(c) != std::string_view::npos)
      out += '\\';
    out += c;
  }
  return line_ends_as(out, "<br>");
}

std::string markdown(const export_report &r) {
  std::string out = "## " + md(title_of(r)) + "\n\n";
  for (const auto &[name, text] : fields_of(r))
    out += "- " + name + ": " + md(text) + "\n";
  if (r.has_header) out += "\n";
  each_section(
      r, [&](const std::string &section, std::size_t from, std::size_t to) {
        if (!section.empty()) out += "### " + md(section) + "\n\n";
        out += "| Item | Category | Value |\n| --- | --- | --- |\n";
        for (std::size_t i = from; i < to; ++i)
          out += "| " + md(r.items[i].text) + " | " + md(r.items[i].category) +
                 " | " + md(values_text(r.items[i])) + " |\n";
        out += "\n";
      });
  if (r.has_header) {
    out += "### Ledger\n\n";
    const std::vector<total_row> rows = total_rows(r.ledger);
    if (rows.empty()) out += "No coins and no stated worth.\n\n";
    if (!rows.empty())
      out +=
          "| Unit | Coins | Stated worth | Total |\n| --- | ---: | ---: | "
          "---: |\n";
    for (const total_row &t : rows)
      out += std::string("| ") + t.unit + " | " + tenths_text(t.coins) + " | " +
             tenths_text(t.worth) + " | " + tenths_text(t.total) + " |\n";
    if (!rows.empty()) out += "\n";
  }
  return out;
}

// CSV: a field holding a comma, a quote or a line end quoted, its quotes
// doubled; rows end in CRLF.
std::string csv(const std::string &field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  return "\"" + replaced(field, "\"", "\"\"") + "\"";
}

std::string csv_rows(const export_report &r) {
  std::string out;
  for (const export_item &it : r.items) {
    // An item stating several values has them in order, "; " apart.
    std::string amount, unit, kind;
    for (const value_cell &c : value_cells(it)) {
      const char *sep = amount.empty() ? "" : "; ";
      amount += sep + c.amount, unit += sep + c.unit, kind += sep + c.kind;
    }
    out += std::to_string(r.number) + "," + csv(it.section) + "," +
           csv(it.category) + "," + csv(it.text) + "," + csv(amount) + "," +
           csv(unit) + "," + csv(kind) + "\r\n";
  }
  return out;
}

// HTML: the four characters that could end a text or start markup as
// entities, a line end a <br>.
std::string html(const std::string &text) {
  std::string out;
  for (char c : text)
    out += c == '&'   ? "&amp;"
           : c == '<' ? "&lt;"
           : c == '>' ? "&gt;"
           : c == '"' ? "&quot;"
                      : std::string(1, c);
  return line_ends_as(out, "<br>");
}

std::string row_html(std::initializer_list<std::string> cells,
                     const char *tag) {
  std::string out = "<tr>";
  for (const std::string &c : cells)
    out += std::string("<") + tag + ">" + html(c) + "</" + tag + ">";
  return out + "</tr>";
}

std::string journal_html(const export_report &r) {
  std::string out = "<h2>" + html(title_of(r)) + "</h2>";
  const auto fields = fields_of(r);
  if (!fields.empty()) {
    out += "<ul>";
    for (const auto &[name, text] : fields)
      out += "<li><strong>" + html(name) + "</strong>: " + html(text) + "</li>";
    out += "</ul>";
  }
  each_section(r, [&](const std::string &section, std::size_t from,
                      std::size_t to) {
    if (!section.empty()) out += "<h3>" + html(section) + "</h3>";
    out += "<table><thead>" + row_html({"Item", "Category", "Value"}, "th") +
           "</thead><tbody>";
    for (std::size_t i = from; i < to; ++i)
      out += row_html(
          {r.items[i].text, r.items[i].category, values_text(r.items[i])},
          "td");
    out += "</tbody></table>";
  });
  if (r.has_header) {
    out += "<h3>Ledger</h3><table><thead>" +
           row_html({"Unit", "Coins", "Stated worth", "Total"}, "th") +
           "</thead><tbody>";
    for (const total_row &t : total_rows(r.ledger))
      out += row_html({t.unit, tenths_text(t.coins), tenths_text(t.worth),
                       tenths_text(t.total)},
                      "td");
    out += "</tbody></table>";
  }
  return out;
}

std::string document_name(const export_report &r) {
  return r.has_header ? "Hoard: " + r.monster + ", " + r.lair
                      : "Hoard: report " + std::to_string(r.number);
}

// What every Foundry document carries: the seed and settings that rebuild
// the hoard, and the version of the data.
void foundry_common(json &doc, const export_report &r) {
  json settings = nullptr;
  if (r.has_header) {
    settings = json::object();
    for (const auto &[name, value] : r.settings) settings[name] = value;
    settings["answers"] = r.answers_known ? json(r.answers) : json();
  }
  doc["flags"] = {
      {"hoardex",
       {{"seed", r.seed.empty() ? json() : json(std::stoull(r.seed))},
        {"report", r.number},
        {"settings", settings}}}};
  doc["_stats"] = {{"coreVersion", FOUNDRY_CORE_VERSION}};
}

std::string dump(const json &doc) { return json_text(doc) + "\n"; }

std::string foundry_journal(const export_report &r) {
  json doc = {{"name", document_name(r)},
              {"pages",
               {{{"name", "Treasure"},
                 {"type", "text"},
                 {"text", {{"content", journal_html(r)}, {"format", 1}}},
                 {"title", {{"show", true}, {"level", 1}}}}}}};
  foundry_common(doc, r);
  return dump(doc);
}

std::string foundry_table(const export_report &r) {
  json results = json::array();
  int at = 0;
  for (const export_item &it : r.items) {
    ++at;
    results.push_back({{"type", "text"},
                       {"name", line_ends_as(it.text, " ")},
                       {"description", ""},
                       {"range", {at, at}},
                       {"weight", 1},
                       {"drawn", false}});
  }
  // A table without results still has a formula Foundry can roll.
  json doc = {{"name", document_name(r)},
              {"formula", "1d" + std::to_string(std::max(at, 1))},
              {"replacement", true},
              {"displayRoll", true},
              {"description", ""},
              {"results", results}};
  foundry_common(doc, r);
  return dump(doc);
}

// A value of the chat macro on one line, with nothing that would end its
// field ("}}"), start another ("{{") or roll dice inline ("[[").
std::string macro_value(const std::string &text) {
  std::string out = line_ends_as(text, " ");
  for (std::string_view pair : {"}}", "{{", "[[", "]]"})
    out = replaced(out, pair, std::string(1, pair[0]) + " " + pair[1]);
  if (!out.empty() && out.back() == '}') out += ' ';
  return out;
}

std::string roll20(const export_report &r) {
  std::string out =
      "&{template:default} {{name=" + macro_value(document_name(r)) + "}}";
  each_section(
      r, [&](const std::string &section, std::size_t from, std::size_t to) {
        std::string items;
        for (std::size_t i = from; i < to; ++i)
          items += (items.empty() ? "" : "; ") + r.items[i].text;
        out += " {{" + macro_value(section.empty() ? "Items" : section) + "=" +
               macro_value(items) + "}}";
      });
  if (r.has_header) out += " {{Total=" + units_text(r.ledger.total()) + "}}";
  return out + "\n";
}

}  // namespace

void export_sink::header(const report_header &h) {
  ledger_.header(h);
  report = {};
  section_.clear();
  report.has_header = true;
  const bool whole = h.read == header_part::complete;
  if (h.read >= header_part::real_date)
    report.real_date = date_text(h.real_date);
  if (h.read >= header_part::game_date)
    report.game_date = date_text(h.game_date);
  report.position = words(h.position);
  report.comments = words(h.comment);
  if (whole) {
    report.lair = utf8_replaced(h.area_label);
    report.monster = utf8_replaced(h.monster_label);
    report.settings = {{"cdf", h.cdf},
                       {"group_cdf", h.group_cdf},
                       {"jeweler_el", h.jeweler_el}};
  }
  const int station = used_ ? used_->station : whole ? h.station : -1;
  if (station >= 0) report.settings.push_back({"station", station});
  if (!used_) return;
  report.settings.push_back({"mel", used_->mel});
  report.settings.push_back({"cel", used_->cel});
  report.answers_known = true;
  for (const special_flag &f : special_flag_rows)
    if (f.use == flag_use::answer && (used_->answers & f.bit))
      report.answers.push_back(f.name);
}

void export_sink::section(section_kind, std::string_view text, int) {
  section_ = utf8_replaced(section_title(text));
}

void export_sink::literal(std::string_view text, int, bool) {
  report.items.push_back({section_, "", without_last_line_end(text), {}, {}});
}

void export_sink::item(const report_item &it) {
  ledger_.item(it);
  report.items.push_back({section_, category_name(it.category),
                          without_last_line_end(it.text), it.coins, it.values});
}

export_report file_report(std::string_view bytes, long number) {
  export_report r;
  r.number = number;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const bool rule = start == 0 && line == std::string(REPORT_RULE_WIDTH, '-');
    if (!rule && line.find_first_not_of(' ') != std::string_view::npos)
      r.items.push_back({"", "", utf8_replaced(line), {}, {}});
    start = end + 1;
  }
  return r;
}

std::string export_start(export_format format) {
  return format == export_format::csv
             ? "report,section,category,text,amount,unit,value_kind\r\n"
             : "";
}

std::string export_text(export_format format, const export_report &r) {
  switch (format) {
    case export_format::markdown:
      return markdown(r);
    case export_format::csv:
      return csv_rows(r);
    case export_format::foundry:
      return foundry_journal(r);
    case export_format::foundry_table:
      return foundry_table(r);
    case export_format::roll20:
      return roll20(r);
  }
  return "";
}
