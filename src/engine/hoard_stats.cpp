// Counting generations: the tally of their events, the figures drawn from
// it and its text.
#include "hoard_stats.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "memory_generation.h"
#include "report_json.h"
#include "trtables.h"

const char *const SECTION_NAMES[2] = {"portable", "lair"};

namespace {

constexpr int HISTOGRAM_WIDTH = 50;  // longest bar, in characters

// Appends a formatted text to out, whatever its length.
__attribute__((format(printf, 2, 3))) void add(std::string &out,
                                               const char *format, ...) {
  va_list args, again;
  va_start(args, format);
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  if (length > 0) {
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(length) + 1);
    std::vsnprintf(&out[at], static_cast<std::size_t>(length) + 1, format,
                   again);
    out.resize(at + static_cast<std::size_t>(length));
  }
  va_end(again);
}

}  // namespace

void tally_sink::header(const report_header &) {
  current_ = -1;
  hoard_ = {};
  items_[0] = items_[1] = 0;
  magic_[0] = magic_[1] = false;
}

void tally_sink::section(section_kind kind, std::string_view, int) {
  current_ = kind == section_kind::lair_treasure ? 1 : 0;
}

void tally_sink::item(const report_item &it) {
  add_amounts(it, hoard_, hoard_);
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
  ++totals.hoards;
  for (coin_kind u : UNITS)
    ++totals.hoards_with[static_cast<int>(u)][hoard_[u]];
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

total_summary summarize_totals(const total_tally &t, coin_kind unit) {
  total_summary s;
  if (t.hoards == 0) return s;
  const std::map<long long, long> &counts =
      t.hoards_with[static_cast<int>(unit)];
  const long ranks[3] = {static_cast<long>(0.1 * (t.hoards - 1) + 0.5),
                         static_cast<long>(0.5 * (t.hoards - 1) + 0.5),
                         static_cast<long>(0.9 * (t.hoards - 1) + 0.5)};
  long long *at[3] = {&s.p10, &s.p50, &s.p90};
  long below = 0;
  double sum = 0;
  for (const auto &[tenths, hoards] : counts) {
    for (int q = 0; q < 3; ++q)
      if (ranks[q] >= below && ranks[q] < below + hoards) *at[q] = tenths;
    below += hoards;
    sum += static_cast<double>(tenths) * static_cast<double>(hoards);
  }
  s.mean = sum / 10 / static_cast<double>(t.hoards);
  return s;
}

std::string stats_text(const section_tally *sections,
                       const total_tally &totals) {
  std::string out;
  for (int k = 0; k < 2; ++k) {
    const section_tally &t = sections[k];
    const section_summary s = summarize(t);
    add(out, "%s%s treasure, %ld generations\n", k ? "\n" : "",
        k ? "Lair" : "Portable", s.hoards);
    add(out, "  items: mean %.2f, 10%% %d, 50%% %d, 90%% %d, max %d\n", s.mean,
        s.p10, s.p50, s.p90, s.max);
    // Rows of `width` item counts each from the least count, at most
    // HISTOGRAM_BINS of them.
    const int width = static_cast<int>(bin_width(s.least, s.max));
    std::vector<long> rows((s.max - s.least) / width + 1);
    for (int c = s.least; c <= s.max; ++c)
      rows[(c - s.least) / width] += t.histogram[c];
    const long tallest = *std::max_element(rows.begin(), rows.end());
    for (std::size_t r = 0; r < rows.size(); ++r) {
      int lo = s.least + static_cast<int>(r) * width, hi = lo + width - 1;
      std::string range = std::to_string(lo);
      if (width > 1) range.append("-").append(std::to_string(hi));
      int bar = static_cast<int>(rows[r] * HISTOGRAM_WIDTH / tallest);
      add(out, "  %9s |%-*s %5.1f%%\n", range.c_str(), HISTOGRAM_WIDTH,
          std::string(bar, '#').c_str(), 100.0 * rows[r] / s.hoards);
    }
    add(out, "  share of the items by category:%s\n",
        s.category_share.empty() ? " none" : "");
    for (const auto &[name, share] : s.category_share)
      add(out, "    %-20s %5.1f%%\n", name, 100.0 * share);
    add(out, "  coins per hoard:%s\n",
        s.coins_per_hoard.empty() ? " none" : "");
    for (const auto &[kind, coins] : s.coins_per_hoard)
      add(out, "    %-20s %7.1f\n", kind.c_str(), coins);
    add(out, "  hoards with a magic item: %.1f%%\n", 100.0 * s.magic_share);
  }
  add(out, "\nTotal of each hoard (coins plus stated worth), %ld generations\n",
      totals.hoards);
  for (int u = UNIT_COUNT; u >= 1; --u) {
    const total_summary s = summarize_totals(totals, static_cast<coin_kind>(u));
    add(out, "  %s: mean %.2f, 10%% %s, 50%% %s, 90%% %s\n",
        coin_unit_text(static_cast<coin_kind>(u)), s.mean,
        tenths_text(s.p10).c_str(), tenths_text(s.p50).c_str(),
        tenths_text(s.p90).c_str());
  }
  return out;
}

namespace {
using json = nlohmann::ordered_json;
}  // namespace

std::string stats_csv(const section_tally *sections,
                      const total_tally &totals) {
  std::string out = "section,measure,key,value\n";
  using line = fixed_text<256>;
  for (int k = 0; k < 2; ++k) {
    const section_tally &t = sections[k];
    const char *name = SECTION_NAMES[k];
    const section_summary s = summarize(t);
    out += line()
               .appendf(
                   "%s,items,mean,%.4f\n%s,items,p10,%d\n%s,items,p50,%d\n"
                   "%s,items,p90,%d\n%s,items,max,%d\n",
                   name, s.mean, name, s.p10, name, s.p50, name, s.p90, name,
                   s.max)
               .text();
    for (int c = 0; c <= s.max; ++c)
      out += line()
                 .appendf("%s,histogram,%d,%ld\n", name, c, t.histogram[c])
                 .text();
    for (const auto &[category, share] : s.category_share)
      out += line()
                 .appendf("%s,category_share,%s,%.4f\n", name, category, share)
                 .text();
    for (const auto &[kind, coins] : s.coins_per_hoard)
      out += line()
                 .appendf("%s,coins_per_hoard,%s,%.4f\n", name, kind.c_str(),
                          coins)
                 .text();
    out += line().appendf("%s,magic_share,,%.4f\n", name, s.magic_share).text();
  }
  for (int u = UNIT_COUNT; u >= 1; --u) {
    const char *unit = coin_unit_text(static_cast<coin_kind>(u));
    const total_summary s = summarize_totals(totals, static_cast<coin_kind>(u));
    out += line()
               .appendf(
                   "hoard,total_%s,mean,%.4f\nhoard,total_%s,p10,%s\n"
                   "hoard,total_%s,p50,%s\nhoard,total_%s,p90,%s\n",
                   unit, s.mean, unit, tenths_text(s.p10).c_str(), unit,
                   tenths_text(s.p50).c_str(), unit, tenths_text(s.p90).c_str())
               .text();
  }
  return out;
}

std::string stats_json(const section_tally *sections,
                       const total_tally &totals) {
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
  json by_unit = json::object();
  for (int u = UNIT_COUNT; u >= 1; --u) {
    const total_summary s = summarize_totals(totals, static_cast<coin_kind>(u));
    by_unit[coin_unit_text(static_cast<coin_kind>(u))] = {
        {"mean", s.mean},
        {"p10", s.p10 / 10.0},
        {"p50", s.p50 / 10.0},
        {"p90", s.p90 / 10.0}};
  }
  out["hoard_totals"] = by_unit;
  return json_text(out) + "\n";
}
