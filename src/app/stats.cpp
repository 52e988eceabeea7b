// hoardex stats: what a monster in a lair tends to hold. N generations run
// in memory (no file is written); for the portable and the lair section it
// counts the items, the share of each category, the coins of each kind and
// the hoards with a magic item.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "dice.h"

namespace {

constexpr int CATEGORY_CODES = 8;
constexpr int HISTOGRAM_WIDTH = 50;  // longest bar, in characters
constexpr int HISTOGRAM_ROWS = 12;   // most rows of a histogram

struct section_tally {
  std::vector<int> items;  // per generation
  long category_items[CATEGORY_CODES] = {};
  std::map<std::string, double> coins;  // kind: coins over all generations
  long with_magic = 0;
};

// Counts the events of one generation into the tallies.
class tally_sink : public report_sink {
 public:
  section_tally sections[2];  // portable, lair

  void header(const report_header &) override {
    current_.reset();
    for (int &n : items_) n = 0;
    magic_[0] = magic_[1] = false;
  }
  void section(section_kind kind, std::string_view, int) override {
    current_ = kind == section_kind::lair_treasure ? 1 : 0;
    on_ = true;
  }
  void literal(std::string_view, int, bool) override {}
  void item(const report_item &it) override {
    if (!on_) return;
    section_tally &t = sections[*current_];
    ++items_[*current_];
    ++t.category_items[it.category & 7];
    if (std::string_view(category_name(it.category)) == "magic")
      magic_[*current_] = true;
    if (std::string_view(category_name(it.category)) == "coins") {
      // "<number> <kind>\n"
      std::string text(it.text);
      char *kind = nullptr;
      long n = std::strtol(text.c_str(), &kind, 10);
      std::string name(kind);
      name.erase(0, name.find_first_not_of(' '));
      name.erase(name.find_last_not_of(" \n") + 1);
      t.coins[name] += static_cast<double>(n);
    }
  }
  void end(const report_end &) override {
    for (int k = 0; k < 2; ++k) {
      sections[k].items.push_back(items_[k]);
      if (magic_[k]) ++sections[k].with_magic;
    }
    on_ = false;
  }

 private:
  std::optional<int> current_;
  bool on_ = false;
  int items_[2] = {};
  bool magic_[2] = {};
};

struct item_summary {
  double mean;
  int p10, p50, p90, max;
};

item_summary summarize(std::vector<int> counts) {
  std::sort(counts.begin(), counts.end());
  double sum = 0;
  for (int c : counts) sum += c;
  auto at = [&](double q) {
    return counts[static_cast<std::size_t>(q * (counts.size() - 1) + 0.5)];
  };
  return {sum / counts.size(), at(0.1), at(0.5), at(0.9), counts.back()};
}

const char *const SECTION_NAMES[2] = {"portable", "lair"};

void print_text(const section_tally *sections, long n) {
  for (int k = 0; k < 2; ++k) {
    const section_tally &t = sections[k];
    item_summary s = summarize(t.items);
    std::printf("%s%s treasure, %ld generations\n", k ? "\n" : "",
                k ? "Lair" : "Portable", n);
    std::printf("  items: mean %.2f, 10%% %d, 50%% %d, 90%% %d, max %d\n",
                s.mean, s.p10, s.p50, s.p90, s.max);
    // Histogram rows of `width` item counts each from the least count, at
    // most HISTOGRAM_ROWS of them.
    int least = *std::min_element(t.items.begin(), t.items.end());
    int width = (s.max - least) / HISTOGRAM_ROWS + 1;
    std::vector<long> rows((s.max - least) / width + 1);
    for (int c : t.items) ++rows[(c - least) / width];
    long tallest = *std::max_element(rows.begin(), rows.end());
    for (std::size_t r = 0; r < rows.size(); ++r) {
      int lo = least + static_cast<int>(r) * width, hi = lo + width - 1;
      std::string range = std::to_string(lo);
      if (width > 1) range.append("-").append(std::to_string(hi));
      int bar = static_cast<int>(rows[r] * HISTOGRAM_WIDTH / tallest);
      std::printf("  %9s |%-*s %5.1f%%\n", range.c_str(), HISTOGRAM_WIDTH,
                  std::string(bar, '#').c_str(), 100.0 * rows[r] / n);
    }
    long total = 0;
    for (long c : t.category_items) total += c;
    std::printf("  share of the items by category:%s\n", total ? "" : " none");
    for (int c = 0; c < CATEGORY_CODES; ++c)
      if (t.category_items[c])
        std::printf("    %-20s %5.1f%%\n", category_name(c),
                    100.0 * t.category_items[c] / total);
    std::printf("  coins per hoard:%s\n", t.coins.empty() ? " none" : "");
    for (const auto &[kind, coins] : t.coins)
      std::printf("    %-20s %7.1f\n", kind.c_str(), coins / n);
    std::printf("  hoards with a magic item: %.1f%%\n",
                100.0 * t.with_magic / n);
  }
}

nlohmann::ordered_json section_json(const section_tally &t, long n) {
  item_summary s = summarize(t.items);
  nlohmann::ordered_json out;
  out["items"] = {{"mean", s.mean},
                  {"p10", s.p10},
                  {"p50", s.p50},
                  {"p90", s.p90},
                  {"max", s.max}};
  std::vector<long> histogram(s.max + 1);
  for (int c : t.items) ++histogram[c];
  out["histogram"] = histogram;
  long total = 0;
  for (long c : t.category_items) total += c;
  nlohmann::ordered_json shares = nlohmann::ordered_json::object();
  for (int c = 0; c < CATEGORY_CODES; ++c)
    if (t.category_items[c])
      shares[category_name(c)] =
          static_cast<double>(t.category_items[c]) / total;
  out["category_share"] = shares;
  nlohmann::ordered_json coins = nlohmann::ordered_json::object();
  for (const auto &[kind, sum] : t.coins) coins[kind] = sum / n;
  out["coins_per_hoard"] = coins;
  out["magic_share"] = static_cast<double>(t.with_magic) / n;
  return out;
}

void print_csv(const section_tally *sections, long n) {
  std::puts("section,measure,key,value");
  for (int k = 0; k < 2; ++k) {
    const section_tally &t = sections[k];
    const char *name = SECTION_NAMES[k];
    item_summary s = summarize(t.items);
    std::printf(
        "%s,items,mean,%.4f\n%s,items,p10,%d\n%s,items,p50,%d\n"
        "%s,items,p90,%d\n%s,items,max,%d\n",
        name, s.mean, name, s.p10, name, s.p50, name, s.p90, name, s.max);
    std::vector<long> histogram(s.max + 1);
    for (int c : t.items) ++histogram[c];
    for (int c = 0; c <= s.max; ++c)
      std::printf("%s,histogram,%d,%ld\n", name, c, histogram[c]);
    long total = 0;
    for (long c : t.category_items) total += c;
    for (int c = 0; c < CATEGORY_CODES; ++c)
      if (t.category_items[c])
        std::printf("%s,category_share,%s,%.4f\n", name, category_name(c),
                    static_cast<double>(t.category_items[c]) / total);
    for (const auto &[kind, sum] : t.coins)
      std::printf("%s,coins_per_hoard,%s,%.4f\n", name, kind.c_str(), sum / n);
    std::printf("%s,magic_share,,%.4f\n", name,
                static_cast<double>(t.with_magic) / n);
  }
}

}  // namespace

int stats_command(const stats_options &o) {
  loaded_session s;
  if (int status = resolve_session(o.settings, s)) return status;
  seed_dice_or_clock(o.seed);
  tally_sink tally;
  for (auto &t : tally.sections) t.items.reserve(o.generations);
  const generation_input in = s.generation();
  for (long i = 0; i < o.generations; ++i)
    interpret_text(automatic_script_text(in), s.tables, tally);
  if (o.format == output_format::json) {
    nlohmann::ordered_json out;
    out["generations"] = o.generations;
    out["portable"] = section_json(tally.sections[0], o.generations);
    out["lair"] = section_json(tally.sections[1], o.generations);
    std::puts(out.dump().c_str());
  } else if (o.format == output_format::csv) {
    print_csv(tally.sections, o.generations);
  } else {
    print_text(tally.sections, o.generations);
  }
  return EXIT_DONE;
}
