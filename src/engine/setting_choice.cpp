// The settings chosen by name or number, checked as the settings screens
// check them, and applied over loaded settings.
#include "setting_choice.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <vector>

std::string range_text(value_range r) {
  return std::to_string(r.lo) + " to " + std::to_string(r.hi);
}

namespace {

std::string lower(std::string s) {
  for (char &c : s)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Letters the two words do not share in order: the edit distance.
std::size_t distance(const std::string &a, const std::string &b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      std::size_t keep = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1,
                         diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = keep;
    }
  }
  return row[b.size()];
}

// The index of a record given by its 1-based number as the lists show it, or
// by its name (or for a monster "group, name"), without regard to case.
// `names[i]` holds the names record i answers to, the first one shown.
// Returns -1 with a message in err when there is no such record or several.
int find_record(const char *option, const std::string &given,
                const std::vector<std::vector<std::string>> &names,
                std::string &err) {
  const int count = static_cast<int>(names.size());
  if (!given.empty() &&
      std::all_of(given.begin(), given.end(),
                  [](unsigned char c) { return std::isdigit(c); })) {
    long n = given.size() > 9 ? 0 : std::stol(given);
    if (n >= 1 && n <= count) return static_cast<int>(n - 1);
    err = std::string(option) + ": the number must be 1 to " +
          std::to_string(count);
    return -1;
  }
  // "_" stands for a blank, as in the information files.
  std::string want = lower(given);
  std::replace(want.begin(), want.end(), '_', ' ');
  std::vector<int> exact, close;
  for (int i = 0; i < count; ++i) {
    bool same = false, near = false;
    for (const std::string &name : names[i]) {
      std::string have = lower(name);
      same = same || have == want;
      near = near || have.find(want) != std::string::npos ||
             distance(have, want) <= 2;
    }
    if (same) exact.push_back(i);
    if (near) close.push_back(i);
  }
  if (exact.size() == 1) return exact[0];
  const std::vector<int> &listed = exact.empty() ? close : exact;
  std::string message = std::string(option) + ": " +
                        (exact.empty() ? "no match for '" : "'") + given +
                        (exact.empty() ? "'" : "' is ambiguous");
  for (std::size_t k = 0; k < listed.size(); ++k)
    message += (k == 0 ? "; close matches: " : ", ") +
               std::to_string(listed[k] + 1) + " " + names[listed[k]][0];
  err = message;
  return -1;
}

std::string trimmed_name(const char *s) {
  std::string name(s);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

// The answers of a comma-separated list of answer names; false with a
// message in err for a name that is none.
bool parse_answers(const std::string &list, uint32_t &answers,
                   std::string &err) {
  answers = 0;
  std::stringstream in(list);
  std::string word;
  while (std::getline(in, word, ',')) {
    if (word.empty()) continue;
    bool found = false;
    for (const special_flag &f : special_flag_rows)
      if (f.use == flag_use::answer && lower(word) == f.name) {
        answers |= f.bit;
        found = true;
      }
    if (!found) {
      std::string names;
      for (const special_flag &f : special_flag_rows)
        if (f.use == flag_use::answer)
          names += std::string(names.empty() ? "" : ", ") + f.name;
      err = "--yes: no answer named '" + word + "'; the answers are " + names;
      return false;
    }
  }
  return true;
}

// "D/M/Y" within the game date's ranges.
bool parse_game_date(const std::string &text, settings &s, std::string &err) {
  int d = 0, m = 0, y = 0;
  char end = 0;
  auto in = [](int v, value_range r) { return v >= r.lo && v <= r.hi; };
  if (std::sscanf(text.c_str(), "%d/%d/%d%c", &d, &m, &y, &end) != 3 ||
      !in(d, GAME_DAY_RANGE) || !in(m, GAME_MONTH_RANGE) ||
      !in(y, GAME_YEAR_RANGE)) {
    err = "--game-date: D/M/Y with day " + range_text(GAME_DAY_RANGE) +
          ", month " + range_text(GAME_MONTH_RANGE) + ", year " +
          range_text(GAME_YEAR_RANGE);
    return false;
  }
  s.game_day = d;
  s.game_month = m;
  s.game_year = y;
  return true;
}

// A position or comment: what the text fields accept.
bool copy_text(const char *option, const std::string &text, char *out,
               std::string &err) {
  bool ok = text.size() < TEXT_SIZE;
  for (char c : text)
    ok = ok && (c == ' ' || is_output_name_char(static_cast<unsigned char>(c)));
  if (!ok) {
    err = std::string(option) + ": at most " + std::to_string(TEXT_SIZE - 1) +
          " letters, digits, blanks, '{', '}' or '_'";
    return false;
  }
  std::snprintf(out, TEXT_SIZE, "%s", text.empty() ? " " : text.c_str());
  return true;
}

// A number given for a ranged setting: taken when within the range.
bool take_ranged(const char *option, const std::optional<int> &value,
                 value_range range, int32_t &out, std::string &err) {
  if (!value) return true;
  if (*value < range.lo || *value > range.hi) {
    err = std::string(option) + ": Value " + std::to_string(*value) +
          " not in range " + range_text(range);
    return false;
  }
  out = *value;
  return true;
}

}  // namespace

std::string apply_setting_choices(const setting_choices &o, session &s) {
  std::string err;
  settings &c = s.config;
  if (!o.monster.empty()) {
    std::vector<std::vector<std::string>> names;
    for (int i = 0; i < s.tables.monster_count; ++i) {
      const monster_record &m = s.tables.monsters[i];
      char label[LABEL_SIZE];
      monster_label(m, label, sizeof label);
      names.push_back({label, trimmed_name(m.name)});
    }
    c.monster_index = find_record("--monster", o.monster, names, err);
    if (c.monster_index < 0) return err;
  }
  if (!o.lair.empty()) {
    std::vector<std::vector<std::string>> names;
    for (int i = 0; i < s.tables.area_count; ++i)
      names.push_back({trimmed_name(s.tables.areas[i].name)});
    c.lair_index = find_record("--lair", o.lair, names, err);
    if (c.lair_index < 0) return err;
  }
  if (!take_ranged("--cdf", o.cdf, CDF_RANGE, c.cdf, err) ||
      !take_ranged("--group-cdf", o.group_cdf, CDF_RANGE, c.group_cdf, err) ||
      !take_ranged("--jeweler-el", o.jeweler_el, JEWELER_EL_RANGE, c.jeweler_el,
                   err) ||
      !take_ranged("--station", o.station, STATION_RANGE, c.station, err) ||
      !take_ranged("--mel", o.mel, MEL_CEL_RANGE, c.mel, err) ||
      !take_ranged("--cel", o.cel, MEL_CEL_RANGE, c.cel, err))
    return err;
  if (!o.yes.empty() && !parse_answers(o.yes, c.answers, err)) return err;
  if (!o.game_date.empty() && !parse_game_date(o.game_date, c, err)) return err;
  if (!copy_text("--position", o.position, s.position, err) ||
      !copy_text("--comment", o.comment, s.comment, err))
    return err;
  return "";
}
