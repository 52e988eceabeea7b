// The treasure script interpreter: reads a script, evaluates every treasure
// item through its category routine and sends the report, piece by piece, to
// a report sink.
#include "interpreter.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dice.h"
#include "escaped_text.h"
#include "keywords.h"

namespace {

// Longest word of the section part: "MANUAL-GENERATION". A longer token is
// no word of a script; the run ends there.
constexpr std::size_t SECTION_TOKEN_MAX = 17;
// Longest word of a position or comment text.
constexpr std::size_t HEADER_TOKEN_MAX = POSITION_COMMENT_SIZE - 1;

constexpr char POS_END[] = "[COM:";
constexpr char SEPARATOR[] = "----------";

// The script, read through a buffer of its own.
struct script_reader {
  FILE *file;
  std::size_t pos;
  std::size_t len;
  long line;  // line ends taken so far
  char buf[1 << 14];
};

// The next character without taking it, or EOF at the end of the script (a
// read error ends it too).
int peek_char(script_reader &r) {
  if (r.pos == r.len) {
    r.len = std::fread(r.buf, 1, sizeof r.buf, r.file);
    r.pos = 0;
    if (r.len == 0) return EOF;
  }
  return static_cast<unsigned char>(r.buf[r.pos]);
}

int next_char(script_reader &r) {
  int c = peek_char(r);
  if (c != EOF) ++r.pos;
  if (c == '\n') ++r.line;
  return c;
}

// ---------------------------------------------------------------- reading

enum class token { ok, end, too_long };

// Reads the next whitespace-separated token into tok (room for max
// characters and a terminator). The white space after the token stays
// unread, so a literal text can skip exactly one blank after "[".
token read_token(script_reader &in, char *tok, std::size_t max) {
  // Each run of characters is scanned in the buffer, then taken at once;
  // peek_char refills the buffer when a run reaches its end.
  for (;;) {
    if (in.pos == in.len && peek_char(in) == EOF) return token::end;
    const char *p = in.buf + in.pos, *end = in.buf + in.len;
    long lines = 0;
    for (; p != end && is_blank(*p); ++p) lines += *p == '\n';
    in.line += lines;
    in.pos = static_cast<std::size_t>(p - in.buf);
    if (p != end) break;
  }
  std::size_t n = 0;
  for (;;) {
    const char *start = in.buf + in.pos, *end = in.buf + in.len, *p = start;
    while (p != end && !is_blank(*p)) ++p;
    auto run = static_cast<std::size_t>(p - start);
    if (run > max - n) return token::too_long;
    std::memcpy(tok + n, start, run);
    n += run;
    in.pos += run;
    if (p != end || peek_char(in) == EOF) break;
  }
  tok[n] = '\0';
  return token::ok;
}

// A whole token that is a decimal integer within the range of int.
bool parse_int(const char *tok, int *out) {
  char *end = nullptr;
  errno = 0;
  long v = std::strtol(tok, &end, 10);
  if (end == tok || *end != '\0' || errno == ERANGE || v < INT32_MIN ||
      v > INT32_MAX)
    return false;
  *out = static_cast<int>(v);
  return true;
}

// Reads `count` decimal integers. Returns false when the script ends or a
// token is no such number.
bool read_ints(script_reader &in, int *out, int count) {
  char tok[24];
  for (int i = 0; i < count; ++i)
    if (read_token(in, tok, sizeof tok - 1) != token::ok ||
        !parse_int(tok, &out[i]))
      return false;
  return true;
}

// ------------------------------------------------------------- the report

// One run of the interpreter.
struct run_state {
  script_reader &in;
  const info_tables &tables;
  dice_record &dice;
  report_sink &sink;
  item_result result;    // the text of the item being evaluated
  std::string text;      // the literal text or item keywords being read
  std::string position;  // the header's texts
  std::string comment;
};

void area_label(const info_tables &t, int idx, char *out, std::size_t n) {
  if (idx < 0 || idx >= MAX_AREAS || idx >= t.area_count)
    std::snprintf(out, n, "(unknown)");
  else
    std::snprintf(out, n, "%.*s", NAME_SIZE - 1, t.areas[idx].name);
}

// A manual script names the last slot, which may hold a loaded monster; its
// section word tells that no monster was chosen, whatever the slot holds.
void monster_name(const info_tables &t, int idx, bool manual, char *out,
                  std::size_t n) {
  bool loaded = idx >= 0 && idx < MAX_MONSTERS && idx < t.monster_count;
  if (manual || (!loaded && idx == MANUAL_MONSTER))
    std::snprintf(out, n, "Manual generation");
  else if (loaded)
    monster_label(t.monsters[idx], out, n);
  else
    std::snprintf(out, n, "(unknown)");
}

// Reads the header into h as far as it goes. Returns false when it is cut
// short or malformed.
bool read_header(run_state &st, report_header &h) {
  if (!read_ints(st.in, h.real_date, 3)) return false;
  h.read = header_part::real_date;
  if (!read_ints(st.in, h.game_date, 3)) return false;
  h.read = header_part::game_date;

  char tok[HEADER_TOKEN_MAX + 1];
  if (read_token(st.in, tok, HEADER_TOKEN_MAX) != token::ok) return false;
  h.read = header_part::position;
  // The position ends at "[COM:" and the comment at the separator. Only the
  // whole words end them, so a word of the texts that merely begins with
  // "[" or "-" is kept.
  for (;;) {
    if (read_token(st.in, tok, HEADER_TOKEN_MAX) != token::ok) return false;
    if (std::strcmp(tok, POS_END) == 0) break;
    st.position += tok;
    st.position += ' ';
  }
  for (;;) {
    if (read_token(st.in, tok, HEADER_TOKEN_MAX) != token::ok) return false;
    if (std::strcmp(tok, SEPARATOR) == 0) break;
    st.comment += tok;
    st.comment += ' ';
  }
  int nums[6];
  if (!read_ints(st.in, nums, 6)) return false;
  h.area_index = nums[0];
  h.monster_index = nums[1];
  // A hand-made script may hold any number; the category routines get them
  // within the ranges the settings allow.
  h.cdf = clamped(nums[2], CDF_MIN, CDF_MAX);
  h.group_cdf = clamped(nums[3], CDF_MIN, CDF_MAX);
  h.jeweler_el = clamped(nums[4], 0, JEWELER_EL_MAX);
  h.station = clamped(nums[5], NO_STATION, STATION_MAX);
  h.read = header_part::complete;
  return true;
}

// A literal text after its "[": one character (the blank after "[") is
// skipped, then everything up to the next "]" is the text (zero bytes left
// out). Returns false when the script ends before the "]"; what was read is
// still sent, unless the script ends right after the "[".
bool read_literal(run_state &st) {
  if (next_char(st.in) == EOF) return false;
  st.text.clear();
  int lines = 0;
  bool closed = false;
  for (;;) {
    int c = next_char(st.in);
    if (c == EOF) break;
    if (c == ']') {
      closed = true;
      break;
    }
    if (c == '\0') continue;
    if (c == '\n') ++lines;
    st.text += static_cast<char>(c);
    if (st.text.size() == LITERAL_PIECE && st.sink.takes_literal_pieces()) {
      st.sink.literal_piece(st.text);
      st.text.clear();
    }
  }
  st.sink.literal(st.text, lines, closed);
  return closed;
}

// The sections: headings, literal texts and items, until the last section
// ends or the script turns out cut short or malformed. `tok` may hold the
// first token, already read. Returns true when every section was closed.
bool read_body(run_state &st, const item_numbers &numbers, char *tok,
               bool have_token) {
  int open_sections = 2;
  bool item_open = false;
  int code = 0;
  while (open_sections > 0) {
    if (!have_token && read_token(st.in, tok, SECTION_TOKEN_MAX) != token::ok)
      return false;
    have_token = false;
    // The marks "<", ">" and "[" cannot begin a word, so they, the most
    // frequent tokens, are checked first; a section word only where the
    // first letter is its own.
    // The line of the token just read: its line end is not taken yet.
    const long line = st.in.line + 1;
    if (tok[0] == '<') {
      item_open = true;
      code = 0;
      st.text.clear();
      roll_dice(st.dice);
    } else if (tok[0] == '>') {
      if (!item_open) return false;
      item_open = false;
      if (code == 0)
        st.sink.warning(line, "an item without a category word gives nothing");
      int lines = evaluate_item(code, numbers, st.dice, st.result);
      st.sink.item({code, st.text, st.result.text(), lines, st.result.coins,
                    st.result.values});
    } else if (tok[0] == '[') {
      if (!read_literal(st)) return false;
    } else if (tok[0] == 'P' && std::strcmp(tok, "PORTABLE") == 0) {
      st.sink.section(section_kind::portable, "Portable treasure :\n\n", 2);
    } else if (tok[0] == 'L' && std::strcmp(tok, "LAIR-TREASURE") == 0) {
      st.sink.section(section_kind::lair_treasure,
                      "\n-----\n\nTreasure in lair  :\n\n", 5);
    } else if (tok[0] == 'M' && std::strcmp(tok, "MANUAL-GENERATION") == 0) {
      st.sink.section(section_kind::manual_generation,
                      "Manual Treasure Generation :\n\n", 2);
      --open_sections;  // a manual script has one section only
    } else if (tok[0] == 'E' && std::strcmp(tok, "END-OF-SECTION") == 0) {
      if (item_open)
        st.sink.warning(line, "an item is not closed before END-OF-SECTION");
      --open_sections;
    } else if (item_open) {
      const int before = code;
      code = apply_keyword(tok, code, st.dice);
      // A word that chose a category is known; only the others are looked
      // up again.
      if (code == before && !is_keyword(tok))
        st.sink.warning(line, "unknown word '" + escaped_text(tok) +
                                  "' in an item is ignored");
      if (!st.text.empty()) st.text += ' ';
      st.text += tok;
    } else if (std::strcmp(tok, SEPARATOR) != 0) {
      st.sink.warning(line, "unknown word '" + escaped_text(tok) +
                                "' outside an item is ignored");
    }
  }
  return true;
}

}  // namespace

bool interpret_script(FILE *script, const info_tables &tables,
                      dice_record &dice, report_sink &sink) {
  script_reader in;
  in.file = script;
  in.pos = in.len = 0;
  in.line = 0;
  run_state st{in, tables, dice, sink, {}, {}, {}, {}};

  report_header h{};
  h.read = header_part::none;
  bool header_whole = read_header(st, h);
  char area[64];
  char monster[64];
  char tok[SECTION_TOKEN_MAX + 1];
  bool have_token = false;
  bool complete = false;
  if (header_whole) {
    // A seventh number, the portable code, is written but means nothing to
    // the report; a script without it goes straight on with its sections.
    token t = read_token(in, tok, SECTION_TOKEN_MAX);
    char *end = nullptr;
    errno = 0;
    long code = t == token::ok ? std::strtol(tok, &end, 10) : 0;
    if (t == token::ok && end != tok && *end == '\0' && errno != ERANGE) {
      h.has_portable_code = true;
      h.portable_code = code;
      t = read_token(in, tok, SECTION_TOKEN_MAX);
    }
    // The first word of the body past the separator, read ahead for the
    // monster's label (a separator means nothing in the body).
    while (t == token::ok && std::strcmp(tok, SEPARATOR) == 0)
      t = read_token(in, tok, SECTION_TOKEN_MAX);
    have_token = t == token::ok;
    header_whole = t != token::too_long;
    bool manual = have_token && std::strcmp(tok, "MANUAL-GENERATION") == 0;
    area_label(tables, h.area_index, area, sizeof area);
    monster_name(tables, h.monster_index, manual, monster, sizeof monster);
    h.area_label = area;
    h.monster_label = monster;
  }
  h.position = st.position;
  h.comment = st.comment;
  sink.header(h);
  if (header_whole) {
    item_numbers numbers{h.cdf, h.group_cdf, h.jeweler_el, h.station};
    complete = read_body(st, numbers, tok, have_token);
  }
  sink.end({complete, complete ? 0 : in.line + 1});
  return complete;
}
