// The information files described in words.
#include "info_explain.h"

#include <algorithm>
#include <cstdio>

#include "area_writer.h"
#include "memory_generation.h"
#include "portable_writer.h"

namespace {

std::string category_of_roll(const area_record &a, int roll) {
  return category_name(area_category(a, roll));
}

// "1-2 other, 3-4 coins, 5-6 gems and jewelry, 7-9 military, 10 magic"
std::string lair_in_words(const area_record &a) {
  std::string out;
  for (int first = 1; first <= 10;) {
    std::string category = category_of_roll(a, first);
    int last = first;
    while (last < 10 && category_of_roll(a, last + 1) == category) ++last;
    if (!out.empty()) out += ", ";
    out += std::to_string(first);
    if (last > first) out.append("-").append(std::to_string(last));
    out.append(" ").append(category);
    first = last + 1;
  }
  return out + "; 11 (adding 1) " + category_of_roll(a, 11);
}

std::string monster_in_words(const monster_record &m) {
  std::string out = std::to_string(m.lair_items) +
                    (m.lair_items == 1 ? " lair item" : " lair items");
  const uint32_t code = m.special_code;
  if (code & ADD_ONE) out += ", adds 1 to lair rolls";
  // The extra lair items: one rule applies, in this order.
  if (code & SCORES_STATION_EXTRA)
    out += ", Station + 1 more lair items";
  else if (code & SCORES_MEL_EXTRA)
    out += ", MEL more lair items";
  else if (code & MAY_HAVE_OTHERS)
    out += ", d6 more lair items on 30% when alone";
  if (code & HAS_PORTABLE) {
    const uint32_t cls = portable_class(m.portable_code);
    out += "; portable class " + std::to_string(cls);
    if (!portable_class_known(m.portable_code))
      out += " (not a class: no class items)";
    std::string extras;
    for (uint32_t bit = 1; bit <= 0x8000; bit <<= 1)
      if (const char *name = portable_extra_flag_name(bit);
          name && (m.portable_code & bit))
        extras += (extras.empty() ? " with " : ", ") + std::string(name);
    out += extras;
    if (m.portable_text && m.portable_text[0] != ' ' && m.portable_text[0])
      out += ", and its text";
  } else {
    out += "; no portable treasure";
  }
  std::string asks;
  for (const special_flag &f : special_flag_rows) {
    if (f.use == flag_use::generation || !(code & f.bit)) continue;
    std::string what = f.use == flag_use::scores    ? "Station, MEL, CEL"
                       : f.use == flag_use::station ? "Station"
                                                    : f.name;
    if (asks.find(what) == std::string::npos)
      asks += (asks.empty() ? "" : ", ") + what;
  }
  return out + "; asks " + (asks.empty() ? "nothing" : asks);
}

}  // namespace

std::string explain_text(const info_tables &t) {
  std::string out = "Monsters:\n";
  char line[512];
  for (int i = 0; i < t.monster_count; ++i) {
    char label[LABEL_SIZE];
    monster_label(t.monsters[i], label, sizeof label);
    std::snprintf(line, sizeof line, "%3d: %s: ", i + 1, label);
    out += line + monster_in_words(t.monsters[i]) + "\n";
  }
  out += "Lairs (d10 roll):\n";
  for (int i = 0; i < t.area_count; ++i) {
    std::snprintf(line, sizeof line, "%3d: %s: ", i + 1, t.areas[i].name);
    out += line + lair_in_words(t.areas[i]) + "\n";
  }
  return out;
}

std::string problems_text(const std::vector<info_problem> &problems,
                          bool has_setup) {
  std::string out;
  for (const info_problem &p : problems) {
    out += p.file + ":";
    if (p.line > 0) out += std::to_string(p.line) + ":";  // 0: file refused
    out += " " + p.entry + (p.entry.empty() ? "" : ": ") +
           (p.warning ? "warning: " : "") + p.what + "\n";
  }
  if (problems.empty())
    out += has_setup
               ? "monster.hxi, area.hxi and setup.hxi: no problems found\n"
               : "monster.hxi and area.hxi: no problems found; setup.hxi is "
                 "absent (no settings saved yet), the defaults apply\n";
  return out;
}

bool has_faults(const std::vector<info_problem> &problems) {
  return std::any_of(problems.begin(), problems.end(),
                     [](const info_problem &p) { return !p.warning; });
}
