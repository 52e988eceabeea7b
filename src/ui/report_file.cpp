// The streaming reader behind the report viewer: block-wise searches
// forwards and backwards, from which report starts, lines and text searches
// follow.
#include "report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "screen_text.h"

namespace {

// Bytes read at a time: a search starts with a small block, as a line end
// is mostly near, and grows it up to the largest. It keeps the last few bytes
// of a block with the next one so a match across the seam is found.
constexpr long long FIRST_BLOCK = 256;
constexpr long long LARGEST_BLOCK = 64 * 1024;

// A report start s > 0 is the byte after the line end of this pattern.
const std::string &report_rule_pattern() {
  static const std::string pattern =
      "\n" + std::string(REPORT_RULE_WIDTH, '-') + "\n\n";
  return pattern;
}

}  // namespace

report_file::report_file(const std::string &path) {
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
  state_ = size_ == 0 ? file_state::empty : file_state::ready;
}

report_file::~report_file() {
  if (fd_ >= 0) ::close(fd_);
}

const std::string &report_file::read(long long begin, long long end) const {
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
  return block_;
}

long long report_file::find_forward(const std::string &text, long long from,
                                    long long limit) const {
  const long long len = static_cast<long long>(text.size());
  limit = std::min(limit, size_);
  long long block_size = FIRST_BLOCK;
  for (long long pos = std::max(0LL, from); pos + len <= limit;) {
    long long end = std::min(limit, pos + block_size);
    block_size = std::min(block_size * 4, LARGEST_BLOCK);
    const std::string &block = read(pos, end);
    std::size_t at = block.find(text);
    if (at != std::string::npos) return pos + static_cast<long long>(at);
    if (end == limit || static_cast<long long>(block.size()) < end - pos) break;
    pos = end - len + 1;
  }
  return -1;
}

long long report_file::find_backward(const std::string &text, long long floor,
                                     long long limit) const {
  const long long len = static_cast<long long>(text.size());
  floor = std::max(0LL, floor);
  long long block_size = FIRST_BLOCK;
  for (long long end = std::min(limit, size_); end - floor >= len;) {
    long long begin = std::max(floor, end - block_size);
    block_size = std::min(block_size * 4, LARGEST_BLOCK);
    const std::string &block = read(begin, end);
    std::size_t at = block.rfind(text);
    if (at != std::string::npos) return begin + static_cast<long long>(at);
    if (begin == floor) break;
    end = begin + len - 1;
  }
  return -1;
}

long long report_file::report_start_before(long long offset) const {
  // A match wholly before offset + len - 1 puts its start before offset.
  const std::string &rule = report_rule_pattern();
  long long limit = offset + static_cast<long long>(rule.size()) - 2;
  long long at = find_backward(rule, 0, limit);
  return at < 0 ? 0 : at + 1;
}

long long report_file::report_start_after(long long offset) const {
  long long at = find_forward(report_rule_pattern(), offset, size_);
  return at < 0 ? size_ : at + 1;
}

long long report_file::line_start(long long offset) const {
  long long at = find_backward("\n", 0, offset);
  return at < 0 ? 0 : at + 1;
}

long long report_file::next_line(long long offset) const {
  long long at = find_forward("\n", offset, size_);
  return at < 0 ? size_ : at + 1;
}

std::string report_file::shown_line(long long offset, int width) const {
  // A cell takes at most four bytes of a UTF-8 character (or one byte that
  // is not UTF-8); the rest of the room is for marks of no width.
  const std::string &raw = read(offset, offset + 8LL * width);
  const bool utf8 = screen_utf8();
  std::string shown;
  int cells = 0;
  for (std::size_t i = 0; i < raw.size();) {
    unsigned char u = static_cast<unsigned char>(raw[i]);
    if (u == '\n' || cells >= width) break;
    if (u == '\t') {
      int stop = std::min(width, (cells / 8 + 1) * 8);
      shown.append(stop - cells, ' ');
      cells = stop;
      ++i;
      continue;
    }
    screen_char c = next_screen_char(raw.data() + i, raw.size() - i, utf8);
    if (cells + c.cells > width) break;
    if (u < 32 || u == 127 || (!utf8 && u >= 128))
      shown += '?';
    else if (!c.shown)
      shown += REPLACEMENT_MARK;
    else
      shown.append(raw, i, c.bytes);
    cells += c.cells;
    i += c.bytes;
  }
  return shown;
}

report_cursor::report_cursor(const report_file &file) : file_(file) {
  long long end = file.size();
  long long begin = file.report_start_before(end);
  enter_report(begin, end, begin);
}

void report_cursor::enter_report(long long begin, long long end,
                                 long long line) {
  report_begin_ = begin;
  report_end_ = end;
  top_ = line;
}

bool report_cursor::down() {
  long long next = file_.next_line(top_);
  if (next < report_end_) {
    top_ = next;
    return true;
  }
  return older_report();
}

bool report_cursor::up() {
  if (top_ > report_begin_) {
    top_ = file_.line_start(top_ - 1);
    return true;
  }
  if (report_end_ >= file_.size()) return false;
  long long end = file_.report_start_after(report_end_);
  enter_report(report_end_, end, file_.line_start(end - 1));
  return true;
}

bool report_cursor::older_report() {
  if (report_begin_ == 0) return false;
  long long begin = file_.report_start_before(report_begin_);
  enter_report(begin, report_begin_, begin);
  return true;
}

bool report_cursor::newer_report() {
  if (top_ > report_begin_) {
    top_ = report_begin_;
    return true;
  }
  if (report_end_ >= file_.size()) return false;
  long long end = file_.report_start_after(report_end_);
  enter_report(report_end_, end, report_end_);
  return true;
}

std::vector<long long> report_cursor::page(int rows) const {
  std::vector<long long> lines;
  if (file_.size() == 0) return lines;
  report_cursor walker = *this;
  do {
    lines.push_back(walker.top_);
  } while (static_cast<int>(lines.size()) < rows && walker.down());
  return lines;
}

bool report_cursor::search(const std::string &text) {
  if (text.empty() || text.find('\n') != std::string::npos) return false;
  // Below top in this report, else the newest older report holding it: the
  // last match before this report, found from the end backwards.
  long long at = file_.find_forward(text, file_.next_line(top_), report_end_);
  if (at >= 0) {
    top_ = file_.line_start(at);
    return true;
  }
  long long last = file_.find_backward(text, 0, report_begin_);
  if (last < 0) return false;
  long long begin = file_.report_start_before(last + 1);
  long long end = file_.report_start_after(begin);
  at = file_.find_forward(text, begin, end);
  enter_report(begin, end, file_.line_start(at));
  return true;
}
