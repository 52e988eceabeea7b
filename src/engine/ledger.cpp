#include "ledger.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <nlohmann/json.hpp>

#include "dice.h"
#include "memory_generation.h"
#include "utf8.h"

const coin_kind UNITS[UNIT_COUNT] = {
    coin_kind::brass_bits, coin_kind::copper_coins, coin_kind::silver_coins,
    coin_kind::gold_coins};

namespace {

// An item's text on one line: its line break and end taken out.
std::string one_line(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') {
      out += text[i];
      continue;
    }
    while (i + 1 < text.size() && text[i + 1] == ' ') ++i;
    if (i + 1 < text.size()) out += ' ';
  }
  return out;
}

// Adds to a list while it has room; counts what it leaves out.
template <typename T>
void listed_in(std::vector<T> &list, const T &entry, long &unlisted) {
  if (list.size() < MAX_LISTED)
    list.push_back(entry);
  else
    ++unlisted;
}

bool times(long long a, long long b, long long &out) {
  return !__builtin_mul_overflow(a, b, &out);
}

const char *kind_text(value_kind k) {
  return k == value_kind::worth  ? "worth"
         : k == value_kind::base ? "base"
                                 : "promised";
}

}  // namespace

unit_tenths hoard_ledger::total() const {
  unit_tenths t;
  for (coin_kind u : UNITS) t[u] = coins[u] + worth[u];
  return t;
}

void hoard_ledger::add(const hoard_ledger &o) {
  reports += o.reports;
  for (coin_kind u : UNITS) coins[u] += o.coins[u], worth[u] += o.worth[u];
  unlisted += o.unlisted;
  for (const listed_value &v : o.base) listed_in(base, v, unlisted);
  for (const listed_value &v : o.promised) listed_in(promised, v, unlisted);
  for (int c = 0; c < CATEGORY_CODES; ++c) unvalued[c] += o.unvalued[c];
  for (const std::string &t : o.to_hand_out)
    listed_in(to_hand_out, t, unlisted);
}

int counted_category(const report_item &it) {
  int category = it.category & (CATEGORY_CODES - 1);
  return category == CATEGORY_NONE || category == 7 ? -1 : category;
}

void add_amounts(const report_item &it, unit_tenths &coins,
                 unit_tenths &worth) {
  if (counted_category(it) < 0) return;
  if (it.coins.kind != coin_kind::none)
    coins[it.coins.kind] += 10LL * it.coins.count;
  else
    for (const item_value &v : it.values)
      if (v.kind == value_kind::worth) worth[v.unit] += v.tenths;
}

void ledger_sink::item(const report_item &it) {
  const int category = counted_category(it);
  if (category < 0) return;
  hoard_ledger &l = ledger;
  add_amounts(it, l.coins, l.worth);
  if (it.coins.kind != coin_kind::none) return;
  bool has_worth = false;
  for (const item_value &v : it.values) {
    if (v.kind == value_kind::worth) {
      has_worth = true;
    } else {
      listed_in(v.kind == value_kind::base ? l.base : l.promised,
                {one_line(it.text), v}, l.unlisted);
    }
  }
  if (it.values.count == 0) ++l.unvalued[category];
  if (!has_worth) listed_in(l.to_hand_out, one_line(it.text), l.unlisted);
}

long long exchange_rates::smallest_in(coin_kind unit) const {
  long long f = 1;
  for (int i = 0; i + 1 < static_cast<int>(unit); ++i) f *= per_next[i];
  return f;
}

bool read_rates(std::string_view text, exchange_rates &rates,
                std::string &error) {
  exchange_rates r;
  int n = 0;
  std::size_t at = 0;
  for (;;) {
    std::size_t comma = text.find(',', at);
    std::string_view part = text.substr(at, comma - at);
    long long v = 0;
    bool digits = !part.empty() && part.size() <= 4;
    for (char c : part) digits = digits && c >= '0' && c <= '9';
    // Read only when short digits, so a long part cannot overflow.
    if (digits)
      for (char c : part) v = v * 10 + (c - '0');
    if (!digits || v < 1 || v > MAX_RATE) {
      error = "each rate is a whole number from 1 to " +
              std::to_string(MAX_RATE) + ", not \"" + std::string(part) + "\"";
      return false;
    }
    if (n < UNIT_COUNT - 1) r.per_next[n] = v;
    ++n;
    if (comma == std::string_view::npos) break;
    at = comma + 1;
  }
  if (n != UNIT_COUNT - 1) {
    error = "the rates need three numbers (BB a CC, CC an SC, SC a GC), not " +
            std::to_string(n);
    return false;
  }
  rates = r;
  return true;
}

bool read_unit(std::string_view text, coin_kind &unit) {
  for (coin_kind u : UNITS)
    if (text == coin_unit_text(u)) return unit = u, true;
  return false;
}

std::string tenths_text(long long tenths) {
  std::string s = std::to_string(tenths / 10);
  if (tenths < 0 && tenths > -10) s = "-" + s;
  long long rest = tenths % 10;
  return rest == 0 ? s : s + "." + std::to_string(rest < 0 ? -rest : rest);
}

long long in_smallest(const unit_tenths &amounts, const exchange_rates &r) {
  long long sum = 0, part = 0;
  for (coin_kind u : UNITS)
    if (!times(amounts[u], r.smallest_in(u), part) ||
        __builtin_add_overflow(sum, part, &sum))
      return -1;
  return sum;
}

unit_tenths in_units(long long smallest, coin_kind top,
                     const exchange_rates &r) {
  unit_tenths out;
  for (int u = static_cast<int>(top); u > 1; --u) {
    long long step = 10 * r.smallest_in(static_cast<coin_kind>(u));
    out.at[u] = smallest / step * 10;
    smallest %= step;
  }
  out[coin_kind::brass_bits] = smallest;
  return out;
}

std::string units_text(const unit_tenths &amounts) {
  std::string s;
  for (int u = UNIT_COUNT; u >= 1; --u)
    if (amounts.at[u] != 0)
      s += (s.empty() ? "" : ", ") + tenths_text(amounts.at[u]) + " " +
           coin_unit_text(static_cast<coin_kind>(u));
  return s.empty() ? "none" : s;
}

bool split_ledger(const hoard_ledger &l, int players, const exchange_rates &r,
                  ledger_split &out) {
  if (players < 1 || players > MAX_PLAYERS) return false;
  ledger_split s;
  s.players = players;
  const unit_tenths total = l.total();
  for (coin_kind u : UNITS) {
    s.share[u] = total[u] / (10LL * players) * 10;
    s.left[u] = total[u] - s.share[u] * players;
  }
  if (r.given()) {
    long long all = in_smallest(total, r);
    if (all < 0) return false;
    s.converted = true;
    s.share_smallest = all / (10LL * players) * 10;
    s.left_smallest = all - s.share_smallest * players;
  }
  out = s;
  return true;
}

namespace {

// The input a reference run was made for.
struct reference_key {
  const info_tables *tables = nullptr;
  settings config{};
  monster_record monster{};
  area_record area{};
  bool operator==(const reference_key &o) const {
    const settings &a = config, &b = o.config;
    return tables == o.tables && a.monster_index == b.monster_index &&
           a.lair_index == b.lair_index && a.cdf == b.cdf &&
           a.group_cdf == b.group_cdf && a.jeweler_el == b.jeweler_el &&
           a.station == b.station && a.mel == b.mel && a.cel == b.cel &&
           a.answers == b.answers &&
           std::memcmp(&monster, &o.monster, sizeof monster) == 0 &&
           std::memcmp(&area, &o.area, sizeof area) == 0;
  }
};

reference_key key_of(const generation_input &in) {
  reference_key k;
  k.tables = &in.tables;
  k.config = in.config;
  std::memcpy(&k.monster, &monster_at(in.tables, in.config.monster_index),
              sizeof k.monster);
  std::memcpy(&k.area, &area_at(in.tables, in.config.lair_index),
              sizeof k.area);
  return k;
}

// The share in per cent of `all` with less than `mine`; with `bins`, also
// `all` in bins and the bin of `mine`.
double share_below(std::vector<long long> &all, long long mine,
                   rank_bins *bins) {
  if (all.empty()) return 0;
  std::sort(all.begin(), all.end());
  auto below = std::lower_bound(all.begin(), all.end(), mine) - all.begin();
  if (bins) {
    rank_bins &b = *bins;
    b.least = all.front(), b.most = all.back();
    const long long top = all[static_cast<std::size_t>(
        BINNED_SHARE * static_cast<double>(all.size() - 1) + 0.5)];
    b.width = bin_width(b.least, top);
    b.hoards.assign((top - b.least) / b.width + 1, 0);
    const long long last = static_cast<long long>(b.hoards.size()) - 1;
    auto bin_of = [&b, last](long long v) {
      return std::min((std::max(v, b.least) - b.least) / b.width, last);
    };
    for (long long v : all) ++b.hoards[bin_of(v)];
    b.bin = static_cast<int>(bin_of(mine));
  }
  return 100.0 * static_cast<double>(below) / static_cast<double>(all.size());
}

}  // namespace

const std::vector<unit_tenths> &reference_totals(const generation_input &in) {
  static reference_key cached_key;
  static std::vector<unit_tenths> cached;
  reference_key key = key_of(in);
  if (!cached.empty() && key == cached_key) return cached;
  const dice_state kept = g_dice;
  g_dice.source = nullptr;
  g_dice.generator.reseed(REFERENCE_SEED);
  cached.clear();
  cached.reserve(REFERENCE_HOARDS);
  ledger_sink sink;
  for (long i = 0; i < REFERENCE_HOARDS; ++i) {
    interpret_text(automatic_script_text(in), in.tables, sink);
    cached.push_back(sink.ledger.total());
  }
  g_dice = kept;
  cached_key = key;
  return cached;
}

std::string reference_name(const generation_input &in) {
  char label[NAME_SIZE + GROUP_SIZE + 8];
  monster_label(monster_at(in.tables, in.config.monster_index), label,
                sizeof label);
  return "2,000 hoards of " + std::string(label) + " in " +
         area_at(in.tables, in.config.lair_index).name;
}

ledger_rank rank_ledger(const hoard_ledger &l,
                        const std::vector<unit_tenths> &reference,
                        const exchange_rates &r, bool binned) {
  ledger_rank rank;
  rank.binned = binned;
  const unit_tenths mine = l.total();
  std::vector<long long> all;
  all.reserve(reference.size());
  for (coin_kind u : UNITS) {
    all.clear();
    for (const unit_tenths &t : reference) all.push_back(t[u]);
    const int at = static_cast<int>(u);
    rank.below[at] =
        share_below(all, mine[u], binned ? &rank.bins[at] : nullptr);
  }
  long long my_total = r.given() ? in_smallest(mine, r) : -1;
  if (my_total >= 0) {
    all.clear();
    for (const unit_tenths &t : reference) all.push_back(in_smallest(t, r));
    rank.converted = true;
    rank.total_below =
        share_below(all, my_total, binned ? &rank.total_bins : nullptr);
  }
  return rank;
}

namespace {

std::string line(const char *label, const std::string &text) {
  char head[32];
  std::snprintf(head, sizeof head, "  %-18s", label);
  return head + text + "\n";
}

std::string listed(const std::vector<listed_value> &values) {
  std::string s;
  for (const listed_value &v : values)
    s += "    " + tenths_text(v.value.tenths) + " " +
         coin_unit_text(v.value.unit) + ": " + v.item + "\n";
  return s;
}

coin_kind top_unit(const ledger_request &r) {
  return r.in == coin_kind::none ? coin_kind::gold_coins : r.in;
}

using json = nlohmann::ordered_json;

// An amount of tenths as a JSON number: the decimal the ledger writes, with
// ".0" for a whole amount ("51.0", "26.5"); a double prints it back exactly.
json amount_json(long long tenths) { return static_cast<double>(tenths) / 10; }

json units_json(const unit_tenths &amounts) {
  json out = json::object();
  for (coin_kind u : UNITS)
    if (amounts[u] != 0) out[coin_unit_text(u)] = amount_json(amounts[u]);
  return out;
}

json value_json(const item_value &v) {
  return {{"amount", amount_json(v.tenths)},
          {"unit", coin_unit_text(v.unit)},
          {"kind", kind_text(v.kind)}};
}

json listed_json(const std::vector<listed_value> &values) {
  json out = json::array();
  for (const listed_value &v : values)
    out.push_back(
        {{"item", utf8_replaced(v.item)}, {"value", value_json(v.value)}});
  return out;
}

// A share in per cent with one decimal, as "%.1f" writes it.
json share_json(double p) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", p);
  return std::strtod(buf, nullptr);
}

json bins_json(const rank_bins &b) {
  return {{"least", amount_json(b.least)},
          {"most", amount_json(b.most)},
          {"width", amount_json(b.width)},
          {"hoards", b.hoards},
          {"bin", b.bin}};
}

std::string percent(double p) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.0f%%", p);
  return buf;
}

}  // namespace

std::string ledger_text(const hoard_ledger &l, const ledger_request &r,
                        const ledger_rank *rank, std::string_view what,
                        std::string_view title) {
  std::string s = std::string(title) + ":\n";
  const unit_tenths total = l.total();
  s += line("coins:", units_text(l.coins));
  s += line("stated worth:", units_text(l.worth));
  s += line("total:", units_text(total));
  if (r.rates.given() && r.in != coin_kind::none) {
    long long all = in_smallest(total, r.rates);
    s += line((std::string("total in ") + coin_unit_text(r.in) + ":").c_str(),
              all < 0 ? "too large to convert"
                      : units_text(in_units(all, r.in, r.rates)));
  }
  if (!l.base.empty())
    s += "  base values, not in the total:\n" + listed(l.base);
  if (!l.promised.empty())
    s += "  promised elsewhere, not in the total:\n" + listed(l.promised);
  std::string unvalued;
  for (int c = 0; c < CATEGORY_CODES; ++c)
    if (l.unvalued[c] > 0)
      unvalued += (unvalued.empty() ? "" : ", ") +
                  std::to_string(l.unvalued[c]) + " " + category_name(c);
  s += line("no value stated:", unvalued.empty() ? "none" : unvalued);
  if (l.unlisted > 0)
    s += line("not listed:", std::to_string(l.unlisted) + " more items");
  ledger_split split;
  if (r.split > 0 && split_ledger(l, r.split, r.rates, split)) {
    s += "  split " + std::to_string(split.players) + " ways:\n";
    s += line("  each:", units_text(split.share));
    s += line("  left over:", units_text(split.left));
    if (split.converted) {
      s += line("  each in all:", units_text(in_units(split.share_smallest,
                                                      top_unit(r), r.rates)));
      s +=
          line("  left in all:",
               units_text(in_units(split.left_smallest, top_unit(r), r.rates)));
    }
    if (!l.to_hand_out.empty()) {
      s += "    to hand out:\n";
      for (const std::string &item : l.to_hand_out) s += "      " + item + "\n";
    }
  }
  if (rank) {
    for (int u = UNIT_COUNT; u >= 1; --u)
      s += line(u == UNIT_COUNT ? "rank:" : "",
                std::string("more ") +
                    coin_unit_text(static_cast<coin_kind>(u)) + " than " +
                    percent(rank->below[u]) + " of " + std::string(what));
    if (rank->converted)
      s += line("", "a greater total than " + percent(rank->total_below) +
                        " of " + std::string(what));
  }
  return s;
}

std::string ledger_json(const hoard_ledger &l, const ledger_request &r,
                        const ledger_rank *rank) {
  const unit_tenths total = l.total();
  json out = {{"coins", units_json(l.coins)},
              {"worth", units_json(l.worth)},
              {"total", units_json(total)},
              {"base", listed_json(l.base)},
              {"promised", listed_json(l.promised)}};
  json unvalued = json::object();
  for (int c = 0; c < CATEGORY_CODES; ++c)
    if (l.unvalued[c] > 0) unvalued[category_name(c)] = l.unvalued[c];
  out["unvalued"] = unvalued;
  if (l.unlisted > 0) out["unlisted"] = l.unlisted;
  if (r.rates.given() && r.in != coin_kind::none) {
    long long all = in_smallest(total, r.rates);
    if (all >= 0)
      out["in"] = {{"unit", coin_unit_text(r.in)},
                   {"parts", units_json(in_units(all, r.in, r.rates))}};
  }
  ledger_split split;
  if (r.split > 0 && split_ledger(l, r.split, r.rates, split)) {
    json s = {{"players", split.players},
              {"each", units_json(split.share)},
              {"left", units_json(split.left)}};
    if (split.converted) {
      s["each_in_all"] =
          units_json(in_units(split.share_smallest, top_unit(r), r.rates));
      s["left_in_all"] =
          units_json(in_units(split.left_smallest, top_unit(r), r.rates));
    }
    json hand_out = json::array();
    for (const std::string &item : l.to_hand_out)
      hand_out.push_back(utf8_replaced(item));
    s["to_hand_out"] = hand_out;
    out["split"] = s;
  }
  if (rank) {
    json below = json::object();
    for (coin_kind u : UNITS)
      below[coin_unit_text(u)] = share_json(rank->below[static_cast<int>(u)]);
    if (rank->converted) below["total"] = share_json(rank->total_below);
    out["rank"] = below;
    if (rank->binned) {
      json bins = json::object();
      for (coin_kind u : UNITS)
        bins[coin_unit_text(u)] = bins_json(rank->bins[static_cast<int>(u)]);
      if (rank->converted) bins["total"] = bins_json(rank->total_bins);
      out["rank_bins"] = bins;
    }
  }
  return out.dump();
}

std::string item_values_json(const item_values &values) {
  if (values.count == 0) return "";
  std::string s = ",\"value\":" + value_json(values.at[0]).dump();
  if (values.count > 1) {
    json all = json::array();
    for (const item_value &v : values) all.push_back(value_json(v));
    s += ",\"values\":" + all.dump();
  }
  return s;
}

namespace {

json tenths_array(const unit_tenths &amounts) {
  json out = json::array();
  for (coin_kind u : UNITS) out.push_back(amounts[u]);
  return out;
}

json listed_data(const std::vector<listed_value> &values) {
  json out = json::array();
  for (const listed_value &v : values)
    out.push_back({utf8_replaced(v.item), static_cast<int>(v.value.unit),
                   v.value.tenths});
  return out;
}

bool amount_in(const json &j, long long lo, long long &out) {
  if (!j.is_number_integer()) return false;
  out = j.get<long long>();
  return out >= lo && out <= MAX_DATA_TENTHS;
}

bool read_tenths(const json &j, unit_tenths &out) {
  if (!j.is_array() || j.size() != UNIT_COUNT) return false;
  for (int u = 0; u < UNIT_COUNT; ++u)
    if (!amount_in(j[u], -MAX_DATA_TENTHS, out.at[u + 1])) return false;
  return true;
}

bool read_listed(const json &j, value_kind kind,
                 std::vector<listed_value> &out) {
  if (!j.is_array() || j.size() > MAX_LISTED) return false;
  for (const json &e : j) {
    long long unit = 0, tenths = 0;
    if (!e.is_array() || e.size() != 3 || !e[0].is_string() ||
        !amount_in(e[1], 1, unit) || unit > UNIT_COUNT ||
        !amount_in(e[2], -MAX_DATA_TENTHS, tenths))
      return false;
    out.push_back({e[0].get<std::string>(),
                   {kind, static_cast<coin_kind>(unit), tenths}});
  }
  return true;
}

}  // namespace

std::string ledger_data_json(const hoard_ledger &l) {
  json out = {{"reports", l.reports},
              {"coins", tenths_array(l.coins)},
              {"worth", tenths_array(l.worth)},
              {"base", listed_data(l.base)},
              {"promised", listed_data(l.promised)},
              {"unvalued", json::array()},
              {"to_hand_out", json::array()},
              {"unlisted", l.unlisted}};
  for (long count : l.unvalued) out["unvalued"].push_back(count);
  for (const std::string &item : l.to_hand_out)
    out["to_hand_out"].push_back(utf8_replaced(item));
  return out.dump();
}

bool read_ledger_data(std::string_view text, hoard_ledger &l) {
  const json j = json::parse(text.begin(), text.end(), nullptr, false);
  if (!j.is_object()) return false;
  for (const char *key : {"reports", "coins", "worth", "base", "promised",
                          "unvalued", "to_hand_out", "unlisted"})
    if (!j.contains(key)) return false;
  hoard_ledger r;
  long long n = 0;
  if (!amount_in(j["reports"], 0, n)) return false;
  r.reports = static_cast<long>(n);
  if (!amount_in(j["unlisted"], 0, n)) return false;
  r.unlisted = static_cast<long>(n);
  if (!read_tenths(j["coins"], r.coins) || !read_tenths(j["worth"], r.worth) ||
      !read_listed(j["base"], value_kind::base, r.base) ||
      !read_listed(j["promised"], value_kind::promised, r.promised))
    return false;
  const json &unvalued = j["unvalued"], &hand_out = j["to_hand_out"];
  if (!unvalued.is_array() || unvalued.size() != CATEGORY_CODES ||
      !hand_out.is_array() || hand_out.size() > MAX_LISTED)
    return false;
  for (int c = 0; c < CATEGORY_CODES; ++c) {
    if (!amount_in(unvalued[c], 0, n)) return false;
    r.unvalued[c] = static_cast<long>(n);
  }
  for (const json &item : hand_out) {
    if (!item.is_string()) return false;
    r.to_hand_out.push_back(item.get<std::string>());
  }
  l = std::move(r);
  return true;
}
