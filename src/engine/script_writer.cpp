// Writing treasure scripts.
#include "script_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
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
  std::fprintf(file_, "[POS: %.*s\n", POSITION_COMMENT_SIZE - 1, h.position);
  std::fprintf(file_, "[COM: %.*s\n", POSITION_COMMENT_SIZE - 1, h.comment);
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

namespace {

// The private file of the script being written, removed at exit when the
// program ends before the script is complete (a signal while the game
// master picks manual items), so no stray file stays in the folder.
char g_unfinished[sizeof script_file::temp_path];

void remove_unfinished() {
  if (g_unfinished[0]) unlink(g_unfinished);
}

}  // namespace

bool create_script(script_file &script, const char *path) {
  script = script_file{};
  script.path = path;
  int len = std::snprintf(script.temp_path, sizeof script.temp_path,
                          "%s.XXXXXX", path);
  if (len < 0 || len >= static_cast<int>(sizeof script.temp_path)) return false;
  int fd = mkostemp(script.temp_path, O_CLOEXEC);
  if (fd < 0) {
    script.temp_path[0] = '\0';
    return false;
  }
  // The script is as readable as a file created by the program always was.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  static const bool registered = std::atexit(remove_unfinished) == 0;
  if (registered) std::memcpy(g_unfinished, script.temp_path, len + 1);
  script.stream = fdopen(fd, "w+");
  if (!script.stream) {
    close(fd);
    close_script(script);
    return false;
  }
  return true;
}

bool finish_script(script_file &script) {
  if (!script.stream || !script.temp_path[0]) return false;
  // The stream keeps an error mark for any write that failed; the flush
  // reports a failure of the last, buffered one.
  if (std::fflush(script.stream) != 0 || std::ferror(script.stream) != 0)
    return false;
  if (std::rename(script.temp_path, script.path) != 0) return false;
  script.temp_path[0] = g_unfinished[0] = '\0';
  return std::fseek(script.stream, 0, SEEK_SET) == 0;
}

long script_length(script_file &script) {
  if (!script.stream || std::fflush(script.stream) != 0) return -1;
  return std::ftell(script.stream);
}

bool cut_script(script_file &script, long length) {
  return script.stream && length >= 0 && std::fflush(script.stream) == 0 &&
         ftruncate(fileno(script.stream), length) == 0 &&
         std::fseek(script.stream, length, SEEK_SET) == 0;
}

void close_script(script_file &script) {
  if (script.stream) std::fclose(script.stream);
  script.stream = nullptr;
  if (script.temp_path[0]) unlink(script.temp_path);
  script.temp_path[0] = g_unfinished[0] = '\0';
}
