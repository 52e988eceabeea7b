// hoardex stats: what a monster in a lair tends to hold. N generations run
// in memory (no file is written); for the portable and the lair section it
// counts the items, the share of each category, the coins of each kind and
// the hoards with a magic item.
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "dice.h"
#include "hoard_stats.h"

namespace {

const char *const SECTION_NAMES[2] = {"portable", "lair"};

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
  tally_generations(s.generation(), o.generations, tally);
  if (o.format == output_format::json) {
    nlohmann::ordered_json out;
    out["generations"] = o.generations;
    out["portable"] = section_json(tally.sections[0], o.generations);
    out["lair"] = section_json(tally.sections[1], o.generations);
    std::puts(out.dump().c_str());
  } else if (o.format == output_format::csv) {
    print_csv(tally.sections, o.generations);
  } else {
    std::fputs(stats_text(tally.sections, o.generations).c_str(), stdout);
  }
  return EXIT_DONE;
}
