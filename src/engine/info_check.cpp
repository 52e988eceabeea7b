// The information-file checker: the loaders' rules, read to the end of the
// file with the line of every token kept.
#include "info_check.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

struct token_reader {
  FILE *f;
  long line = 1;
  long token_line = 1;  // line where the last token started

  // The next blank-separated token; false at the end of the file.
  bool next(std::string &tok) {
    tok.clear();
    int c;
    while ((c = std::fgetc(f)) != EOF && std::strchr(" \t\n\r\v\f", c)) {
      if (c == '\n') ++line;
    }
    if (c == EOF) return false;
    token_line = line;
    while (c != EOF && !std::strchr(" \t\n\r\v\f", c)) {
      tok += static_cast<char>(c);
      c = std::fgetc(f);
    }
    if (c == '\n') ++line;
    return true;
  }
};

bool decimal(const std::string &s, long long &v) {
  std::size_t i = (s[0] == '+' || s[0] == '-') ? 1 : 0;
  if (i == s.size() || s.size() > 63) return false;
  for (std::size_t k = i; k < s.size(); ++k)
    if (s[k] < '0' || s[k] > '9') return false;
  errno = 0;
  v = std::strtoll(s.c_str(), nullptr, 10);
  return true;
}

bool hex32(const std::string &s, uint32_t &v) {
  std::size_t i =
      (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) ? 2 : 0;
  if (i == s.size()) return false;
  unsigned long long n = 0;
  for (; i < s.size(); ++i) {
    char c = s[i];
    int d = (c >= '0' && c <= '9')   ? c - '0'
            : (c >= 'a' && c <= 'f') ? c - 'a' + 10
            : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                     : -1;
    if (d < 0) return false;
    n = n * 16 + static_cast<unsigned>(d);
    if (n > 0xFFFFFFFFull) return false;
  }
  v = static_cast<uint32_t>(n);
  return true;
}

// One file being checked: its tokens and the problems found so far.
struct checker {
  token_reader in;
  const char *file;
  std::vector<info_problem> problems;
  std::string tok;

  void problem(const std::string &entry, const std::string &what) {
    problems.push_back({file, in.token_line, entry, what});
  }
  // The next field of an entry; false (with the problem noted) at the end.
  bool field(const std::string &entry, const char *name) {
    if (in.next(tok)) return true;
    problem(entry, std::string("the file ends before the ") + name);
    return false;
  }
  // A decimal field in [lo, hi].
  bool number(const std::string &entry, const char *name, long long lo,
              long long hi, long long *out = nullptr) {
    if (!field(entry, name)) return false;
    long long v = 0;
    if (!decimal(tok, v))
      problem(entry, std::string("the ") + name + " '" + tok +
                         "' is not a decimal number");
    else if (v < lo || v > hi)
      problem(entry, std::string("the ") + name + " " + tok + " is outside " +
                         std::to_string(lo) + " to " + std::to_string(hi));
    else if (out)
      *out = v;
    return true;
  }
  bool hex(const std::string &entry, const char *name, uint32_t *out) {
    if (!field(entry, name)) return false;
    if (!hex32(tok, *out)) {
      problem(entry, std::string("the ") + name + " '" + tok +
                         "' is not a 32-bit hexadecimal number");
      *out = 0;
    }
    return true;
  }
  // The leading count of entries, 1 to limit; 0 when it cannot be read.
  int count(const char *what, int limit) {
    long long n = 0;
    std::string name = std::string("number of ") + what + "s";
    if (!number("", name.c_str(), 1, limit, &n)) return 0;
    return static_cast<int>(n);
  }
  // Tokens after the last entry the count promised.
  void trailing(const char *what) {
    if (in.next(tok))
      problem("", std::string("more ") + what +
                      "s follow than the count at the top says ('" + tok +
                      "' starts them)");
  }
};

std::string entry_name(const char *what, int n, const std::string &label) {
  return std::string(what) + " " + std::to_string(n) + " (" + label + ")";
}

}  // namespace

std::vector<info_problem> check_monster_file(FILE *f, const char *file_name) {
  checker c{{f}, file_name, {}, {}};
  int total = c.count("monster", MAX_MONSTERS);
  for (int i = 1; i <= total; ++i) {
    std::string entry = "monster " + std::to_string(i);
    if (!c.field(entry, "name")) break;
    entry = entry_name("monster", i, c.tok);
    uint32_t special = 0, portable = 0;
    if (!c.field(entry, "group") ||
        !c.number(entry, "lair item count", 0, MAX_LAIR_ITEMS) ||
        !c.hex(entry, "special code", &special))
      break;
    if (special & HAS_PORTABLE) {
      if (!c.hex(entry, "portable code", &portable) ||
          !c.field(entry, "portable text"))
        break;
      if (c.tok.size() > PORTABLE_TEXT_MAX)
        c.problem(entry, "the portable text is longer than " +
                             std::to_string(PORTABLE_TEXT_MAX) + " characters");
    }
  }
  if (total > 0 && c.problems.empty()) c.trailing("monster");
  return c.problems;
}

std::vector<info_problem> check_area_file(FILE *f, const char *file_name) {
  checker c{{f}, file_name, {}, {}};
  int total = c.count("area", MAX_AREAS);
  const char *bounds[] = {"other bound", "coins bound", "gems bound",
                          "military bound", "magic bound"};
  bool whole = true;
  for (int i = 1; i <= total && whole; ++i) {
    std::string entry = "area " + std::to_string(i);
    if (!c.field(entry, "name")) break;
    entry = entry_name("area", i, c.tok);
    for (const char *b : bounds)
      if (!(whole = c.number(entry, b, INT32_MIN, INT32_MAX))) break;
  }
  if (total > 0 && c.problems.empty()) c.trailing("area");
  return c.problems;
}

std::vector<info_problem> check_settings_file(FILE *f, const char *file_name,
                                              const info_tables &t) {
  checker c{{f}, file_name, {}, {}};
  const std::string entry = "settings";
  if (!c.field(entry, "output name")) return c.problems;
  bool name_ok = c.tok.size() < FILE_NAME_SIZE;
  for (char ch : c.tok)
    if (!is_output_name_char(static_cast<unsigned char>(ch))) name_ok = false;
  if (!name_ok)
    c.problem(entry, "the output name '" + c.tok +
                         "' is not 1 to 8 letters, digits, '{', '}' or '_'");
  const struct {
    const char *name;
    long long lo, hi;
  } fields[] = {
      {"monster number", 0, t.monster_count - 1},
      {"lair number", 0, t.area_count - 1},
      {"CDF", CDF_RANGE.lo, CDF_RANGE.hi},
      {"group CDF", CDF_RANGE.lo, CDF_RANGE.hi},
      {"jeweler's EL", JEWELER_EL_RANGE.lo, JEWELER_EL_RANGE.hi},
      {"Station", STATION_RANGE.lo, STATION_RANGE.hi},
      {"MEL", MEL_CEL_RANGE.lo, MEL_CEL_RANGE.hi},
      {"CEL", MEL_CEL_RANGE.lo, MEL_CEL_RANGE.hi},
      {"answers", INT32_MIN, INT32_MAX},
      {"game day", GAME_DAY_RANGE.lo, GAME_DAY_RANGE.hi},
      {"game month", GAME_MONTH_RANGE.lo, GAME_MONTH_RANGE.hi},
      {"game year", GAME_YEAR_RANGE.lo, GAME_YEAR_RANGE.hi},
  };
  for (const auto &fd : fields)
    if (!c.number(entry, fd.name, fd.lo, fd.hi)) break;
  return c.problems;
}
