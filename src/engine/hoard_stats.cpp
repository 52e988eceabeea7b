// Counting generations: the tally of their events and its text.
#include "hoard_stats.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int HISTOGRAM_WIDTH = 50;  // longest bar, in characters
constexpr int HISTOGRAM_ROWS = 12;   // most rows of a histogram

// Appends a formatted line to out.
__attribute__((format(printf, 2, 3))) void add(std::string &out,
                                               const char *format, ...) {
  char line[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  out += line;
}

}  // namespace

void tally_sink::header(const report_header &) {
  current_.reset();
  for (int &n : items_) n = 0;
  magic_[0] = magic_[1] = false;
}

void tally_sink::section(section_kind kind, std::string_view, int) {
  current_ = kind == section_kind::lair_treasure ? 1 : 0;
  on_ = true;
}

void tally_sink::item(const report_item &it) {
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

void tally_sink::end(const report_end &) {
  for (int k = 0; k < 2; ++k) {
    sections[k].items.push_back(items_[k]);
    if (magic_[k]) ++sections[k].with_magic;
  }
  on_ = false;
}

void tally_generations(const generation_input &in, long generations,
                       tally_sink &tally) {
  for (auto &t : tally.sections) t.items.reserve(generations);
  for (long i = 0; i < generations; ++i)
    interpret_text(automatic_script_text(in), in.tables, tally);
}

item_summary summarize(std::vector<int> counts) {
  std::sort(counts.begin(), counts.end());
  double sum = 0;
  for (int c : counts) sum += c;
  auto at = [&](double q) {
    return counts[static_cast<std::size_t>(q * (counts.size() - 1) + 0.5)];
  };
  return {sum / counts.size(), at(0.1), at(0.5), at(0.9), counts.back()};
}

std::string stats_text(const section_tally *sections, long n) {
  std::string out;
  for (int k = 0; k < 2; ++k) {
    const section_tally &t = sections[k];
    item_summary s = summarize(t.items);
    add(out, "%s%s treasure, %ld generations\n", k ? "\n" : "",
        k ? "Lair" : "Portable", n);
    add(out, "  items: mean %.2f, 10%% %d, 50%% %d, 90%% %d, max %d\n", s.mean,
        s.p10, s.p50, s.p90, s.max);
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
      if (width > 1) range += "-" + std::to_string(hi);
      int bar = static_cast<int>(rows[r] * HISTOGRAM_WIDTH / tallest);
      add(out, "  %9s |%-*s %5.1f%%\n", range.c_str(), HISTOGRAM_WIDTH,
          std::string(bar, '#').c_str(), 100.0 * rows[r] / n);
    }
    long total = 0;
    for (long c : t.category_items) total += c;
    add(out, "  share of the items by category:%s\n", total ? "" : " none");
    for (int c = 0; c < CATEGORY_CODES; ++c)
      if (t.category_items[c])
        add(out, "    %-20s %5.1f%%\n", category_name(c),
            100.0 * t.category_items[c] / total);
    add(out, "  coins per hoard:%s\n", t.coins.empty() ? " none" : "");
    for (const auto &[kind, coins] : t.coins)
      add(out, "    %-20s %7.1f\n", kind.c_str(), coins / n);
    add(out, "  hoards with a magic item: %.1f%%\n", 100.0 * t.with_magic / n);
  }
  return out;
}
