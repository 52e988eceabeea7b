// A hoard's worth, counted from the events of its report (the coins and the
// values the category routines state), never from its text: coins and stated
// worth by unit, base values and promised treasure listed apart, the items
// without a value counted by category. On top of it: a total in one unit at
// the game master's exchange rates, a split between players, a pile of many
// reports, and where a hoard stands among 2,000 reference hoards.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generation.h"
#include "keywords.h"
#include "report_sink.h"

constexpr int UNIT_COUNT = 4;  // BB, CC, SC, GC: coin_kind 1 to 4

// Amounts in tenths, by unit.
struct unit_tenths {
  long long at[UNIT_COUNT + 1] = {};  // [0], coin_kind::none, stays 0
  long long &operator[](coin_kind u) { return at[static_cast<int>(u)]; }
  long long operator[](coin_kind u) const { return at[static_cast<int>(u)]; }
};
// The units from the smallest, for loops.
extern const coin_kind UNITS[UNIT_COUNT];

// A value listed apart from the total, with the item that states it.
struct listed_value {
  std::string item;  // the item's text, its line break and end taken out
  item_value value;
};

// The most items each list of a ledger keeps, so a script of any size is
// counted in bounded memory; the items past it are counted in `unlisted`.
constexpr std::size_t MAX_LISTED = 1000;

struct hoard_ledger {
  long reports = 0;
  unit_tenths coins;  // coins by unit, a coin ten tenths
  unit_tenths worth;  // the stated worth of items by unit
  std::vector<listed_value> base, promised;
  long unvalued[CATEGORY_CODES] = {};  // items stating no value, by category
  // The items a split cannot share out: every item but coins that states no
  // worth (the game master hands them out).
  std::vector<std::string> to_hand_out;
  long unlisted = 0;  // items left out of the lists above

  // Coins plus stated worth, by unit.
  unit_tenths total() const;
  // Adds another ledger to this one: a pile of reports.
  void add(const hoard_ledger &other);
};

// The category an item is counted under, or -1 for an item without text.
int counted_category(const report_item &it);
// Adds an item's coins to `coins` and its stated worth to `worth`, by unit.
void add_amounts(const report_item &it, unit_tenths &coins, unit_tenths &worth);

// Counts the events of each report into `ledger`, which each header empties.
class ledger_sink : public report_sink {
 public:
  void header(const report_header &) override {
    ledger = {}, ledger.reports = 1;
  }
  void section(section_kind, std::string_view, int) override {}
  void literal(std::string_view, int, bool) override {}
  void item(const report_item &item) override;
  void end(const report_end &) override {}

  hoard_ledger ledger;
};

// The game master's exchange rates: how many of each unit make the next
// (BB a CC, CC an SC, SC a GC). None given: nothing is converted.
constexpr long long MAX_RATE = 1000;
struct exchange_rates {
  long long per_next[UNIT_COUNT - 1] = {};
  bool given() const { return per_next[0] > 0; }
  // Tenths of a BB in one of the unit.
  long long smallest_in(coin_kind unit) const;
};
// Reads "10,10,10": three whole numbers from 1 to MAX_RATE, comma-separated.
// False with the reason in `error` otherwise.
bool read_rates(std::string_view text, exchange_rates &rates,
                std::string &error);
// Reads a unit's text ("BB", "CC", "SC", "GC"); false for any other text.
bool read_unit(std::string_view text, coin_kind &unit);

// An amount of tenths as the ledger writes it: "66", "26.5".
std::string tenths_text(long long tenths);
// The tenths of BB of amounts by unit at the rates, or -1 when they pass
// the largest number the ledger counts.
long long in_smallest(const unit_tenths &amounts, const exchange_rates &rates);
// Tenths of BB in whole units down from `top`: "12 GC 3 SC 4 CC 5.5 BB"
// (units of 0 left out, "0 GC" for nothing).
unit_tenths in_units(long long smallest, coin_kind top,
                     const exchange_rates &rates);
std::string units_text(const unit_tenths &amounts);

// A split between players: per unit, each player's share in whole units and
// what is left; with rates, the same for the total in BB, each share given
// in units down from `top`.
struct ledger_split {
  int players = 0;
  unit_tenths share, left;
  bool converted = false;
  long long share_smallest = 0, left_smallest = 0;
};
constexpr int MAX_PLAYERS = 1000;
// False (nothing split) for fewer than 1 or more than MAX_PLAYERS players,
// or a total too large to convert.
bool split_ledger(const hoard_ledger &l, int players,
                  const exchange_rates &rates, ledger_split &out);

// Where a hoard stands: per unit (and with rates, for the total) the share
// of the reference hoards with less.
constexpr long REFERENCE_HOARDS = 2000;
constexpr unsigned REFERENCE_SEED = 20061;
// The most bins of a histogram (of item counts, of amounts): equal bins of
// bin_width whole steps each from the least value to the most.
constexpr int HISTOGRAM_BINS = 12;
constexpr long long bin_width(long long least, long long most) {
  return (most - least) / HISTOGRAM_BINS + 1;
}
// The reference hoards' amounts of one unit (or of the total) in tenths, in
// bins, and the bin this hoard's amount falls in. Amounts have a long tail
// of a few rich hoards, so the equal bins span the least amount to the one
// at BINNED_SHARE of the hoards in order, and the last bin also holds every
// amount above it (up to the most). A hoard below the least falls in the
// first bin, one above the most in the last.
constexpr double BINNED_SHARE = 0.95;
struct rank_bins {
  long long least = 0, most = 0, width = 1;
  std::vector<long> hoards;  // per bin
  int bin = 0;
};
struct ledger_rank {
  double below[UNIT_COUNT + 1] = {};  // by coin_kind
  bool converted = false;
  double total_below = 0;
  bool binned = false;  // the bins below are filled
  rank_bins bins[UNIT_COUNT + 1], total_bins;
};
// The ledgers of REFERENCE_HOARDS automatic generations of the input, run
// with the seed REFERENCE_SEED and the dice's own state kept and put back,
// so the caller's dice go on as if nothing had been drawn. Kept for the
// last input (its files and settings); asked again for the same, the
// ledgers are not run again.
const std::vector<unit_tenths> &reference_totals(const generation_input &in);
// What the reference hoards are, for the rank's words: "2,000 hoards of
// Orc, Grunt in Cave".
std::string reference_name(const generation_input &in);
// The rank, with the bins when `binned` (the page draws them).
ledger_rank rank_ledger(const hoard_ledger &l,
                        const std::vector<unit_tenths> &reference,
                        const exchange_rates &rates, bool binned = false);

// What a command asks of the ledger beside the report.
struct ledger_request {
  exchange_rates rates;
  coin_kind in = coin_kind::none;  // a total in this unit (needs rates)
  int split = 0;                   // players; 0 for no split
  bool rank = false;
};

// The ledger as a text block for the standard output, headed by `title`
// ("Ledger", "Ledger of the pile of 10 reports"). `rank` and `what` (the
// hoards ranked against: "a rune mender's hoards in a ruined keep") only
// when the request asks for the rank.
std::string ledger_text(const hoard_ledger &l, const ledger_request &r,
                        const ledger_rank *rank, std::string_view what,
                        std::string_view title);
// The ledger as a JSON object: coins, worth, total, base, promised,
// unvalued, and as asked "in", "split", "rank" (and "rank_bins" for a rank
// with its bins).
std::string ledger_json(const hoard_ledger &l, const ledger_request &r,
                        const ledger_rank *rank);
// A ledger as data for a front end to keep and give back later (the page
// keeps it with each report): every amount in tenths, every list whole.
std::string ledger_data_json(const hoard_ledger &l);
// Reads such data back; false, and `l` untouched, for anything else or for
// amounts past MAX_DATA_TENTHS.
constexpr long long MAX_DATA_TENTHS = 1000000000000LL;
bool read_ledger_data(std::string_view text, hoard_ledger &l);

// An item's values as the JSON members that follow its lines: "" for none,
// ,"value":{...} for one, and for more than one also ,"values":[...].
std::string item_values_json(const item_values &values);
