// What a monster in a lair tends to hold: N generations run in memory, their
// events counted per section (portable, lair): the items, the share of each
// category, the coins of each kind and the hoards with a magic item.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "generation.h"
#include "headless.h"

constexpr int CATEGORY_CODES = 8;

struct section_tally {
  std::vector<int> items;  // per generation
  long category_items[CATEGORY_CODES] = {};
  std::map<std::string, double> coins;  // kind: coins over all generations
  long with_magic = 0;
};

// Counts the events of each generation into the tallies.
class tally_sink : public report_sink {
 public:
  section_tally sections[2];  // portable, lair

  void header(const report_header &) override;
  void section(section_kind kind, std::string_view, int) override;
  void literal(std::string_view, int, bool) override {}
  void item(const report_item &it) override;
  void end(const report_end &) override;

 private:
  std::optional<int> current_;
  bool on_ = false;
  int items_[2] = {};
  bool magic_[2] = {};
};

// Runs `generations` automatic generations of the input into the tally.
void tally_generations(const generation_input &in, long generations,
                       tally_sink &tally);

struct item_summary {
  double mean;
  int p10, p50, p90, max;
};
// The mean, percentiles and maximum of the items per generation.
item_summary summarize(std::vector<int> counts);

// The statistics as text: per section the items, their histogram, the
// category shares, the coins per hoard and the share of magic hoards.
std::string stats_text(const section_tally *sections, long generations);
