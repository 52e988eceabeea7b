// Writing treasure scripts.
#include "script_writer.h"

#include <ctime>

calendar_date today() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return {t.tm_mday, t.tm_mon + 1, t.tm_year + 1900};
}

void script_writer::header(const script_heading &h, const script_numbers &n) {
  std::fprintf(file_, "%d %d %d\n", h.real_date.day, h.real_date.month,
               h.real_date.year);
  std::fprintf(file_, "%d %d %d\n", h.game_day, h.game_month, h.game_year);
  std::fprintf(file_, "[POS: %.*s\n", TEXT_SIZE - 1, h.position);
  std::fprintf(file_, "[COM: %.*s\n", TEXT_SIZE - 1, h.comment);
  std::fputs("----------\n", file_);
  std::fprintf(file_, "%d %d %d %d %d %d %ld\n", n.area, n.monster, n.cdf,
               n.group_cdf, n.jeweler_el, n.station, n.portable_code);
  std::fputs("----------\n", file_);
}

void script_writer::line(const char *text) { std::fputs(text, file_); }

void script_writer::item(const char *keyword, const char *second) {
  if (second)
    std::fprintf(file_, "< %s %s >\n", keyword, second);
  else
    std::fprintf(file_, "< %s >\n", keyword);
}

void script_writer::literal(const char *text, bool end_line) {
  std::fputs("[ ", file_);
  const char *p = text;
  for (; *p; ++p) std::putc(*p == ']' ? ')' : *p, file_);
  if (end_line && (p == text || p[-1] != '\n')) std::putc('\n', file_);
  std::fputs("]\n", file_);
}

void script_writer::text(const char *text) { literal(text, false); }

void script_writer::text_line(const char *text) { literal(text, true); }

FILE *create_script(const char *path) { return std::fopen(path, "w"); }

bool close_script(FILE *script) {
  if (!script) return false;
  // The stream keeps an error mark for any write that failed; the close
  // flushes what is buffered and reports a failure of that last write.
  bool failed = std::ferror(script) != 0;
  if (std::fclose(script) != 0) failed = true;
  return !failed;
}
