// What a monster in a lair tends to hold: N generations run in memory, their
// events counted per section (portable, lair): the items, the share of each
// category, the coins of each kind and the hoards with a magic item; the
// figures drawn from the counts, and their text.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "generation.h"
#include "keywords.h"
#include "ledger.h"
#include "report_sink.h"

// What one section (portable or lair) held over the generations.
struct section_tally {
  std::vector<long> histogram;  // [k]: hoards holding k items
  long category_items[CATEGORY_CODES] = {};
  std::map<std::string, double> coins;  // kind: coins over all generations
  long with_magic = 0;                  // hoards holding a magic item
};

// Each hoard's total (coins plus stated worth) by unit, kept as how many
// hoards had each amount: the memory grows with the different totals, not
// with the generations.
struct total_tally {
  long hoards = 0;
  std::map<long long, long> hoards_with[UNIT_COUNT + 1];  // by coin_kind
};

// The totals of one unit over the hoards, in tenths; the percentiles are
// taken as for the items.
struct total_summary {
  double mean = 0;
  long long p10 = 0, p50 = 0, p90 = 0;
};
total_summary summarize_totals(const total_tally &t, coin_kind unit);

// Counts the events of each generation into the tallies.
class tally_sink : public report_sink {
 public:
  section_tally sections[2];  // portable, lair
  total_tally totals;

  void header(const report_header &) override;
  void section(section_kind kind, std::string_view, int) override;
  void literal(std::string_view, int, bool) override {}
  void item(const report_item &it) override;
  void end(const report_end &) override;

 private:
  int current_ = -1;  // no section yet
  int items_[2] = {};
  bool magic_[2] = {};
  unit_tenths hoard_;  // this hoard's total so far
};

// The figures of a section over `hoards` generations. The percentiles are
// the counts at rank round(q * (hoards - 1)) of the hoards in order.
struct section_summary {
  long hoards = 0;
  double mean = 0;
  int least = 0, p10 = 0, p50 = 0, p90 = 0, max = 0;
  long items = 0;  // over all hoards
  std::vector<std::pair<const char *, double>> category_share;  // of items
  std::vector<std::pair<std::string, double>> coins_per_hoard;
  double magic_share = 0;  // of hoards
};
section_summary summarize(const section_tally &t);

extern const char *const SECTION_NAMES[2];  // "portable", "lair"

// The statistics as text: per section the items, their histogram, the
// category shares, the coins per hoard and the share of magic hoards; then
// per unit the mean and percentiles of the hoards' totals.
std::string stats_text(const section_tally *sections,
                       const total_tally &totals);
// The same figures as CSV rows (section,measure,key,value) and as one line of
// JSON.
std::string stats_csv(const section_tally *sections, const total_tally &totals);
std::string stats_json(const section_tally *sections,
                       const total_tally &totals);
