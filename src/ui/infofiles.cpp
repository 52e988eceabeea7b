// Loading the monster, area and settings files and saving the settings.
// Every read is bounded: text tokens are cut to their fields, counts and
// numbers are checked before anything is stored, and a bad entry is reported
// with the file's name and the entry's number.
#include "infofiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "hoardex.h"

namespace {

constexpr int MAX_LAIR_ITEMS = 999;
constexpr int NUMBER_TOKEN = 64;  // longest number token taken whole

// Reads the next token into out, cut to size - 1 characters; the rest of a
// longer token is skipped. Returns the token's full length, or -1 when the
// file ends (or fails) before a token starts.
long read_token(FILE *f, char *out, std::size_t size) {
  int c;
  do {
    c = std::fgetc(f);
  } while (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' ||
           c == '\f');
  if (c == EOF) {
    out[0] = '\0';
    return -1;
  }
  long len = 0;
  std::size_t kept = 0;
  while (c != EOF && c != ' ' && c != '\t' && c != '\n' && c != '\r' &&
         c != '\v' && c != '\f') {
    if (kept + 1 < size) out[kept++] = static_cast<char>(c);
    ++len;
    c = std::fgetc(f);
  }
  out[kept] = '\0';
  return len;
}

// A decimal integer: an optional sign and at least one digit, nothing else.
// Values beyond the 64-bit range saturate.
bool parse_decimal(const char *s, long long *value) {
  const char *p = s;
  if (*p == '+' || *p == '-') ++p;
  if (*p == '\0') return false;
  for (const char *q = p; *q; ++q)
    if (*q < '0' || *q > '9') return false;
  errno = 0;
  *value = std::strtoll(s, nullptr, 10);
  return true;  // ERANGE leaves the saturated value, which is what we want
}

// Hexadecimal digits of either case, with an optional leading "0x", at most
// 32 bits.
bool parse_hex(const char *s, uint32_t *value) {
  const char *p = s;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) p += 2;
  if (*p == '\0') return false;
  unsigned long long v = 0;
  for (; *p; ++p) {
    int d;
    if (*p >= '0' && *p <= '9')
      d = *p - '0';
    else if (*p >= 'a' && *p <= 'f')
      d = *p - 'a' + 10;
    else if (*p >= 'A' && *p <= 'F')
      d = *p - 'A' + 10;
    else
      return false;
    v = v * 16 + d;
    if (v > 0xFFFFFFFFull) return false;
  }
  *value = static_cast<uint32_t>(v);
  return true;
}

// A token for an error message: cut short, unprintable bytes as '?'.
void show_token(const char *tok, char *out, std::size_t size) {
  std::size_t i = 0;
  for (; tok[i] != '\0' && i + 1 < size && i < 24; ++i) {
    unsigned char u = static_cast<unsigned char>(tok[i]);
    out[i] = (u < 32 || u >= 127) ? '?' : tok[i];
  }
  out[i] = '\0';
}

// Shared state of one file being read, for the error messages.
struct reader {
  FILE *f;
  const char *file;
  const char *what;  // "monster" or "area"
  int total;         // entries the count promised
  char *err;
  std::size_t n;
};

int cut_short(const reader &r, int entry) {
  if (std::ferror(r.f))
    std::snprintf(r.err, r.n, "%s: read error in %s %d", r.file, r.what, entry);
  else
    std::snprintf(r.err, r.n,
                  "%s: %s %d of %d is cut short by the end of "
                  "the file",
                  r.file, r.what, entry, r.total);
  return 1;
}

// The leading count of entries.
int read_count(reader &r, int limit) {
  char tok[NUMBER_TOKEN];
  char shown[32];
  long len = read_token(r.f, tok, sizeof tok);
  long long v;
  if (len < 0) {
    std::snprintf(r.err, r.n, "%s: the number of %ss is missing", r.file,
                  r.what);
    return -1;
  }
  if (len >= NUMBER_TOKEN || !parse_decimal(tok, &v)) {
    show_token(tok, shown, sizeof shown);
    std::snprintf(r.err, r.n, "%s: the number of %ss '%s' is not a number",
                  r.file, r.what, shown);
    return -1;
  }
  if (v < 0) {
    std::snprintf(r.err, r.n, "%s: the number of %ss %lld is negative", r.file,
                  r.what, v);
    return -1;
  }
  if (v == 0) {
    std::snprintf(r.err, r.n, "%s: the file lists no %ss", r.file, r.what);
    return -1;
  }
  if (v > limit) {
    std::snprintf(r.err, r.n, "%s: %lld %ss listed, at most %d allowed", r.file,
                  v, r.what, limit);
    return -1;
  }
  r.total = static_cast<int>(v);
  return r.total;
}

// A text token into a field of `size` bytes (cut to size - 1 characters).
int read_text(reader &r, int entry, char *out, std::size_t size) {
  if (read_token(r.f, out, size) < 0) return cut_short(r, entry);
  return 0;
}

// A decimal field that must lie in [lo, hi].
int read_int(reader &r, int entry, const char *field, long long lo,
             long long hi, int32_t *out) {
  char tok[NUMBER_TOKEN];
  char shown[32];
  long len = read_token(r.f, tok, sizeof tok);
  if (len < 0) return cut_short(r, entry);
  long long v;
  show_token(tok, shown, sizeof shown);
  if (len >= NUMBER_TOKEN || !parse_decimal(tok, &v)) {
    std::snprintf(r.err, r.n, "%s: %s %d: the %s '%s' is not a decimal number",
                  r.file, r.what, entry, field, shown);
    return 1;
  }
  if (v < lo || v > hi) {
    std::snprintf(r.err, r.n, "%s: %s %d: the %s %s is outside %lld to %lld",
                  r.file, r.what, entry, field, shown, lo, hi);
    return 1;
  }
  *out = static_cast<int32_t>(v);
  return 0;
}

int read_hex(reader &r, int entry, const char *field, uint32_t *out) {
  char tok[NUMBER_TOKEN];
  char shown[32];
  long len = read_token(r.f, tok, sizeof tok);
  if (len < 0) return cut_short(r, entry);
  if (len >= NUMBER_TOKEN || !parse_hex(tok, out)) {
    show_token(tok, shown, sizeof shown);
    std::snprintf(r.err, r.n,
                  "%s: %s %d: the %s '%s' is not a 32-bit hexadecimal number",
                  r.file, r.what, entry, field, shown);
    return 1;
  }
  return 0;
}

void underscores_to_blanks(char *text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i)
    if (text[i] == '_') text[i] = ' ';
}

// One monster entry; entry counts from 1.
int read_monster(reader &r, int entry, monster_type &m) {
  if (read_text(r, entry, m.name, sizeof m.name)) return 1;
  if (read_text(r, entry, m.group, sizeof m.group)) return 1;
  if (read_int(r, entry, "lair item count", 0, MAX_LAIR_ITEMS, &m.num_of_trss))
    return 1;
  if (read_hex(r, entry, "special code", &m.spec_code)) return 1;
  if (m.spec_code & 0x2) {
    if (read_hex(r, entry, "portable code", &m.port_code)) return 1;
    char text[PORT_TXT_MAX + 1];
    if (read_text(r, entry, text, sizeof text)) return 1;
    std::size_t len = std::strlen(text);
    char *copy = static_cast<char *>(std::malloc(len + 1));
    if (!copy) {
      std::snprintf(r.err, r.n, "%s: %s %d: out of memory", r.file, r.what,
                    entry);
      return 1;
    }
    for (std::size_t i = 0; i <= len; ++i) {
      char c = text[i];
      if (c == '_') c = ' ';
      if (c == '|') c = '\n';
      if (c == ']') c = ')';  // "]" would end a script item early
      copy[i] = c;
    }
    m.port_txt = copy;
  }
  underscores_to_blanks(m.name, sizeof m.name);
  underscores_to_blanks(m.group, sizeof m.group);
  return 0;
}

int32_t clamp(int32_t v, int32_t lo, int32_t hi) {
  return v < lo ? lo : (v > hi ? hi : v);
}

// The characters the output-name field accepts.
bool valid_output_name(const char *s) {
  if (*s == '\0') return false;
  for (; *s; ++s) {
    char c = *s;
    bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
              (c >= '0' && c <= '9') || c == '{' || c == '}' || c == '_';
    if (!ok) return false;
  }
  return true;
}

}  // namespace

void free_monsters() {
  for (auto &m : monster) std::free(m.port_txt);
  std::memset(monster, 0, sizeof monster);
  max_mon = 0;
}

int load_monsters(FILE *f, const char *file_name, char *err, std::size_t n) {
  free_monsters();
  reader r{f, file_name, "monster", 0, err, n};
  int count = read_count(r, MAX_MONSTERS);
  if (count < 0) return 1;
  for (int i = 0; i < count; ++i) {
    if (read_monster(r, i + 1, monster[i])) {
      free_monsters();
      return 1;
    }
  }
  max_mon = count;
  return 0;
}

int load_areas(FILE *f, const char *file_name, char *err, std::size_t n) {
  std::memset(area, 0, sizeof area);
  max_area = 0;
  reader r{f, file_name, "area", 0, err, n};
  int count = read_count(r, MAX_AREAS);
  if (count < 0) return 1;
  for (int i = 0; i < count; ++i) {
    area_type &a = area[i];
    int e = i + 1;
    if (read_text(r, e, a.name, sizeof a.name) ||
        read_int(r, e, "other bound", INT32_MIN, INT32_MAX, &a.other) ||
        read_int(r, e, "coins bound", INT32_MIN, INT32_MAX, &a.coins) ||
        read_int(r, e, "gems bound", INT32_MIN, INT32_MAX, &a.gemjj) ||
        read_int(r, e, "military bound", INT32_MIN, INT32_MAX, &a.milit) ||
        read_int(r, e, "magic bound", INT32_MIN, INT32_MAX, &a.magic)) {
      std::memset(area, 0, sizeof area);
      return 1;
    }
    underscores_to_blanks(a.name, sizeof a.name);
  }
  max_area = count;
  return 0;
}

void default_settings() {
  std::snprintf(output_name, sizeof output_name, "%s", "default");
  std::snprintf(script_name, sizeof script_name, "%s", "temp");
  info = info_type{};
  info.c_CDF = 1;
  info.max_CDF = 1;
  info.gd_day = 1;
  info.gd_month = 1;
  info.gd_year = 1;
}

void load_settings(FILE *f) {
  std::snprintf(script_name, sizeof script_name, "%s", "temp");
  char name[FILE_NAME_SIZE];
  if (read_token(f, name, sizeof name) < 0 || !valid_output_name(name))
    std::snprintf(name, sizeof name, "%s", "default");
  std::snprintf(output_name, sizeof output_name, "%s", name);

  info = info_type{};
  int32_t other_mon = 0;  // written as a signed decimal
  int32_t *fields[] = {&info.c_mon,     &info.c_area,    &info.c_CDF,
                       &info.max_CDF,   &info.c_JewEL,   &info.c_mon_Stat,
                       &info.c_mon_MEL, &info.c_mon_CEL, &other_mon,
                       &info.gd_day,    &info.gd_month,  &info.gd_year};
  // Like a sequence of "%d" conversions, reading stops at the first token
  // that is not a number; what was not read stays 0.
  for (int32_t *field : fields) {
    char tok[NUMBER_TOKEN];
    long long v;
    long len = read_token(f, tok, sizeof tok);
    if (len < 0 || len >= NUMBER_TOKEN || !parse_decimal(tok, &v)) break;
    if (v > INT32_MAX) v = INT32_MAX;
    if (v < INT32_MIN) v = INT32_MIN;
    *field = static_cast<int32_t>(v);
  }
  info.other_mon = static_cast<uint32_t>(other_mon);

  if (info.c_mon < 0 || info.c_mon >= max_mon) info.c_mon = 0;
  if (info.c_area < 0 || info.c_area >= max_area) info.c_area = 0;
  info.c_CDF = clamp(info.c_CDF, 1, 99);
  info.max_CDF = clamp(info.max_CDF, 1, 99);
  info.c_JewEL = clamp(info.c_JewEL, 0, 80);
  info.c_mon_Stat = clamp(info.c_mon_Stat, 0, 10);
  info.c_mon_MEL = clamp(info.c_mon_MEL, 0, 50);
  info.c_mon_CEL = clamp(info.c_mon_CEL, 0, 50);
  info.gd_day = clamp(info.gd_day, 1, 99);
  info.gd_month = clamp(info.gd_month, 1, 99);
  info.gd_year = clamp(info.gd_year, 1, 9999);
}

int save_settings(const char *path) {
  char tmp[4096];
  int len = std::snprintf(tmp, sizeof tmp, "%s.%ld.tmp", path,
                          static_cast<long>(getpid()));
  if (len < 0 || len >= static_cast<int>(sizeof tmp)) return 1;
  int fd = open(tmp, O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) return 1;
  FILE *f = fdopen(fd, "w");
  if (!f) {
    close(fd);
    unlink(tmp);
    return 1;
  }
  bool ok = std::fprintf(f, "%s\n", output_name) >= 0;
  ok = ok && std::fprintf(f, "%d %d %d %d %d\n", info.c_mon, info.c_area,
                          info.c_CDF, info.max_CDF, info.c_JewEL) >= 0;
  ok = ok &&
       std::fprintf(f, "%d %d %d %d\n", info.c_mon_Stat, info.c_mon_MEL,
                    info.c_mon_CEL, static_cast<int32_t>(info.other_mon)) >= 0;
  ok = ok && std::fprintf(f, "%d %d %d\n", info.gd_day, info.gd_month,
                          info.gd_year) >= 0;
  ok = ok && std::fflush(f) == 0;
  ok = ok && fsync(fileno(f)) == 0;
  ok = (std::fclose(f) == 0) && ok;
  ok = ok && std::rename(tmp, path) == 0;
  if (!ok) {
    unlink(tmp);
    return 1;
  }
  return 0;
}
