// The report's text, and its locked append to the output file.
#include "report_sink.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

void append_date(std::string &to, const char *label, const int *date) {
  char line[64];
  int n = std::snprintf(line, sizeof line, "%s%d/%d/%d\n", label, date[0],
                        date[1], date[2]);
  to.append(line, static_cast<std::size_t>(n));
}

}  // namespace

void text_report::header(const report_header &h) {
  text_ += std::string(75, '-') + "\n\n";
  if (h.read >= header_part::real_date)
    append_date(text_, "Date       : ", h.real_date);
  if (h.read >= header_part::game_date)
    append_date(text_, "Game date  : ", h.game_date);
  if (h.read >= header_part::position) {
    text_ += "Position   : ";
    text_ += h.position;
  }
  if (h.read < header_part::complete) return;
  text_ += "\nArea       : ";
  text_ += h.area_label;
  text_ += "\nMonster    : ";
  text_ += h.monster_label;
  text_ += "\n\nComments   : ";
  text_ += h.comment;
  text_ += "\n\n-----\n\n";
}

void text_report::section(section_kind, std::string_view text, int) {
  text_ += text;
}

void text_report::literal(std::string_view text, int, bool) { text_ += text; }

void text_report::item(const report_item &item) { text_ += item.text; }

void text_report::end(const report_end &) { text_ += "\n-----\n\n"; }

// The writes go straight to the file, so nothing is left in a buffer to be
// written after the cut.
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
