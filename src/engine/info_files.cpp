// Loading the monster, area and settings files and saving the settings.
// Every read is bounded: text tokens are cut to their fields, counts and
// numbers are checked before anything is stored, and a bad entry is reported
// with the file's name and the entry's number. The checker reads with the
// same code in a mode that notes every problem and reads on, so it holds a
// file to exactly the rules the program starts with.
#include "info_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "atomic_file.h"
#include "escaped_text.h"
#include "portable_writer.h"
#include "setting_choice.h"
#include "trtables.h"
#include "utf8.h"

namespace {

constexpr int NUMBER_TOKEN = 64;  // longest number token taken whole

// What read_token returns when the file ends (or fails) before a token
// starts, and when the token holds a byte that belongs in no text.
constexpr long NO_TOKEN = -1;
constexpr long CONTROL_BYTE = -2;

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

// The tokens of one file, with the line of each kept for the checker.
struct token_reader {
  FILE *f;
  long line = 1;        // line of the next byte
  long token_line = 1;  // line where the last token started

  // Reads the next token into out, cut to size - 1 bytes at a character
  // boundary; the rest of a longer token is skipped. Returns the token's
  // full length, NO_TOKEN or CONTROL_BYTE.
  long next(char *out, std::size_t size) {
    int c;
    while (is_blank(c = std::fgetc(f)))
      if (c == '\n') ++line;
    if (c == EOF) {
      out[0] = '\0';
      return NO_TOKEN;
    }
    token_line = line;
    long len = 0;
    std::size_t kept = 0;
    bool control = false;
    while (c != EOF && !is_blank(c)) {
      control = control || is_control_byte(c);
      if (kept + 1 < size) out[kept++] = static_cast<char>(c);
      ++len;
      c = std::fgetc(f);
    }
    if (c == '\n') ++line;
    if (static_cast<std::size_t>(len) > kept)
      kept = whole_characters(out, kept);
    out[kept] = '\0';
    return control ? CONTROL_BYTE : len;
  }
};

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

// A token for a message: cut short after whole characters, control bytes
// escaped, UTF-8 as it is.
std::string shown(const char *tok) {
  constexpr std::size_t SHOWN_BYTES = 24;
  const std::size_t n = strnlen(tok, SHOWN_BYTES + 1);
  return escaped_text(std::string_view(
      tok, n > SHOWN_BYTES ? whole_characters(tok, SHOWN_BYTES) : n));
}

// Room for one problem's description.
using message_text = fixed_text<512>;

// One file being read. Loading stops at the first problem, with its
// one-line description in err; checking notes every problem and reads on,
// stopping only where the file ends or the count cannot be read.
struct reader {
  token_reader in;
  const char *file;
  const char *what;  // "monster" or "area"
  int total;         // entries the count promised
  char *err;
  std::size_t n;
  std::vector<info_problem> *notes;
  std::string label;  // the entry's name, for the checker's notes

  bool checking() const { return notes != nullptr; }
  // A problem of the whole file. Returns 1.
  int file_problem(const std::string &text) {
    if (checking())
      notes->push_back({file, in.token_line, "", text});
    else
      std::snprintf(err, n, "%s: %s", file, text.c_str());
    return 1;
  }
  // A problem of an entry; returns 1 when loading, 0 when checking, which
  // goes on with the next field.
  int entry_problem(int entry, const std::string &text) {
    if (!checking()) {
      std::snprintf(err, n, "%s: %s %d: %s", file, what, entry, text.c_str());
      return 1;
    }
    std::string name = std::string(what) + " " + std::to_string(entry);
    if (!label.empty()) name += " (" + label + ")";
    notes->push_back({file, in.token_line, escaped_text(name), text});
    return 0;
  }
  // The file ends (or fails) before `field` of an entry: both stop here.
  int cut_short(int entry, const char *field) {
    if (checking()) {
      entry_problem(entry, std::string("the file ends before the ") + field);
    } else if (std::ferror(in.f)) {
      std::snprintf(err, n, "%s: read error in %s %d", file, what, entry);
    } else {
      std::snprintf(err, n,
                    "%s: %s %d of %d is cut short by the end of "
                    "the file",
                    file, what, entry, total);
    }
    return 1;
  }
};

constexpr char CONTROL_BYTE_PROBLEM[] = "a word holds a control byte";

// The leading count of entries.
int read_count(reader &r, int limit) {
  char tok[NUMBER_TOKEN];
  long len = r.in.next(tok, sizeof tok);
  long long v;
  if (len == CONTROL_BYTE) {
    r.checking() ? r.file_problem(CONTROL_BYTE_PROBLEM)
                 : r.entry_problem(0, CONTROL_BYTE_PROBLEM);
    return -1;
  }
  if (len < 0) {
    r.file_problem(
        message_text().appendf("the number of %ss is missing", r.what).text());
    return -1;
  }
  if (len >= NUMBER_TOKEN || !parse_decimal(tok, &v)) {
    r.file_problem(message_text()
                       .appendf("the number of %ss '%s' is not a number",
                                r.what, shown(tok).c_str())
                       .text());
    return -1;
  }
  if (v < 0) {
    r.file_problem(message_text()
                       .appendf("the number of %ss %lld is negative", r.what, v)
                       .text());
    return -1;
  }
  if (v == 0) {
    r.file_problem(
        message_text().appendf("the file lists no %ss", r.what).text());
    return -1;
  }
  if (v > limit) {
    r.file_problem(
        message_text()
            .appendf("%lld %ss listed, at most %d allowed", v, r.what, limit)
            .text());
    return -1;
  }
  r.total = static_cast<int>(v);
  return r.total;
}

// A text token into a field of `size` bytes (cut to size - 1 bytes, which
// the checker notes). Returns 1 to stop reading.
int read_text(reader &r, int entry, const char *field, char *out,
              std::size_t size) {
  long len = r.in.next(out, size);
  if (len == CONTROL_BYTE) return r.entry_problem(entry, CONTROL_BYTE_PROBLEM);
  if (len < 0) return r.cut_short(entry, field);
  if (r.checking() && static_cast<std::size_t>(len) >= size)
    r.entry_problem(entry,
                    message_text()
                        .appendf("the %s '%s' is longer than %zu bytes and "
                                 "would be cut",
                                 field, shown(out).c_str(), size - 1)
                        .text());
  if (r.checking() && !is_utf8(out)) {
    r.entry_problem(
        entry,
        message_text().appendf("the %s is not valid UTF-8", field).text());
    r.notes->back().warning = true;
  }
  return 0;
}

// A decimal field that must lie in [lo, hi].
int read_int(reader &r, int entry, const char *field, long long lo,
             long long hi, int32_t *out) {
  char tok[NUMBER_TOKEN];
  long len = r.in.next(tok, sizeof tok);
  if (len == CONTROL_BYTE) return r.entry_problem(entry, CONTROL_BYTE_PROBLEM);
  if (len < 0) return r.cut_short(entry, field);
  long long v;
  if (len >= NUMBER_TOKEN || !parse_decimal(tok, &v))
    return r.entry_problem(
        entry, message_text()
                   .appendf("the %s '%s' is not a decimal number", field,
                            shown(tok).c_str())
                   .text());
  if (v < lo || v > hi)
    return r.entry_problem(
        entry, message_text()
                   .appendf("the %s %s is outside %lld to %lld", field,
                            shown(tok).c_str(), lo, hi)
                   .text());
  *out = static_cast<int32_t>(v);
  return 0;
}

int read_hex(reader &r, int entry, const char *field, uint32_t *out) {
  char tok[NUMBER_TOKEN];
  long len = r.in.next(tok, sizeof tok);
  if (len == CONTROL_BYTE) return r.entry_problem(entry, CONTROL_BYTE_PROBLEM);
  if (len < 0) return r.cut_short(entry, field);
  if (len >= NUMBER_TOKEN || !parse_hex(tok, out)) {
    *out = 0;
    return r.entry_problem(
        entry, message_text()
                   .appendf("the %s '%s' is not a 32-bit hexadecimal number",
                            field, shown(tok).c_str())
                   .text());
  }
  return 0;
}

// After the last entry: the checker notes entries the count left out.
void read_trailing(reader &r, std::size_t notes_before) {
  char tok[NUMBER_TOKEN];
  if (r.checking() && r.notes->size() == notes_before &&
      r.in.next(tok, sizeof tok) != NO_TOKEN)
    r.file_problem(
        message_text()
            .appendf("more %ss follow than the count at the top says "
                     "('%s' starts them)",
                     r.what, shown(tok).c_str())
            .text());
}

void underscores_to_blanks(char *text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i)
    if (text[i] == '_') text[i] = ' ';
}

// One monster entry; entry counts from 1.
int read_monster(reader &r, int entry, monster_record &m) {
  r.label.clear();
  if (read_text(r, entry, "name", m.name, sizeof m.name)) return 1;
  r.label = m.name;
  if (read_text(r, entry, "group", m.group, sizeof m.group)) return 1;
  if (read_int(r, entry, "lair item count", 0, MAX_LAIR_ITEMS, &m.lair_items))
    return 1;
  if (read_hex(r, entry, "special code", &m.special_code)) return 1;
  if (m.special_code & HAS_PORTABLE) {
    if (read_hex(r, entry, "portable code", &m.portable_code)) return 1;
    // Loading keeps such a code (it gives no class items); the checker
    // names it.
    if (r.checking() && !portable_class_known(m.portable_code))
      r.entry_problem(entry,
                      message_text()
                          .appendf("the portable class %u is outside %d to %d",
                                   portable_class(m.portable_code),
                                   PORTABLE_CLASSES.lo, PORTABLE_CLASSES.hi)
                          .text());
    char text[PORTABLE_TEXT_MAX + 1];
    if (read_text(r, entry, "portable text", text, sizeof text)) return 1;
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

// The fields of an area after its name, in the order of the file.
const struct {
  const char *name;
  int32_t area_record::*bound;
} AREA_BOUNDS[] = {
    {"other bound", &area_record::other_bound},
    {"coins bound", &area_record::coins_bound},
    {"gems bound", &area_record::gems_bound},
    {"military bound", &area_record::military_bound},
    {"magic bound", &area_record::magic_bound},
};

int read_area(reader &r, int entry, area_record &a) {
  r.label.clear();
  if (read_text(r, entry, "name", a.name, sizeof a.name)) return 1;
  r.label = a.name;
  for (const auto &field : AREA_BOUNDS)
    if (read_int(r, entry, field.name, INT32_MIN, INT32_MAX, &(a.*field.bound)))
      return 1;
  underscores_to_blanks(a.name, sizeof a.name);
  return 0;
}

// The count, then the entries, each read by read_entry(r, index from 0)
// which returns 1 to stop. Returns the count, or -1 when the file is
// refused (or, checking, when anything was noted).
// Loading counts the entries after the count into `left_out`, each read by
// read_spare(r, number from 1), which returns 1 when the entry was cut short
// and -1 when none began.
template <class ReadEntry, class ReadSpare>
int read_entries(reader &r, int limit, ReadEntry read_entry,
                 ReadSpare read_spare, int32_t &left_out,
                 std::vector<std::string> *left_out_names) {
  std::size_t noted = r.checking() ? r.notes->size() : 0;
  left_out = 0;
  int count = read_count(r, limit);
  if (count < 0) return -1;
  for (int i = 0; i < count; ++i)
    if (read_entry(r, i)) return -1;
  if (!r.checking()) {
    // What a spare entry lacks is no fault of the file's load: its message
    // goes to a scratch buffer.
    char scratch[1];
    reader spare_reader = r;
    spare_reader.err = scratch, spare_reader.n = sizeof scratch;
    // The file's size bounds the count.
    for (int cut = 0; cut == 0; ++left_out) {
      cut = read_spare(spare_reader, count + 1 + left_out);
      if (cut < 0) break;
      if (left_out_names) left_out_names->push_back(spare_reader.label);
    }
  }
  read_trailing(r, noted);
  return r.checking() && r.notes->size() > noted ? -1 : count;
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
                  std::size_t n, std::vector<info_problem> *notes,
                  std::vector<std::string> *left_out) {
  free_monsters(t);
  reader r{{f}, file_name, "monster", 0, err, n, notes, {}};
  auto spare = [](reader &entry, int number) {
    monster_record m{};
    int cut = read_monster(entry, number, m);
    std::free(m.portable_text);
    return m.name[0] ? cut : -1;
  };
  int count = read_entries(
      r, MAX_MONSTERS,
      [&t](reader &entry, int i) {
        return read_monster(entry, i + 1, t.monsters[i]);
      },
      spare, t.monsters_left_out, left_out);
  if (count < 0) {
    free_monsters(t);
    return 1;
  }
  t.monster_count = count;
  return 0;
}

int load_areas(FILE *f, const char *file_name, info_tables &t, char *err,
               std::size_t n, std::vector<info_problem> *notes,
               std::vector<std::string> *left_out) {
  std::memset(t.areas, 0, sizeof t.areas);
  t.area_count = 0;
  reader r{{f}, file_name, "area", 0, err, n, notes, {}};
  auto spare = [](reader &entry, int number) {
    area_record a{};
    int cut = read_area(entry, number, a);
    return a.name[0] ? cut : -1;
  };
  int count = read_entries(
      r, MAX_AREAS,
      [&t](reader &entry, int i) {
        return read_area(entry, i + 1, t.areas[i]);
      },
      spare, t.areas_left_out, left_out);
  if (count < 0) {
    std::memset(t.areas, 0, sizeof t.areas);
    return 1;
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

void load_settings(FILE *f, const info_tables &t, settings &s,
                   std::vector<info_problem> *notes, const char *file_name) {
  token_reader in{f};
  auto note = [&](const std::string &what) {
    if (notes) notes->push_back({file_name, in.token_line, "settings", what});
  };
  // A name cut to fit would name another file than the one written there.
  char name[NUMBER_TOKEN];
  long len = in.next(name, sizeof name);
  bool name_taken = len > 0 && len < FILE_NAME_SIZE && valid_output_name(name);
  if (len == NO_TOKEN)
    note("the file ends before the output name");
  else if (!name_taken)
    note(
        message_text()
            .appendf("the output name '%s' is not 1 to 8 letters, digits, '{', "
                     "'}' or '_' and would become 'default'",
                     shown(name).c_str())
            .text());
  if (!name_taken) std::snprintf(name, sizeof name, "%s", "default");
  s = settings{};
  std::memcpy(s.output_name, name, std::strlen(name) + 1);  // at most 8

  int32_t answers = 0;  // written as a signed decimal
  // The numbers in the order of the file, each with the range it is brought
  // into; an index outside the loaded tables becomes 0 instead.
  struct number_field {
    const char *name;
    int32_t *value;
    value_range range;
    bool index;
  };
  std::vector<number_field> fields = {
      {"monster number", &s.monster_index, {0, t.monster_count - 1}, true},
      {"lair number", &s.lair_index, {0, t.area_count - 1}, true}};
  // The ranged settings in the order of the table, which is the file's.
  for (const setting_row &row : SETTING_ROWS)
    if (row.kind == setting_kind::number)
      fields.push_back({row.name, &(s.*row.field), row.range, false});
  fields.insert(fields.end(),
                {{"answers", &answers, {INT32_MIN, INT32_MAX}, false},
                 {"game day", &s.game_day, GAME_DAY_RANGE, false},
                 {"game month", &s.game_month, GAME_MONTH_RANGE, false},
                 {"game year", &s.game_year, GAME_YEAR_RANGE, false}});
  // Like a sequence of "%d" conversions, reading stops at the first token
  // that is not a number; what was not read stays 0.
  bool reading = len != NO_TOKEN;
  for (const auto &field : fields) {
    if (reading) {
      char tok[NUMBER_TOKEN];
      long long v;
      long tok_len = in.next(tok, sizeof tok);
      if (tok_len == NO_TOKEN) {
        note(message_text()
                 .appendf("the file ends before the %s", field.name)
                 .text());
        reading = false;
      } else if (tok_len < 0 || tok_len >= NUMBER_TOKEN ||
                 !parse_decimal(tok, &v)) {
        note(message_text()
                 .appendf("the %s '%s' is not a decimal number; it and what "
                          "follows are not read",
                          field.name, shown(tok).c_str())
                 .text());
        reading = false;
      } else {
        *field.value = clamped(v, INT32_MIN, INT32_MAX);
      }
    }
    int32_t taken = *field.value;
    if (field.index && (taken < field.range.lo || taken > field.range.hi))
      *field.value = 0;
    else
      *field.value = clamped(taken, field.range.lo, field.range.hi);
    if (field.value == &answers)  // only the answer bits are kept
      answers =
          static_cast<int32_t>(static_cast<uint32_t>(answers) & ANSWER_BITS);
    if (reading && *field.value != taken)
      note(field.value == &answers
               ? message_text()
                     .appendf("the answers %d hold bits that are no answer and "
                              "would become %d",
                              taken, answers)
                     .text()
               : message_text()
                     .appendf(
                         "the %s %d is outside %d to %d and would become %d",
                         field.name, taken, field.range.lo, field.range.hi,
                         *field.value)
                     .text());
  }
  s.answers = static_cast<uint32_t>(answers);
}

std::string settings_text(const settings &s) {
  char text[256];
  int len = std::snprintf(
      text, sizeof text, "%s\n%d %d %d %d %d\n%d %d %d %d\n%d %d %d\n",
      s.output_name, s.monster_index, s.lair_index, s.cdf, s.group_cdf,
      s.jeweler_el, s.station, s.mel, s.cel, static_cast<int32_t>(s.answers),
      s.game_day, s.game_month, s.game_year);
  if (len < 0 || len >= static_cast<int>(sizeof text)) return "";
  return std::string(text, len);
}

int save_settings(const char *path, const settings &s) {
  const std::string text = settings_text(s);
  std::string error;
  return !text.empty() && replace_file(path, text, error) ? 0 : 1;
}

namespace {

const char MONSTER_MSG[] =
    "Cannot open monster information file!\n"
    "Make sure 'monster.hxi' is in current directory.";
const char AREA_MSG[] =
    "Cannot open area information file!\n"
    "Make sure 'area.hxi' is in current directory.";
const char SETUP_MSG[] = "No saved settings yet: starting with the defaults.";

}  // namespace

FILE *open_regular_file(const char *name, std::string &refusal,
                        long long *size) {
  refusal.clear();
  int fd = open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno != ENOENT) refusal = std::strerror(errno);
    return nullptr;
  }
  errno = 0;  // opened: a refusal below is of the file, not of the opening
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    refusal = "not a regular file";
  } else if (int flags = fcntl(fd, F_GETFL);
             flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    refusal = std::strerror(errno);
  }
  if (size) *size = st.st_size;
  FILE *f = refusal.empty() ? fdopen(fd, "r") : nullptr;
  if (!f) close(fd);
  return f;
}

FILE *open_info_file(const char *name, std::string &refusal) {
  long long size = 0;
  FILE *f = open_regular_file(name, refusal, &size);
  if (f && size > INFO_FILE_MAX_BYTES) {
    std::fclose(f);
    errno = 0;
    refusal = message_text()
                  .appendf("larger than %ld MiB", INFO_FILE_MAX_BYTES >> 20)
                  .text();
    return nullptr;
  }
  return f;
}

namespace {

// Opens an information file as open_info_file does; a refusal goes to err as
// the line the program shows. A file there that cannot be opened (no
// permission, a loop of links) gets the first line of the missing file's
// message, `missing`, and the reason on the next.
FILE *open_for_start(const char *name, const char *missing, std::string &err) {
  FILE *f = open_info_file(name, err);
  if (err.empty()) return f;
  std::string line = std::string(name) + ": " + err + "\n";
  if (errno != 0)
    line = std::string(missing, std::strcspn(missing, "\n")) + "\n" + line;
  err = line;
  return f;
}

}  // namespace

int load_tables(info_tables &t, std::string &err) {
  FILE *mf = open_for_start("monster.hxi", MONSTER_MSG, err);
  if (!mf) {
    if (!err.empty()) return 2;
    err = MONSTER_MSG;
    return 1;
  }
  FILE *af = open_for_start("area.hxi", AREA_MSG, err);
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

std::vector<std::string> names_left_out(bool monsters) {
  const char *name = monsters ? "monster.hxi" : "area.hxi";
  std::vector<std::string> names;
  std::string refusal;
  FILE *f = open_info_file(name, refusal);
  if (!f) return names;
  auto scratch = std::make_unique<info_tables>();
  char err[1];
  if (monsters) {
    load_monsters(f, name, *scratch, err, sizeof err, nullptr, &names);
    free_monsters(*scratch);
  } else {
    load_areas(f, name, *scratch, err, sizeof err, nullptr, &names);
  }
  std::fclose(f);
  return names;
}

std::string left_out_sentence(const info_tables &t) {
  return left_out_sentence(t.monsters_left_out, t.areas_left_out);
}

std::string left_out_sentence(int monsters, int lairs) {
  auto counted = [](int n, const char *what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
  };
  constexpr char WHERE[] = "; hoardex check shows where.";
  if (monsters > 0 && lairs > 0)
    return "Left out after the counts: " + counted(monsters, "monster") + ", " +
           counted(lairs, "lair") + WHERE;
  if (monsters + lairs <= 0) return "";
  const int n = monsters > 0 ? monsters : lairs;
  return counted(n, monsters > 0 ? "monster" : "lair") + " after the count " +
         (n == 1 ? "was" : "were") + " left out" + WHERE;
}

int load_settings_file(const info_tables &t, settings &s, std::string &err) {
  FILE *f = open_for_start("setup.hxi", SETUP_MSG, err);
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
