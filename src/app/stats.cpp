// hoardex stats: what a monster in a lair tends to hold. N generations run
// in memory (no file is written); for the portable and the lair section it
// counts the items, the share of each category, the coins of each kind and
// the hoards with a magic item.
#include "stats.h"

#include <algorithm>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "dice.h"
#include "progress.h"

const char *const SECTION_NAMES[2] = {"portable", "lair"};

namespace {

constexpr int HISTOGRAM_WIDTH = 50;  // longest bar, in characters
constexpr int HISTOGRAM_ROWS = 12;   // most rows of a histogram

using json = nlohmann::ordered_json;

}  // namespace

void tally_sink::header(const report_header &) {
  current_ = -1;
  items_[0] = items_[1] = 0;
  magic_[0] = magic_[1] = false;
}

void tally_sink::section(section_kind kind, std::string_view, int) {
  current_ = kind == section_kind::lair_treasure ? 1 : 0;
}

void tally_sink::item(const report_item &it) {
  if (current_ < 0) return;
  section_tally &t = sections[current_];
  ++items_[current_];
  const int category = it.category & (CATEGORY_CODES - 1);
  ++t.category_items[category];
  if (category == CATEGORY_MAGIC) magic_[current_] = true;
  if (it.coins.kind != coin_kind::none)
    t.coins[coin_kind_name(it.coins.kind)] +=
        static_cast<double>(it.coins.count);
}

void tally_sink::end(const report_end &) {
  for (int k = 0; k < 2; ++k) {
    std::vector<long> &h = sections[k].histogram;
    if (h.size() <= static_cast<std::size_t>(items_[k]))
      h.resize(items_[k] + 1);
    ++h[items_[k]];
    if (magic_[k]) ++sections[k].with_magic;
  }
  current_ = -1;
}

section_summary summarize(const section_tally &t) {
  section_summary s;
  const std::vector<long> &h = t.histogram;
  for (std::size_t k = 0; k < h.size(); ++k) {
    s.hoards += h[k];
    s.items += h[k] * static_cast<long>(k);
  }
  if (s.hoards == 0) return s;
  // The count at a rank of the hoards in order, read off the histogram.
  auto at_rank = [&h](long rank) {
    long below = 0;
    for (std::size_t k = 0;; ++k)
      if ((below += h[k]) > rank) return static_cast<int>(k);
  };
  auto percentile = [&](double q) {
    return at_rank(static_cast<long>(q * (s.hoards - 1) + 0.5));
  };
  s.mean = static_cast<double>(s.items) / s.hoards;
  s.least = at_rank(0);
  s.p10 = percentile(0.1);
  s.p50 = percentile(0.5);
  s.p90 = percentile(0.9);
  s.max = at_rank(s.hoards - 1);
  long categorized = 0;
  for (long c : t.category_items) categorized += c;
  for (int c = 0; c < CATEGORY_CODES; ++c)
    if (t.category_items[c])
      s.category_share.emplace_back(
          category_name(c),
          static_cast<double>(t.category_items[c]) / categorized);
  for (const auto &[kind, coins] : t.coins)
    s.coins_per_hoard.emplace_back(kind, coins / s.hoards);
  s.magic_share = static_cast<double>(t.with_magic) / s.hoards;
  return s;
}

void print_stats_text(FILE *to, const section_tally *sections) {
  for (int k = 0; k < 2; ++k) {
    const section_tally &t = sections[k];
    const section_summary s = summarize(t);
    std::fprintf(to, "%s%s treasure, %ld generations\n", k ? "\n" : "",
                 k ? "Lair" : "Portable", s.hoards);
    std::fprintf(to, "  items: mean %.2f, 10%% %d, 50%% %d, 90%% %d, max %d\n",
                 s.mean, s.p10, s.p50, s.p90, s.max);
    // Rows of `width` item counts each from the least count, at most
    // HISTOGRAM_ROWS of them.
    const int width = (s.max - s.least) / HISTOGRAM_ROWS + 1;
    std::vector<long> rows((s.max - s.least) / width + 1);
    for (int c = s.least; c <= s.max; ++c)
      rows[(c - s.least) / width] += t.histogram[c];
    const long tallest = *std::max_element(rows.begin(), rows.end());
    for (std::size_t r = 0; r < rows.size(); ++r) {
      int lo = s.least + static_cast<int>(r) * width, hi = lo + width - 1;
      std::string range = std::to_string(lo);
      if (width > 1) range.append("-").append(std::to_string(hi));
      int bar = static_cast<int>(rows[r] * HISTOGRAM_WIDTH / tallest);
      std::fprintf(to, "  %9s |%-*s %5.1f%%\n", range.c_str(), HISTOGRAM_WIDTH,
                   std::string(bar, '#').c_str(), 100.0 * rows[r] / s.hoards);
    }
    std::fprintf(to, "  share of the items by category:%s\n",
                 s.category_share.empty() ? " none" : "");
    for (const auto &[name, share] : s.category_share)
      std::fprintf(to, "    %-20s %5.1f%%\n", name, 100.0 * share);
    std::fprintf(to, "  coins per hoard:%s\n",
                 s.coins_per_hoard.empty() ? " none" : "");
    for (const auto &[kind, coins] : s.coins_per_hoard)
      std::fprintf(to, "    %-20s %7.1f\n", kind.c_str(), coins);
    std::fprintf(to, "  hoards with a magic item: %.1f%%\n",
                 100.0 * s.magic_share);
  }
}

void print_stats_csv(FILE *to, const section_tally *sections) {
  std::fputs("section,measure,key,value\n", to);
  for (int k = 0; k < 2; ++k) {
    const section_tally &t = sections[k];
    const char *name = SECTION_NAMES[k];
    const section_summary s = summarize(t);
    std::fprintf(to,
                 "%s,items,mean,%.4f\n%s,items,p10,%d\n%s,items,p50,%d\n"
                 "%s,items,p90,%d\n%s,items,max,%d\n",
                 name, s.mean, name, s.p10, name, s.p50, name, s.p90, name,
                 s.max);
    for (int c = 0; c <= s.max; ++c)
      std::fprintf(to, "%s,histogram,%d,%ld\n", name, c, t.histogram[c]);
    for (const auto &[category, share] : s.category_share)
      std::fprintf(to, "%s,category_share,%s,%.4f\n", name, category, share);
    for (const auto &[kind, coins] : s.coins_per_hoard)
      std::fprintf(to, "%s,coins_per_hoard,%s,%.4f\n", name, kind.c_str(),
                   coins);
    std::fprintf(to, "%s,magic_share,,%.4f\n", name, s.magic_share);
  }
}

std::string stats_json(const section_tally *sections) {
  json out;
  out["generations"] = summarize(sections[0]).hoards;
  for (int k = 0; k < 2; ++k) {
    const section_tally &t = sections[k];
    const section_summary s = summarize(t);
    json section;
    section["items"] = {{"mean", s.mean},
                        {"p10", s.p10},
                        {"p50", s.p50},
                        {"p90", s.p90},
                        {"max", s.max}};
    section["histogram"] =
        std::vector<long>(t.histogram.begin(), t.histogram.begin() + s.max + 1);
    json shares = json::object();
    for (const auto &[category, share] : s.category_share)
      shares[category] = share;
    section["category_share"] = shares;
    json coins = json::object();
    for (const auto &[kind, per_hoard] : s.coins_per_hoard)
      coins[kind] = per_hoard;
    section["coins_per_hoard"] = coins;
    section["magic_share"] = s.magic_share;
    out[SECTION_NAMES[k]] = section;
  }
  return out.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

namespace {

// A CSV value: quoted, with its quotes doubled, when it holds a comma or a
// quote.
std::string csv_field(const std::string &value) {
  if (value.find_first_of(",\"") == std::string::npos) return value;
  std::string out = "\"";
  for (char c : value)
    out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

int stats_command(const stats_options &o) {
  loaded_session s;
  if (int status = resolve_session(o.settings, s)) return status;
  seed_dice_or_clock(o.seed);
  tally_sink tally;
  const generation_input in = s.generation();
  {
    progress_line progress(o.generations);
    for (long i = 0; i < o.generations; ++i, progress.step())
      interpret_text(automatic_script_text(in), s.tables, tally);
  }
  // The monster, lair and settings used come first.
  const used_settings used = settings_in_use(s);
  if (o.format == output_format::json) {
    const json head = {{"monster", used.monster},
                       {"lair", used.lair},
                       {"settings", used.numbers}};
    std::string body = stats_json(tally.sections);
    std::fputs(("{\"used\":" +
                head.dump(-1, ' ', false, json::error_handler_t::replace) +
                "," + body.substr(1))
                   .c_str(),
               stdout);
  } else if (o.format == output_format::csv) {
    print_stats_csv(stdout, tally.sections);
    std::printf("used,monster,,%s\nused,lair,,%s\nused,settings,,%s\n",
                csv_field(used.monster).c_str(), csv_field(used.lair).c_str(),
                csv_field(used.numbers).c_str());
  } else {
    std::printf("%s\n", used.lines().c_str());
    print_stats_text(stdout, tally.sections);
  }
  return EXIT_DONE;
}
