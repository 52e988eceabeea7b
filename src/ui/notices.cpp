// Messages for the standard error stream, held while they would land on the
// terminal of the screen.
#include "notices.h"

#include <unistd.h>

#include <cstdio>

namespace {

std::string g_held;

void append_line(std::string &to, const std::string &text) {
  to += text;
  if (text.empty() || text.back() != '\n') to += '\n';
}

}  // namespace

void notice(const std::string &text) {
  if (isatty(STDERR_FILENO)) {
    append_line(g_held, text);
    return;
  }
  std::string line;
  append_line(line, text);
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
}

void write_held_notices() {
  std::fputs(g_held.c_str(), stderr);
  std::fflush(stderr);
  g_held.clear();
}
