// What a command takes from its settings: the monster, the lair and the
// numbers it uses, said in words, and a warning for each option given that
// the monster asks nothing for.
#include <cstdio>

#include "commands.h"

namespace {

// The special scores the monster's code asks for.
struct asked_scores {
  bool station, mel_cel;
};

asked_scores scores_asked(uint32_t code) {
  const bool scores = code & (SCORES_STATION_EXTRA | SCORES_MEL_EXTRA);
  return {scores || (code & HAS_STATION) != 0, scores};
}

std::string label_of(const monster_record &m) {
  char label[LABEL_SIZE];
  monster_label(m, label, sizeof label);
  return label;
}

}  // namespace

void warn_unused_options(const setting_options &o, const session &s) {
  const monster_record &m = monster_at(s.tables, s.config.monster_index);
  const asked_scores asked = scores_asked(m.special_code);
  auto warn = [&](const std::string &option) {
    complain("warning: " + option + ": " + label_of(m) +
             " does not ask for it; it changes nothing");
  };
  if (o.station && !asked.station) warn("--station");
  if (o.mel && !asked.mel_cel) warn("--mel");
  if (o.cel && !asked.mel_cel) warn("--cel");
  if (o.yes.empty()) return;
  for (const special_flag &f : special_flag_rows)
    if (f.use == flag_use::answer && (s.config.answers & f.bit) &&
        !(m.special_code & f.bit))
      warn(std::string("--yes ") + f.name);
}

used_settings settings_in_use(const session &s) {
  const settings &c = s.config;
  const monster_record &m = monster_at(s.tables, c.monster_index);
  used_settings u;
  u.monster = std::to_string(c.monster_index + 1) + " " + label_of(m);
  u.lair = std::to_string(c.lair_index + 1) + " " +
           area_at(s.tables, c.lair_index).name;
  u.numbers = "CDF " + std::to_string(c.cdf) + ", group CDF " +
              std::to_string(c.group_cdf) + ", jeweler's EL " +
              std::to_string(c.jeweler_el);
  const asked_scores asked = scores_asked(m.special_code);
  if (asked.station) u.numbers += ", Station " + std::to_string(c.station);
  if (asked.mel_cel)
    u.numbers +=
        ", MEL " + std::to_string(c.mel) + ", CEL " + std::to_string(c.cel);
  std::string yes;
  bool asks = false;
  for (const special_flag &f : special_flag_rows) {
    if (f.use != flag_use::answer || !(m.special_code & f.bit)) continue;
    asks = true;
    if (c.answers & f.bit) {
      yes += (yes.empty() ? "" : ",") + std::string(f.name);
      u.answers.push_back(f.name);
    }
  }
  if (asks) u.numbers += ", yes: " + (yes.empty() ? "none" : yes);
  return u;
}

std::string used_settings::lines() const {
  return "Monster: " + monster + "\nLair: " + lair + "\nSettings: " + numbers +
         "\n";
}
