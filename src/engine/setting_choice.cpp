// The settings chosen by name or number, checked as the settings screens
// and the command line check them, and applied over loaded settings.
#include "setting_choice.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>
#include <vector>

#include "escaped_text.h"
#include "info_files.h"
#include "name_match.h"

std::string range_text(value_range r) {
  return std::to_string(r.lo) + " to " + std::to_string(r.hi);
}

std::string trim_blanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::optional<int64_t> read_decimal(std::string_view text) {
  if (text.empty()) return std::nullopt;
  constexpr int64_t most = std::numeric_limits<int64_t>::max();
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const int digit = c - '0';
    value = value > (most - digit) / 10 ? most : value * 10 + digit;
  }
  return value;
}

std::string number_refusal(std::string_view text, int64_t lo, int64_t hi,
                           int64_t &out) {
  const std::string value = trim_blanks(text);
  const std::optional<int64_t> read = read_decimal(value);
  if (!read) return "'" + value + "' is not a decimal number";
  if (*read < lo || *read > hi) {
    const std::size_t zeros =
        std::min(value.find_first_not_of('0'), value.size() - 1);
    return "Value " + value.substr(zeros) + " not in range " +
           std::to_string(lo) + " to " + std::to_string(hi);
  }
  out = *read;
  return "";
}

const setting_row &setting_row_of(std::string setting_choices::*choice) {
  for (const setting_row &row : SETTING_ROWS)
    if (row.choice == choice) return row;
  return SETTING_ROWS[0];
}

std::string setting_help(const setting_row &row) {
  std::string help = row.help;
  if (row.kind == setting_kind::number) {
    // Then what the number does: the explanation's line after its name.
    std::string does = explanation_of(row.explained).line;
    help += " (" + range_text(row.range) + ")" + does.erase(0, does.find(": "));
  }
  if (row.kind == setting_kind::answers)
    help +=
        ": " + answer_names() + "; " + NO_ANSWERS + ": every one answered no";
  return help;
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
// by its name (or for a monster "group, name"), without regard to case:
// a name equal to it, else the one name holding it. `names[i]` holds the
// names record i answers to, the first one shown. Returns -1 with the message
// in `error`, the candidates one a line below it, when there is no such
// record or several. A name that matches none but holds among `left_out`,
// the names after the count of the file, gets the sentence saying that
// `left_out_sentence` gives.
int find_record(const char *option, const std::string &given,
                const std::vector<std::vector<std::string>> &names,
                const std::vector<std::string> &left_out,
                const std::string &left_out_sentence, std::string &error) {
  const int count = static_cast<int>(names.size());
  if (std::optional<int64_t> n = read_decimal(given)) {
    if (*n >= 1 && *n <= count) return static_cast<int>(*n - 1);
    error = std::string(option) + ": the number must be 1 to " +
            std::to_string(count);
    return -1;
  }
  const std::string want = folded_name(given);
  std::vector<int> exact, holding, close;
  for (int i = 0; i < count; ++i) {
    bool same = false, holds = false, near = false;
    for (const std::string &name : names[i]) {
      std::string have = folded_name(name);
      same = same || have == want;
      holds = holds || have.find(want) != std::string::npos;
      near = near || distance(have, want) <= 2;
    }
    if (same) exact.push_back(i);
    if (holds) holding.push_back(i);
    if (near) close.push_back(i);
  }
  if (exact.size() == 1) return exact[0];
  if (exact.empty() && holding.size() == 1) return holding[0];
  const std::vector<int> &listed = !exact.empty()     ? exact
                                   : !holding.empty() ? holding
                                                      : close;
  error = std::string(option) + ": ";
  if (!exact.empty() || !holding.empty())
    error += "'" + escaped_text(given) + "' fits several:";
  else if (!close.empty())
    error += "no match for '" + escaped_text(given) + "'; close matches:";
  else
    error += "no match for '" + escaped_text(given) +
             "'; 'hoardex list' shows them all";
  for (int i : listed)
    error += "\n  " + std::to_string(i + 1) + ": " + names[i][0];
  if (exact.empty() && holding.empty())
    for (const std::string &name : left_out)
      if (folded_name(name).find(want) != std::string::npos) {
        error += "\n" + left_out_sentence;
        break;
      }
  return -1;
}

std::string trimmed_name(const char *s) {
  std::string name(s);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

// The answer rows in the order of their flags.
std::vector<const special_flag *> answer_rows() {
  std::vector<const special_flag *> rows;
  for (const special_flag &f : special_flag_rows)
    if (f.use == flag_use::answer) rows.push_back(&f);
  std::sort(rows.begin(), rows.end(),
            [](const special_flag *a, const special_flag *b) {
              return a->bit < b->bit;
            });
  return rows;
}

// The answers of a comma-separated list of answer names, or "none"; "" or
// the message refusing the list.
std::string parse_answers(const char *option, const std::string &list,
                          uint32_t &answers) {
  answers = 0;
  if (lower(list) == NO_ANSWERS) return "";
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = std::min(list.find(',', start), list.size());
    std::string word = lower(trim_blanks(list.substr(start, comma - start)));
    const special_flag *found = nullptr;
    for (const special_flag *f : answer_rows())
      if (word == f->name) found = f;
    if (!found)
      return std::string(option) + ": " +
             (word.empty() ? std::string("an empty answer name")
                           : "no answer named '" + escaped_text(word) + "'") +
             "; the answers are " + answer_names() + ", or " + NO_ANSWERS +
             " alone";
    answers |= found->bit;
    if (comma == list.size()) return "";
    start = comma + 1;
  }
}

// "D/M/Y" within the game date's ranges; "" or the message refusing it.
std::string parse_game_date(const char *option, const std::string &text,
                            settings &s) {
  const char *names[3] = {"day", "month", "year"};
  const value_range ranges[3] = {GAME_DAY_RANGE, GAME_MONTH_RANGE,
                                 GAME_YEAR_RANGE};
  int *fields[3] = {&s.game_day, &s.game_month, &s.game_year};
  int64_t parts[3];
  std::size_t start = 0;
  for (int k = 0; k < 3; ++k) {
    std::size_t slash = k < 2 ? text.find('/', start) : text.size();
    std::optional<int64_t> v =
        slash == std::string::npos
            ? std::nullopt
            : read_decimal(trim_blanks(text.substr(start, slash - start)));
    if (!v || (k == 2 && text.find('/', start) != std::string::npos))
      return std::string(option) + ": D/M/Y in decimal, with day " +
             range_text(GAME_DAY_RANGE) + ", month " +
             range_text(GAME_MONTH_RANGE) + ", year " +
             range_text(GAME_YEAR_RANGE);
    if (*v < ranges[k].lo || *v > ranges[k].hi)
      return std::string(option) + ": the " + names[k] + " " +
             (*v > 999999999 ? escaped_text(text.substr(start, slash - start))
                             : std::to_string(*v)) +
             " is not in range " + range_text(ranges[k]);
    parts[k] = *v;
    start = slash + 1;
  }
  for (int k = 0; k < 3; ++k) *fields[k] = static_cast<int>(parts[k]);
  return "";
}

// A position or comment: what the text fields accept.
std::string copy_text(const char *option, const std::string &text, char *out) {
  bool ok = text.size() < POSITION_COMMENT_SIZE;
  for (char c : text)
    ok = ok && (c == ' ' || is_output_name_char(static_cast<unsigned char>(c)));
  if (!ok)
    return std::string(option) + ": at most " +
           std::to_string(POSITION_COMMENT_SIZE - 1) +
           " letters, digits, blanks, '{', '}' or '_'";
  std::snprintf(out, POSITION_COMMENT_SIZE, "%s",
                text.empty() ? " " : text.c_str());
  return "";
}

}  // namespace

std::string answer_names() {
  std::string names;
  for (const special_flag *f : answer_rows())
    names += std::string(names.empty() ? "" : ", ") + f->name;
  return names;
}

std::string group_cdf_note(const settings &c) {
  if (c.group_cdf >= c.cdf) return "";
  return "the group's highest CDF (" + std::to_string(c.group_cdf) +
         ") is below the creature's CDF (" + std::to_string(c.cdf) +
         "): kept as given";
}

std::string apply_setting_choices(const setting_choices &o, session &s) {
  settings &c = s.config;
  std::string error;
  for (const setting_row &row : SETTING_ROWS) {
    const std::string given = trim_blanks(o.*row.choice);
    if (!error.empty() || (o.*row.choice).empty()) continue;
    if (row.kind != setting_kind::number && given.empty()) {
      error = std::string(row.option) + ": an empty value is not allowed";
      continue;
    }
    switch (row.kind) {
      case setting_kind::record:
        if (row.choice == &setting_choices::monster) {
          std::vector<std::vector<std::string>> names;
          for (int i = 0; i < s.tables.monster_count; ++i) {
            const monster_record &m = s.tables.monsters[i];
            char label[LABEL_SIZE];
            monster_label(m, label, sizeof label);
            names.push_back({label, trimmed_name(m.name)});
          }
          const int left = s.tables.monsters_left_out;
          c.monster_index = find_record(
              row.option, given, names,
              left > 0 ? names_left_out(true) : std::vector<std::string>(),
              left_out_sentence(left, 0), error);
        } else {
          std::vector<std::vector<std::string>> names;
          for (int i = 0; i < s.tables.area_count; ++i)
            names.push_back({trimmed_name(s.tables.areas[i].name)});
          const int left = s.tables.areas_left_out;
          c.lair_index = find_record(
              row.option, given, names,
              left > 0 ? names_left_out(false) : std::vector<std::string>(),
              left_out_sentence(0, left), error);
        }
        break;
      case setting_kind::number: {
        int64_t value = 0;
        error = number_refusal(given, row.range.lo, row.range.hi, value);
        if (error.empty())
          c.*row.field = static_cast<int32_t>(value);
        else
          error = std::string(row.option) + ": " + error;
        break;
      }
      case setting_kind::answers:
        error = parse_answers(row.option, given, c.answers);
        break;
      case setting_kind::date:
        error = parse_game_date(row.option, given, c);
        break;
      case setting_kind::text:
        error = copy_text(
            row.option, given,
            row.choice == &setting_choices::position ? s.position : s.comment);
        break;
    }
  }
  return error;
}
