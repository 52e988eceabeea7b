// Loading the monster, area and settings files and saving the settings.
// Every read is bounded: text tokens are cut to their fields, counts and
// numbers are checked before anything is stored, and a bad entry is reported
// with the file's name and the entry's number.
#include "info_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int NUMBER_TOKEN = 64;  // longest number token taken whole

// What read_token returns when the file ends (or fails) before a token
// starts, and when the token holds a byte that belongs in no text.
constexpr long NO_TOKEN = -1;
constexpr long CONTROL_BYTE = -2;

bool is_separator(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' ||
         c == '\f';
}

// A NUL, an escape or another control byte would end a word early or act on
// the terminal of whoever shows the report.
bool is_control_byte(int c) { return c < 0x20 || c == 0x7f; }

// Moves `kept`, the length a token was cut to, back to the start of a UTF-8
// character cut in the middle, so no half character stays.
std::size_t whole_characters(const char *s, std::size_t kept) {
  std::size_t start = kept;
  while (start > 0 && (static_cast<unsigned char>(s[start - 1]) & 0xC0) == 0x80)
    --start;
  if (start == 0) return kept;  // no lead byte: not UTF-8, cut as it is
  unsigned char lead = static_cast<unsigned char>(s[start - 1]);
  std::size_t length = lead >= 0xF0   ? 4
                       : lead >= 0xE0 ? 3
                       : lead >= 0xC0 ? 2
                                      : 1;
  return kept - (start - 1) < length ? start - 1 : kept;
}

// Reads the next token into out, cut to size - 1 bytes at a character
// boundary; the rest of a longer token is skipped. Returns the token's full
// length, NO_TOKEN or CONTROL_BYTE.
long read_token(FILE *f, char *out, std::size_t size) {
  int c;
  do {
    c = std::fgetc(f);
  } while (is_separator(c));
  if (c == EOF) {
    out[0] = '\0';
    return NO_TOKEN;
  }
  long len = 0;
  std::size_t kept = 0;
  bool control = false;
  while (c != EOF && !is_separator(c)) {
    control = control || is_control_byte(c);
    if (kept + 1 < size) out[kept++] = static_cast<char>(c);
    ++len;
    c = std::fgetc(f);
  }
  if (static_cast<std::size_t>(len) > kept) kept = whole_characters(out, kept);
  out[kept] = '\0';
  return control ? CONTROL_BYTE : len;
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

int control_byte(const reader &r, int entry) {
  std::snprintf(r.err, r.n, "%s: %s %d: a word holds a control byte", r.file,
                r.what, entry);
  return 1;
}

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
  if (len == CONTROL_BYTE) {
    control_byte(r, 0);
    return -1;
  }
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
  long len = read_token(r.f, out, size);
  if (len == CONTROL_BYTE) return control_byte(r, entry);
  if (len < 0) return cut_short(r, entry);
  return 0;
}

// A decimal field that must lie in [lo, hi].
int read_int(reader &r, int entry, const char *field, long long lo,
             long long hi, int32_t *out) {
  char tok[NUMBER_TOKEN];
  char shown[32];
  long len = read_token(r.f, tok, sizeof tok);
  if (len == CONTROL_BYTE) return control_byte(r, entry);
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
  if (len == CONTROL_BYTE) return control_byte(r, entry);
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
int read_monster(reader &r, int entry, monster_record &m) {
  if (read_text(r, entry, m.name, sizeof m.name)) return 1;
  if (read_text(r, entry, m.group, sizeof m.group)) return 1;
  if (read_int(r, entry, "lair item count", 0, MAX_LAIR_ITEMS, &m.lair_items))
    return 1;
  if (read_hex(r, entry, "special code", &m.special_code)) return 1;
  if (m.special_code & HAS_PORTABLE) {
    if (read_hex(r, entry, "portable code", &m.portable_code)) return 1;
    char text[PORTABLE_TEXT_MAX + 1];
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
    m.portable_text = copy;
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
  for (; *s; ++s)
    if (!is_output_name_char(static_cast<unsigned char>(*s))) return false;
  return true;
}

}  // namespace

void free_monsters(info_tables &t) {
  for (auto &m : t.monsters) std::free(m.portable_text);
  std::memset(t.monsters, 0, sizeof t.monsters);
  t.monster_count = 0;
}

int load_monsters(FILE *f, const char *file_name, info_tables &t, char *err,
                  std::size_t n) {
  free_monsters(t);
  reader r{f, file_name, "monster", 0, err, n};
  int count = read_count(r, MAX_MONSTERS);
  if (count < 0) return 1;
  for (int i = 0; i < count; ++i) {
    if (read_monster(r, i + 1, t.monsters[i])) {
      free_monsters(t);
      return 1;
    }
  }
  t.monster_count = count;
  return 0;
}

int load_areas(FILE *f, const char *file_name, info_tables &t, char *err,
               std::size_t n) {
  std::memset(t.areas, 0, sizeof t.areas);
  t.area_count = 0;
  reader r{f, file_name, "area", 0, err, n};
  int count = read_count(r, MAX_AREAS);
  if (count < 0) return 1;
  for (int i = 0; i < count; ++i) {
    area_record &a = t.areas[i];
    int e = i + 1;
    if (read_text(r, e, a.name, sizeof a.name) ||
        read_int(r, e, "other bound", INT32_MIN, INT32_MAX, &a.other_bound) ||
        read_int(r, e, "coins bound", INT32_MIN, INT32_MAX, &a.coins_bound) ||
        read_int(r, e, "gems bound", INT32_MIN, INT32_MAX, &a.gems_bound) ||
        read_int(r, e, "military bound", INT32_MIN, INT32_MAX,
                 &a.military_bound) ||
        read_int(r, e, "magic bound", INT32_MIN, INT32_MAX, &a.magic_bound)) {
      std::memset(t.areas, 0, sizeof t.areas);
      return 1;
    }
    underscores_to_blanks(a.name, sizeof a.name);
  }
  t.area_count = count;
  return 0;
}

void default_settings(settings &s) {
  s = settings{};
  std::snprintf(s.output_name, sizeof s.output_name, "%s", "default");
  s.cdf = 1;
  s.group_cdf = 1;
  s.game_day = 1;
  s.game_month = 1;
  s.game_year = 1;
}

void load_settings(FILE *f, const info_tables &t, settings &s) {
  // A name cut to fit would name another file than the one written there.
  char name[FILE_NAME_SIZE];
  long len = read_token(f, name, sizeof name);
  if (len < 0 || len >= FILE_NAME_SIZE || !valid_output_name(name))
    std::snprintf(name, sizeof name, "%s", "default");
  s = settings{};
  std::snprintf(s.output_name, sizeof s.output_name, "%s", name);

  int32_t answers = 0;  // written as a signed decimal
  int32_t *fields[] = {&s.monster_index, &s.lair_index, &s.cdf,
                       &s.group_cdf,     &s.jeweler_el, &s.station,
                       &s.mel,           &s.cel,        &answers,
                       &s.game_day,      &s.game_month, &s.game_year};
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
  s.answers = static_cast<uint32_t>(answers) & ANSWER_BITS;

  if (s.monster_index < 0 || s.monster_index >= t.monster_count)
    s.monster_index = 0;
  if (s.lair_index < 0 || s.lair_index >= t.area_count) s.lair_index = 0;
  s.cdf = clamp(s.cdf, CDF_MIN, CDF_MAX);
  s.group_cdf = clamp(s.group_cdf, CDF_MIN, CDF_MAX);
  s.jeweler_el = clamp(s.jeweler_el, 0, JEWELER_EL_MAX);
  s.station = clamp(s.station, 0, STATION_MAX);
  s.mel = clamp(s.mel, 0, SCORE_MAX);
  s.cel = clamp(s.cel, 0, SCORE_MAX);
  s.game_day = clamp(s.game_day, 1, 99);
  s.game_month = clamp(s.game_month, 1, 99);
  s.game_year = clamp(s.game_year, 1, 9999);
}

int save_settings(const char *path, const settings &s) {
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
  bool ok = std::fprintf(f, "%s\n", s.output_name) >= 0;
  ok = ok && std::fprintf(f, "%d %d %d %d %d\n", s.monster_index, s.lair_index,
                          s.cdf, s.group_cdf, s.jeweler_el) >= 0;
  ok = ok && std::fprintf(f, "%d %d %d %d\n", s.station, s.mel, s.cel,
                          static_cast<int32_t>(s.answers)) >= 0;
  ok = ok && std::fprintf(f, "%d %d %d\n", s.game_day, s.game_month,
                          s.game_year) >= 0;
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

namespace {

const char MONSTER_MSG[] =
    "Cannot open monster information file!\n"
    "Make sure 'monster.hxi' is in current directory.";
const char AREA_MSG[] =
    "Cannot open area information file!\n"
    "Make sure 'area.hxi' is in current directory.";
const char SETUP_MSG[] =
    "Cannot open setup information file!\n"
    "Make sure 'setup.hxi' is in current directory.";

// Opens an information file for reading. Returns null with err empty when
// there is no such file to open, and null with the one-line refusal in err
// when it is no regular file of sensible size: a FIFO would block, a device
// never end, and a huge file take long to be refused.
FILE *open_info_file(const char *name, std::string &err) {
  err.clear();
  int fd = open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return nullptr;
  struct stat st {};
  char text[128];
  text[0] = '\0';
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    std::snprintf(text, sizeof text, "%s: not a regular file\n", name);
  else if (st.st_size > INFO_FILE_MAX_BYTES)
    std::snprintf(text, sizeof text, "%s: larger than %ld MiB\n", name,
                  INFO_FILE_MAX_BYTES >> 20);
  FILE *f = text[0] ? nullptr : fdopen(fd, "r");
  if (!f) {
    close(fd);
    err = text;
  }
  return f;
}

}  // namespace

int load_tables(info_tables &t, std::string &err) {
  FILE *mf = open_info_file("monster.hxi", err);
  if (!mf) {
    if (!err.empty()) return 2;
    err = MONSTER_MSG;
    return 1;
  }
  FILE *af = open_info_file("area.hxi", err);
  if (!af) {
    std::fclose(mf);
    if (!err.empty()) return 2;
    err = AREA_MSG;
    return 1;
  }
  char text[256];
  int bad = load_monsters(mf, "monster.hxi", t, text, sizeof text);
  std::fclose(mf);
  if (!bad) {
    bad = load_areas(af, "area.hxi", t, text, sizeof text);
    if (bad) free_monsters(t);
  }
  std::fclose(af);
  if (bad) {
    err = std::string(text) + "\n";
    return 2;
  }
  return 0;
}

int load_settings_file(const info_tables &t, settings &s, std::string &err) {
  FILE *f = open_info_file("setup.hxi", err);
  if (f) {
    load_settings(f, t, s);
    std::fclose(f);
    return 0;
  }
  default_settings(s);
  if (!err.empty()) return 2;
  err = SETUP_MSG;
  return 1;
}
