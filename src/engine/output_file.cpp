// The output file: its rule, the locked append, the block-wise reading
// into reports and the removal of one under the append's lock.
#include "output_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>

#include "atomic_file.h"

namespace {

// Bytes read at a time: a search starts with a small block, as a line end
// is mostly near, and grows it up to the largest. It keeps the last few bytes
// of a block with the next one so a match across the seam is found.
constexpr long long FIRST_BLOCK = 256;
constexpr long long LARGEST_BLOCK = 64 * 1024;
// Report starts are counted, and the file's digest taken, a mebibyte at a
// time; one count is kept for each mebibyte of the file.
constexpr long long COUNT_BLOCK = 1024 * 1024;
// The longest line end pair after a rule's dashes: "\r\n\r\n".
constexpr long long RULE_END_MAX = 4;

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// A report start s > 0 is the first '-' of this, found at s - 1, when an
// empty line follows the dashes.
const std::string &line_of_dashes() {
  static const std::string pattern = "\n" + std::string(REPORT_RULE_WIDTH, '-');
  return pattern;
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

// A digest of the first `size` bytes of the file, read a mebibyte at a time
// (so every part but the last is whole words): eight bytes mixed at a time.
// It tells a file rewritten in place from the one read; it is no defence
// against a file made on purpose to match. false when the file is shorter.
bool file_digest(int fd, long long size, std::uint64_t &digest) {
  std::string block(COUNT_BLOCK, '\0');
  std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ static_cast<std::uint64_t>(size);
  for (long long at = 0; at < size; at += COUNT_BLOCK) {
    std::size_t n = static_cast<std::size_t>(std::min(COUNT_BLOCK, size - at));
    if (!read_at(fd, block.data(), n, at)) return false;
    for (std::size_t i = 0; i < n; i += 8) {
      std::uint64_t word = 0;
      std::memcpy(&word, block.data() + i, std::min<std::size_t>(8, n - i));
      h = (h ^ word) * 0xFF51AFD7ED558CCDULL;
      h ^= h >> 32;
    }
  }
  digest = h;
  return true;
}

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

// A removal reads the file and needs the right to write it, as an append
// does: a file the user may not write is refused here.
int open_for_removal(const char *path) {
  return open(path, O_RDWR | O_CLOEXEC | O_NONBLOCK);
}

// Bytes copied at a time.
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

// Under the lock of `fd`, the file path names, whose status is st: the new
// file without the bytes from begin to end, with the old one's owner and
// mode, renamed over path.
removal replace_without(int fd, const struct stat &st, const char *path,
                        long long begin, long long end, std::string &error) {
  bool owner_kept = true;
  bool done = replace_file_streamed(
      path, st.st_mode & 07777,
      [&](int out) {
        // A change of owner may drop the set-id bits: the mode again.
        owner_kept = fchown(out, st.st_uid, st.st_gid) == 0 &&
                     fchmod(out, st.st_mode & 07777) == 0;
        return owner_kept && copy_without(fd, out, begin, end, st.st_size);
      },
      error);
  if (!owner_kept) error = "its owner and mode could not be kept";
  return done ? removal::done : removal::failed;
}

}  // namespace

const std::string &report_rule() {
  static const std::string rule = std::string(REPORT_RULE_WIDTH, '-') + "\n\n";
  return rule;
}

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

output_file::output_file(const std::string &path) {
  // Opened without waiting: a FIFO in the file's place would otherwise hold
  // the open until something writes to it.
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) {
    state_ = errno == ENOENT ? file_state::missing : file_state::unreadable;
    return;
  }
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
    state_ = file_state::unreadable;
    return;
  }
  if (!S_ISREG(st.st_mode)) {
    state_ = file_state::not_regular;
    return;
  }
  size_ = st.st_size;
  device_ = st.st_dev;
  inode_ = st.st_ino;
  if (!file_digest(fd_, size_, digest_)) {
    state_ = file_state::unreadable;
    return;
  }
  state_ = size_ == 0 ? file_state::empty : file_state::ready;
  long long starts = 0;
  for (long long at = 0; at < size_; at += COUNT_BLOCK) {
    starts_before_.push_back(starts);
    starts += starts_between(at, std::min(size_, at + COUNT_BLOCK));
  }
  report_count_ = size_ == 0 ? 0 : starts + 1;
}

output_file::~output_file() {
  if (fd_ >= 0) ::close(fd_);
}

const std::string &output_file::read(long long begin, long long end,
                                     bool fold) const {
  end = std::min(end, size_);
  block_.resize(static_cast<std::size_t>(std::max(0LL, end - begin)));
  std::size_t got = 0;
  while (got < block_.size()) {
    ssize_t n = ::pread(fd_, block_.data() + got, block_.size() - got,
                        static_cast<off_t>(begin + got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // the file shrank or failed: what was read stands
    got += static_cast<std::size_t>(n);
  }
  block_.resize(got);
  if (fold)
    for (char &c : block_) c = ascii_lower(c);
  return block_;
}

output_file::rule_kind output_file::rule_after(long long offset) const {
  // An empty line after the dashes' line end is a rule; a line end alone, or
  // the file ending where a line end could still follow, is unsure.
  const std::string &end = read(offset, offset + RULE_END_MAX);
  for (std::string_view line_end : {"\n", "\r\n"}) {
    std::string pair = std::string(line_end) + std::string(line_end);
    if (end.compare(0, pair.size(), pair) == 0) return rule_kind::rule;
  }
  const bool cut = offset + RULE_END_MAX > size_;
  if (end.empty() || end[0] == '\n' || end.compare(0, 2, "\r\n") == 0 ||
      (cut && end == "\r"))
    return rule_kind::unsure;
  return rule_kind::not_rule;
}

long long output_file::starts_between(long long lo, long long hi) const {
  // A start s is the byte after a line of dashes found at s - 1, read with
  // the bytes that tell whether it is a rule.
  const std::string &dashes = line_of_dashes();
  const long long len = static_cast<long long>(dashes.size());
  long long count = 0;
  for (long long pos = std::max(0LL, lo - 1); pos < hi - 1;) {
    const long long end = std::min(hi - 1, pos + COUNT_BLOCK);
    std::string block = read(pos, end + len + RULE_END_MAX);
    const std::string_view view(block);
    for (std::size_t at = view.find(dashes);
         at != std::string_view::npos && pos + static_cast<long long>(at) < end;
         at = view.find(dashes, at + 1))
      count +=
          rule_after(pos + static_cast<long long>(at) + len) == rule_kind::rule;
    if (static_cast<long long>(block.size()) < end - pos) break;
    pos = end;
  }
  return count;
}

long long output_file::report_number(long long begin) const {
  if (starts_before_.empty()) return 0;
  long long chunk = std::min(begin / COUNT_BLOCK,
                             static_cast<long long>(starts_before_.size()) - 1);
  return 1 + starts_before_[chunk] +
         starts_between(chunk * COUNT_BLOCK, begin + 1);
}

std::string output_file::bytes(long long begin, long long end) const {
  std::string text;
  for (long long at = begin; at < end; at += LARGEST_BLOCK) {
    const std::string &block = read(at, std::min(end, at + LARGEST_BLOCK));
    text += block;
    if (block.empty()) break;
  }
  return text;
}

long long output_file::find_forward(const std::string &text, long long from,
                                    long long limit, bool fold) const {
  const long long len = static_cast<long long>(text.size());
  limit = std::min(limit, size_);
  long long block_size = FIRST_BLOCK;
  for (long long pos = std::max(0LL, from); pos + len <= limit;) {
    long long end = std::min(limit, pos + block_size);
    block_size = std::min(block_size * 4, LARGEST_BLOCK);
    const std::string &block = read(pos, end, fold);
    std::size_t at = block.find(text);
    if (at != std::string::npos) return pos + static_cast<long long>(at);
    if (end == limit || static_cast<long long>(block.size()) < end - pos) break;
    pos = end - len + 1;
  }
  return -1;
}

long long output_file::find_backward(const std::string &text, long long floor,
                                     long long limit, bool fold) const {
  const long long len = static_cast<long long>(text.size());
  floor = std::max(0LL, floor);
  long long block_size = FIRST_BLOCK;
  for (long long end = std::min(limit, size_); end - floor >= len;) {
    long long begin = std::max(floor, end - block_size);
    block_size = std::min(block_size * 4, LARGEST_BLOCK);
    const std::string &block = read(begin, end, fold);
    std::size_t at = block.rfind(text);
    if (at != std::string::npos) return begin + static_cast<long long>(at);
    if (begin == floor) break;
    end = begin + len - 1;
  }
  return -1;
}

long long output_file::report_start_before(long long offset) const {
  // A line of dashes at m starts a report at m + 1 < offset.
  const std::string &dashes = line_of_dashes();
  const long long len = static_cast<long long>(dashes.size());
  for (long long limit = offset + len - 2;;) {
    long long at = find_backward(dashes, 0, limit);
    if (at < 0) return 0;
    if (rule_after(at + len) == rule_kind::rule) return at + 1;
    limit = at + len - 1;
  }
}

long long output_file::report_start_after(long long offset) const {
  const std::string &dashes = line_of_dashes();
  const long long len = static_cast<long long>(dashes.size());
  for (long long from = offset;;) {
    long long at = find_forward(dashes, from, size_);
    if (at < 0) return size_;
    if (rule_after(at + len) == rule_kind::rule) return at + 1;
    from = at + 1;
  }
}

bool output_file::whole_report(long long begin, long long end) const {
  const std::string &dashes = line_of_dashes();
  const long long len = static_cast<long long>(dashes.size());
  // The rule at begin: after a line end, or at the file's start.
  if (begin < 0 || begin >= end || end > size_) return false;
  const bool rule_here =
      begin == 0
          ? read(0, len - 1) == dashes.substr(1) &&
                rule_after(len - 1) == rule_kind::rule
          : find_forward(dashes, begin - 1, begin - 1 + len) == begin - 1 &&
                rule_after(begin - 1 + len) == rule_kind::rule;
  if (!rule_here) return false;
  // Any other line of dashes up to the rule at end is no rule's look-alike.
  for (long long at = begin;;) {
    at = find_forward(dashes, at, end - 1 + len);
    if (at < 0 || at == end - 1) return true;
    if (rule_after(at + len) != rule_kind::not_rule) return false;
    ++at;
  }
}

long long output_file::line_start(long long offset) const {
  long long at = find_backward("\n", 0, offset);
  return at < 0 ? 0 : at + 1;
}

long long output_file::next_line(long long offset) const {
  long long at = find_forward("\n", offset, size_);
  return at < 0 ? size_ : at + 1;
}

bool output_file::unchanged(int now, const struct stat &st) const {
  std::uint64_t digest = 0;
  return state_ == file_state::ready && st.st_dev == device_ &&
         st.st_ino == inode_ && st.st_size >= size_ &&
         file_digest(now, size_, digest) && digest == digest_;
}

// A new file renamed over the old one rather than the old one rewritten in
// place: a reader, or a program stopped half-way, sees the old file or the
// new one, never a file with part of its tail copied twice. An appender that
// opened the old file before the rename finds, once it has the lock, that
// path names another file, and opens it again (append_report).
removal remove_report(const char *path, const output_file &opened,
                      long long begin, std::string &error) {
  struct stat link {};
  if (lstat(path, &link) != 0) return removal::changed;
  if (S_ISLNK(link.st_mode) || link.st_nlink > 1) {
    error = "it is a link";
    return removal::failed;
  }
  int fd = open_for_removal(path);
  if (fd < 0) {
    error = std::strerror(errno);
    return errno == ENOENT ? removal::changed : removal::failed;
  }
  struct stat st {};
  removal result = removal::changed;
  if (!lock_named(fd, path, open_for_removal) || fstat(fd, &st) != 0) {
    error = std::strerror(errno);
    result = removal::failed;
  } else if (!S_ISREG(st.st_mode)) {
    error = "not a regular file";
    result = removal::failed;
  } else if (opened.unchanged(fd, st)) {
    // The file's first bytes are those read: the report is where it was.
    long long end = opened.report_start_after(begin);
    result = opened.whole_report(begin, end)
                 ? replace_without(fd, st, path, begin, end, error)
                 : removal::uncertain;
  }
  flock(fd, LOCK_UN);
  close(fd);
  return result;
}
