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

namespace {

using json = nlohmann::ordered_json;

}  // namespace

void print_stats_text(FILE *to, const section_tally *sections) {
  std::fputs(stats_text(sections).c_str(), to);
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
