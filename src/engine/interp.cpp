// The treasure script interpreter: reads script_name.hxs, evaluates every
// treasure item through its category routine and appends the report to
// output_name.hxo, echoing the report on the screen page by page.
//
// The report is built in memory while the script is read and appended to the
// output file in one piece at the end, under an exclusive lock. Two programs
// in one folder therefore never interleave their reports, and the lock is
// not held while the user pages through the echo. When the append fails the
// file is cut back to its length before the append, so the earlier reports
// stay as they were and no partial report is left behind.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dice.h"
#include "dispatch.h"
#include "engine.h"
#include "hoardex.h"
#include "screen.h"
#include "scriptio.h"

namespace {

constexpr int PROMPT_ROW = 25;
constexpr int PROMPT_COL = 1;
constexpr int BODY_ROW = 5;
constexpr int BODY_COL = 1;
constexpr int LAST_BODY_ROW = 24;
constexpr char HIT_ANY_KEY[] = "Hit any key to continue.";

// Longest word of the section part: "MANUAL-GENERATION". A longer token is
// no word of a script; the run ends there.
constexpr std::size_t SECTION_TOKEN_MAX = 17;
// Longest word of a position or comment text.
constexpr std::size_t HEADER_TOKEN_MAX = TEXT_SIZE - 1;

constexpr char POS_END[] = "[COM:";
constexpr char SEPARATOR[] = "----------";

// The script, read through a buffer of its own.
struct script_reader {
  FILE *file;
  std::size_t pos;
  std::size_t len;
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
  return c;
}

// One run of the interpreter.
struct run_state {
  script_reader &in;
  std::string &report;  // the report appended to the output at the end
  int lines;            // page length
  long counter;         // lines echoed since the last pause
  bool page_fresh;      // nothing echoed since the page began
};

// ---------------------------------------------------------------- reading

enum tok_result { TOK_OK, TOK_END, TOK_LONG };

bool is_blank(int c) {
  return c == ' ' || (c >= '\t' && c <= '\r');  // blank, \t \n \v \f \r
}

// Reads the next whitespace-separated token into tok (room for max
// characters and a terminator). The white space after the token stays
// unread, so a literal text can skip exactly one blank after "[".
tok_result read_token(script_reader &in, char *tok, std::size_t max) {
  int c;
  while ((c = peek_char(in)) != EOF && is_blank(c)) ++in.pos;
  if (c == EOF) return TOK_END;
  std::size_t n = 0;
  while ((c = peek_char(in)) != EOF && !is_blank(c)) {
    if (n == max) return TOK_LONG;
    tok[n++] = static_cast<char>(c);
    ++in.pos;
  }
  tok[n] = '\0';
  return TOK_OK;
}

// Reads `count` decimal integers, each a whole token within the range of
// int. Returns false when the script ends or a token is no such number.
bool read_ints(script_reader &in, int *out, int count) {
  char tok[24];
  for (int i = 0; i < count; ++i) {
    if (read_token(in, tok, sizeof tok - 1) != TOK_OK) return false;
    char *end = nullptr;
    errno = 0;
    long v = std::strtol(tok, &end, 10);
    if (end == tok || *end != '\0' || errno == ERANGE || v < INT32_MIN ||
        v > INT32_MAX)
      return false;
    out[i] = static_cast<int>(v);
  }
  return true;
}

void appendf(std::string &to, const char *fmt, ...)
    __attribute__((format(printf, 2, 3)));
void appendf(std::string &to, const char *fmt, ...) {
  char line[160];
  va_list args;
  va_start(args, fmt);
  int n = std::vsnprintf(line, sizeof line, fmt, args);
  va_end(args);
  if (n > 0)
    to.append(line, n < static_cast<int>(sizeof line) ? n : sizeof line - 1);
}

// ------------------------------------------------------ screen and paging

// How many characters of text can be echoed from the cursor at (row, col)
// before one would land below the last body row; follows the grid's rules
// for line ends, tabs and wrapping.
std::size_t fit_length(int row, int col, const char *text, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    char c = text[i];
    if (row > LAST_BODY_ROW) return i;
    if (c == '\n') {
      ++row;
      col = 0;
    } else if (c == '\r') {
      col = 0;
    } else if (c == '\t') {
      // A tab puts blanks up to the next multiple of 8; one that wraps goes
      // on blanking the next row up to the same column.
      int stop = (col / 8 + 1) * 8;
      while (col < stop) {
        if (row > LAST_BODY_ROW) return i;
        if (++col == SCREEN_COLS) {
          ++row;
          col = 0;
        }
      }
    } else if (++col == SCREEN_COLS) {
      ++row;
      col = 0;
    }
  }
  return n;
}

void wait_key(const char *prompt) {
  Screen &s = scr();
  s.move(PROMPT_ROW, PROMPT_COL);
  s.write(prompt);
  s.refresh();
  s.read_key();
}

// Ends a page: waits for a key, blanks the body rows (rows 5 to 24 with a
// page of 18 lines) and starts the next page at the top of the body.
void pause_page(run_state &st) {
  st.counter = 0;
  wait_key(HIT_ANY_KEY);
  // The body may begin at column 0, so the blanking does too; otherwise the
  // first character of each row of the last page would stay on the next.
  // lines + 2 rows are blanked, as many as the body can fill.
  Screen &s = scr();
  for (int r = BODY_ROW; r < BODY_ROW + st.lines + 2 && r < PROMPT_ROW; ++r) {
    s.move(r, 0);
    s.clear_eol();
  }
  s.move(BODY_ROW, BODY_COL);
  st.page_fresh = true;
}

long count_lines(const char *text, std::size_t n) {
  long lines = 0;
  const char *end = text + n;
  for (const char *p = text;
       (p = static_cast<const char *>(std::memchr(p, '\n', end - p))); ++p)
    ++lines;
  return lines;
}

// A quick bound for the common case: a text without tabs or carriage
// returns ends at most one row per line end and one per 80 characters below
// the cursor's row.
bool surely_fits(int row, int col, const char *text, std::size_t n) {
  if (std::memchr(text, '\t', n) || std::memchr(text, '\r', n)) return false;
  long last_row =
      row + count_lines(text, n) + (static_cast<long>(n) + col) / SCREEN_COLS;
  return last_row <= LAST_BODY_ROW;
}

// Echoes a text on the screen without ever writing below the last body row.
// A text that does not fit on the rest of the page but fits on a new one
// starts a new page; a text longer than a page fills the page and goes on
// after a pause. After such a pause the line counter holds the lines still
// to come, which are the lines of the new page.
// A text that continues the last one (a long literal text read in parts)
// never starts a page of its own.
void echo(run_state &st, const char *text, std::size_t n,
          bool continued = false) {
  Screen &s = scr();
  if (surely_fits(s.row(), s.col(), text, n)) {
    s.write(text, static_cast<int>(n));
    st.page_fresh = st.page_fresh && n == 0;
    return;
  }
  if (!continued && !st.page_fresh &&
      fit_length(s.row(), s.col(), text, n) < n &&
      fit_length(BODY_ROW, BODY_COL, text, n) == n) {
    pause_page(st);
    st.counter = count_lines(text, n);
  }
  std::size_t done = 0;
  while (done < n) {
    std::size_t k = fit_length(s.row(), s.col(), text + done, n - done);
    if (k > 0) {
      s.write(text + done, static_cast<int>(k));
      st.page_fresh = false;
      done += k;
    }
    if (done < n) {
      pause_page(st);
      st.counter = count_lines(text + done, n - done);
    }
  }
}

// Writes a text to the report and to the screen.
void emit(run_state &st, const char *text, std::size_t n,
          bool continued = false) {
  st.report.append(text, n);
  echo(st, text, n, continued);
}

void emit(run_state &st, const char *text) {
  emit(st, text, std::strlen(text));
}

// ------------------------------------------------------------- the report

const char *area_label(int idx, char *out, std::size_t n) {
  if (idx < 0 || idx >= MAX_AREAS || idx >= max_area) return "(unknown)";
  std::snprintf(out, n, "%.*s", NAME_SIZE - 1, area[idx].name);
  return out;
}

const char *monster_name(int idx, char *out, std::size_t n) {
  bool loaded = idx >= 0 && idx < MAX_MONSTERS && idx < max_mon;
  if (loaded) {
    monster_label(monster[idx], out, n);
    return out;
  }
  // A manual script names the last slot, which holds no monster unless the
  // monster file fills every slot.
  if (idx == MANUAL_MONSTER) return "Manual generation";
  return "(unknown)";
}

// The header lines of the report. Returns false, with the report as far as
// it got, when the script's header is cut short or malformed.
bool read_header(run_state &st, int *nums) {
  st.report +=
      "------------------------------------------------------------------"
      "---------\n\n";
  int date[3];
  if (!read_ints(st.in, date, 3)) return false;
  appendf(st.report, "Date       : %d/%d/%d\n", date[0], date[1], date[2]);
  if (!read_ints(st.in, date, 3)) return false;
  appendf(st.report, "Game date  : %d/%d/%d\n", date[0], date[1], date[2]);

  char tok[HEADER_TOKEN_MAX + 1];
  if (read_token(st.in, tok, HEADER_TOKEN_MAX) != TOK_OK) return false;
  st.report += "Position   : ";
  // The position ends at "[COM:" and the comment at the separator. Only the
  // whole words end them, so a word of the texts that merely begins with
  // "[" or "-" is kept.
  for (;;) {
    if (read_token(st.in, tok, HEADER_TOKEN_MAX) != TOK_OK) return false;
    if (std::strcmp(tok, POS_END) == 0) break;
    st.report += tok;
    st.report += ' ';
  }
  std::string comment;
  for (;;) {
    if (read_token(st.in, tok, HEADER_TOKEN_MAX) != TOK_OK) return false;
    if (std::strcmp(tok, SEPARATOR) == 0) break;
    comment += tok;
    comment += ' ';
  }
  if (!read_ints(st.in, nums, 6)) return false;

  char name[64];
  appendf(st.report, "\nArea       : %s\n",
          area_label(nums[0], name, sizeof name));
  appendf(st.report, "Monster    : %s\n\n",
          monster_name(nums[1], name, sizeof name));
  st.report += "Comments   : ";
  st.report += comment;
  st.report += "\n\n-----\n\n";
  return true;
}

// A literal text after its "[": one character (the blank after "[") is
// skipped, then everything up to the next "]" is the text. Returns false when
// the script ends before the "]"; what was read is still written.
bool read_literal(run_state &st) {
  if (next_char(st.in) == EOF) return false;
  // Kept terminated: the screen reads up to a terminating zero.
  char chunk[1024 + 1];
  std::size_t n = 0;
  bool closed = false;
  bool continued = false;
  for (;;) {
    int c = next_char(st.in);
    if (c == EOF) break;
    if (c == ']') {
      closed = true;
      break;
    }
    if (c == '\0') continue;
    if (c == '\n') ++st.counter;
    chunk[n++] = static_cast<char>(c);
    if (n == sizeof chunk - 1) {
      chunk[n] = '\0';
      emit(st, chunk, n, continued);
      continued = true;
      n = 0;
    }
  }
  chunk[n] = '\0';
  emit(st, chunk, n, continued);
  return closed;
}

// The sections: headings, literal texts and items, until the last section
// ends or the script turns out cut short or malformed.
void read_body(run_state &st, const int *nums) {
  all_dice_ptr dice = engine_dice();
  int open_sections = 2;
  bool item_open = false;
  int code = 0;
  char tok[SECTION_TOKEN_MAX + 1];
  while (open_sections > 0) {
    if (read_token(st.in, tok, SECTION_TOKEN_MAX) != TOK_OK) return;
    // The marks "<", ">" and "[" cannot begin a word, so they, the most
    // frequent tokens, are checked first.
    if (tok[0] == '<') {
      item_open = true;
      code = 0;
      roll_dice(dice);
    } else if (tok[0] == '>') {
      if (!item_open) return;
      item_open = false;
      int n = decode_trscode(code, nums[2], nums[3], nums[4], nums[5]);
      if (n > 0) st.counter += n;
      con_trs_txt[TRS_TXT_SIZE - 1] = '\0';
      emit(st, con_trs_txt);
    } else if (tok[0] == '[') {
      if (!read_literal(st)) return;
    } else if (std::strcmp(tok, "PORTABLE") == 0) {
      emit(st, "Portable treasure :\n\n");
      st.counter += 2;
    } else if (std::strcmp(tok, "LAIR-TREASURE") == 0) {
      emit(st, "\n-----\n\nTreasure in lair  :\n\n");
      st.counter += 5;
    } else if (std::strcmp(tok, "MANUAL-GENERATION") == 0) {
      emit(st, "Manual Treasure Generation :\n\n");
      st.counter += 2;
      --open_sections;  // a manual script has one section only
    } else if (std::strcmp(tok, "END-OF-SECTION") == 0) {
      --open_sections;
    } else if (item_open) {
      code = apply_keyword(tok, code, dice);
    }
    if (st.counter >= st.lines) pause_page(st);
  }
}

// Appends the report to the output in one piece under an exclusive lock; on
// a failed write the file is cut back to its earlier length. Closes the file.
// Returns true when the whole report is in the file. The writes go straight
// to the file, so nothing is left in a buffer to be written after the cut.
bool append_report(int fd, const std::string &report) {
  while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
  struct stat before {};
  bool regular = fstat(fd, &before) == 0 && S_ISREG(before.st_mode);
  const char *p = report.data();
  std::size_t left = report.size();
  bool ok = true;
  while (left > 0) {
    ssize_t n = write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      break;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (!ok && regular && ftruncate(fd, before.st_size) != 0) {
    // Nothing more can be done; the failure is reported either way.
  }
  flock(fd, LOCK_UN);
  if (close(fd) != 0) ok = false;
  return ok;
}

}  // namespace

void run_script_con(int lines) {
  char path[FILE_NAME_SIZE + 8];
  std::snprintf(path, sizeof path, "%.*s.hxs", FILE_NAME_SIZE - 1, script_name);
  script = std::fopen(path, "r");
  if (!script) {
    generation_failed(MSG_SCRIPT_READ);
    return;
  }
  std::snprintf(path, sizeof path, "%.*s.hxo", FILE_NAME_SIZE - 1, output_name);
  int fd = open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    std::fclose(script);
    script = nullptr;
    generation_failed(MSG_OUTPUT_WRITE);
    return;
  }

  // The report's buffer is kept from run to run, so a long report does not
  // grow it again each time.
  static std::string report;
  report.clear();
  static script_reader reader;
  reader.file = script;
  reader.pos = reader.len = 0;
  run_state st{reader, report, lines, 0, true};
  int nums[6];
  if (read_header(st, nums)) read_body(st, nums);
  st.report += "\n-----\n\n";
  std::fclose(script);
  script = nullptr;

  if (!append_report(fd, st.report)) {
    generation_failed(MSG_OUTPUT_WRITE);
    return;
  }
  wait_key(HIT_ANY_KEY);
}
