// The report's text, and its locked append to the output file.
#include "report_sink.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "atomic_file.h"

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

namespace {

// Waits for the exclusive lock on the open file.
void lock_exclusive(int fd) {
  while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
}

// Whether path names the file open as fd, whose status is st.
bool names_file(const char *path, const struct stat &st) {
  struct stat now {};
  return stat(path, &now) == 0 && now.st_dev == st.st_dev &&
         now.st_ino == st.st_ino;
}

// Opens and locks fd again while path names another file than it: a
// removal renamed a new file over path between the open and the lock. The
// remover holds the lock of the file it replaces until after the rename, so
// once the lock of the file path names is held, it stays named. Bounded, so
// a path that keeps changing fails instead of looping.
constexpr int REOPEN_TRIES = 64;

bool lock_named(int &fd, const char *path, int (*reopen)(const char *path)) {
  for (int tries = 0; tries < REOPEN_TRIES; ++tries) {
    lock_exclusive(fd);
    struct stat st {};
    if (fstat(fd, &st) != 0) return false;
    if (names_file(path, st)) return true;
    int again = reopen(path);
    if (again < 0) return false;
    close(fd);
    fd = again;
  }
  return false;
}

// Reads n bytes at offset; false when the file ends before.
bool read_at(int fd, char *to, std::size_t n, long long offset) {
  while (n > 0) {
    ssize_t got = pread(fd, to, n, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      if (got == 0) errno = EIO;
      return false;
    }
    to += got;
    n -= static_cast<std::size_t>(got);
    offset += got;
  }
  return true;
}

int open_for_reading(const char *path) {
  return open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

// Bytes copied or compared at a time.
constexpr std::size_t COPY_BLOCK = 256 * 1024;

// The rest of the file: the bytes before begin and from end to size, copied
// from `from` to `to` a block at a time.
bool copy_without(int from, int to, long long begin, long long end,
                  long long size) {
  std::string block(COPY_BLOCK, '\0');
  for (auto [lo, hi] : {std::pair(0LL, begin), std::pair(end, size)}) {
    for (long long at = lo; at < hi;) {
      std::size_t n = static_cast<std::size_t>(
          std::min<long long>(hi - at, static_cast<long long>(COPY_BLOCK)));
      if (!read_at(from, block.data(), n, at) ||
          !write_all(to, block.data(), n))
        return false;
      at += static_cast<long long>(n);
    }
  }
  return true;
}

// Whether the file holds expected at offset begin.
bool holds_at(int fd, long long begin, std::string_view expected) {
  std::string block(std::min(COPY_BLOCK, expected.size()), '\0');
  for (std::size_t done = 0; done < expected.size();) {
    std::size_t n = std::min(block.size(), expected.size() - done);
    if (!read_at(fd, block.data(), n, begin + static_cast<long long>(done)) ||
        expected.compare(done, n, block.data(), n) != 0)
      return false;
    done += n;
  }
  return true;
}

// Under the lock of `fd`, the file path names, whose status is st: the new
// file without the bytes from begin to end, renamed over path.
removal replace_without(int fd, const struct stat &st, const char *path,
                        long long begin, long long end, std::string &error) {
  return replace_file_streamed(
             path, st.st_mode & 07777,
             [&](int out) {
               return copy_without(fd, out, begin, end, st.st_size);
             },
             error)
             ? removal::done
             : removal::failed;
}

}  // namespace

int open_output_path(const char *path) {
  int fd =
      open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) return -1;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || S_ISCHR(st.st_mode)) ||
      fcntl(fd, F_SETFL, O_APPEND) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

// The writes go straight to the file, so nothing is left in a buffer to be
// written after the cut.
bool append_report(int fd, const char *path, const std::string &report) {
  if (fd < 0) return false;
  bool ok = lock_named(fd, path, open_output_path);
  struct stat before {};
  bool regular = fstat(fd, &before) == 0 && S_ISREG(before.st_mode);
  ok = ok && write_all(fd, report.data(), report.size());
  if (!ok && regular && ftruncate(fd, before.st_size) != 0) {
    // Nothing more can be done; the failure is reported either way.
  }
  flock(fd, LOCK_UN);
  if (close(fd) != 0) ok = false;
  return ok;
}

// A new file renamed over the old one rather than the old one rewritten in
// place: a reader, or a program stopped half-way, sees the old file or the
// new one, never a file with part of its tail copied twice. An appender that
// opened the old file before the rename finds, once it has the lock, that
// path names another file, and opens it again (append_report).
removal remove_report(const char *path, long long begin,
                      std::string_view expected, std::string &error) {
  struct stat link {};
  if (lstat(path, &link) != 0) return removal::changed;
  if (S_ISLNK(link.st_mode) || link.st_nlink > 1) {
    error = "it is a link";
    return removal::failed;
  }
  int fd = open_for_reading(path);
  if (fd < 0) {
    error = std::strerror(errno);
    return errno == ENOENT ? removal::changed : removal::failed;
  }
  struct stat st {};
  removal result = removal::changed;
  if (!lock_named(fd, path, open_for_reading) || fstat(fd, &st) != 0) {
    error = std::strerror(errno);
    result = removal::failed;
  } else if (!S_ISREG(st.st_mode)) {
    error = "not a regular file";
    result = removal::failed;
  } else if (begin >= 0 && !expected.empty() &&
             begin + static_cast<long long>(expected.size()) <= st.st_size &&
             holds_at(fd, begin, expected)) {
    long long end = begin + static_cast<long long>(expected.size());
    result = replace_without(fd, st, path, begin, end, error);
  }
  flock(fd, LOCK_UN);
  close(fd);
  return result;
}
