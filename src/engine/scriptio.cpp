// Writing treasure scripts, the failure messages of a generation and the
// bounded table lookups shared by the writers and the interpreter.
#include "scriptio.h"

#include <cstdio>
#include <ctime>

#include "screen.h"

const char MSG_SCRIPT_READ[] =
    "Cannot read script! Treasure generation failed. Hit any key.";
const char MSG_SCRIPT_WRITE[] =
    "Cannot write script! Treasure generation failed. Hit any key.";
const char MSG_OUTPUT_WRITE[] =
    "Cannot write output file! Treasure generation failed. Hit any key.";

int script_create() {
  char path[FILE_NAME_SIZE + 8];
  std::snprintf(path, sizeof path, "%.*s.hxs", FILE_NAME_SIZE - 1, script_name);
  script = std::fopen(path, "w");
  return script ? 0 : 1;
}

void script_header(int t_area, int t_mon, int t_CDF, int t_maxCDF, int t_JewEL,
                   int t_stat, long t_port) {
  if (!script) return;
  std::time_t now = std::time(nullptr);
  std::tm today{};
  localtime_r(&now, &today);
  std::fprintf(script, "%d %d %d\n", today.tm_mday, today.tm_mon + 1,
               today.tm_year + 1900);
  std::fprintf(script, "%d %d %d\n", info.gd_day, info.gd_month, info.gd_year);
  std::fprintf(script, "[POS: %.*s\n", TEXT_SIZE - 1, pos_txt);
  std::fprintf(script, "[COM: %.*s\n", TEXT_SIZE - 1, comm_txt);
  std::fputs("----------\n", script);
  std::fprintf(script, "%d %d %d %d %d %d %ld\n", t_area, t_mon, t_CDF,
               t_maxCDF, t_JewEL, t_stat, t_port);
  std::fputs("----------\n", script);
}

void script_line(const char *text) {
  if (script) std::fputs(text, script);
}

void script_item(const char *kw1, const char *kw2) {
  if (!script) return;
  if (kw2)
    std::fprintf(script, "< %s %s >\n", kw1, kw2);
  else
    std::fprintf(script, "< %s >\n", kw1);
}

namespace {

void write_text(const char *text, bool end_line) {
  if (!script) return;
  std::fputs("[ ", script);
  const char *p = text;
  for (; *p; ++p) std::putc(*p == ']' ? ')' : *p, script);
  if (end_line && (p == text || p[-1] != '\n')) std::putc('\n', script);
  std::fputs("]\n", script);
}

}  // namespace

void script_text(const char *text) { write_text(text, false); }

void script_text_line(const char *text) { write_text(text, true); }

int script_close() {
  if (!script) return 1;
  // The stream keeps an error mark for any write that failed; the close
  // flushes what is buffered and reports a failure of that last write.
  bool failed = std::ferror(script) != 0;
  if (std::fclose(script) != 0) failed = true;
  script = nullptr;
  return failed ? 1 : 0;
}

void generation_failed(const char *msg) {
  std::fputs(msg, stderr);
  std::fflush(stderr);
  Screen &s = scr();
  s.move(25, 1);
  s.clear_eol();
  s.write(msg);
  s.refresh();
  s.read_key();
}

const area_type &area_at(int t_area) {
  static const area_type empty{};
  if (t_area < 0 || t_area >= MAX_AREAS || t_area >= max_area) return empty;
  return area[t_area];
}

const monster_type &monster_at(int t_mon) {
  static const monster_type empty{};
  if (t_mon < 0 || t_mon >= MAX_MONSTERS || t_mon >= max_mon) return empty;
  return monster[t_mon];
}
