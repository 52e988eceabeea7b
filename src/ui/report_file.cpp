// The viewer's display of an output file: lines as the screen shows them,
// and the view's place, newest report first.
#include "report_file.h"

#include <algorithm>

#include "screen_text.h"

std::string shown_line(const output_file &file, long long offset, int width,
                       long long stop) {
  // A cell takes at most four bytes of a UTF-8 character (or one byte that
  // is not UTF-8); the rest of the room is for marks of no width.
  long long end = offset + 8LL * width;
  const std::string raw =
      file.bytes(offset, stop >= 0 ? std::min(stop, end) : end);
  const bool utf8 = screen_utf8();
  std::string shown;
  int cells = 0;
  for (std::size_t i = 0; i < raw.size();) {
    unsigned char u = static_cast<unsigned char>(raw[i]);
    if (u == '\n' || cells >= width) break;
    if (u == '\t') {
      int tab_end = std::min(width, (cells / 8 + 1) * 8);
      shown.append(tab_end - cells, ' ');
      cells = tab_end;
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

report_cursor::report_cursor(const output_file &file) : file_(file) { home(); }

void report_cursor::home() {
  long long end = file_.size();
  long long begin = file_.report_start_before(end);
  enter_report(begin, end, begin);
}

void report_cursor::end(int rows) {
  long long end = file_.report_start_after(0);
  enter_report(0, end, end > 0 ? file_.line_start(end - 1) : 0);
  for (int row = 1; row < rows && up(); ++row) {
  }
}

void report_cursor::show_report_at(long long offset) {
  long long begin = file_.report_start_before(offset + 1);
  enter_report(begin, file_.report_start_after(begin), begin);
}

long long report_cursor::report_place() const {
  return file_.report_count() - file_.report_number(report_begin_) + 1;
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

long long report_cursor::find(const std::string &text, long long from,
                              bool forward, bool &wrapped) const {
  wrapped = false;
  const long long size = file_.size();
  const long long len = static_cast<long long>(text.size());
  if (text.empty() || text.find('\n') != std::string::npos) return -1;
  // A match never crosses a report's start, which follows a line end. The
  // report holding from, then the reports past it in the view's order.
  const long long begin = file_.report_start_before(from + 1);
  const long long end = file_.report_start_after(begin);
  // The first (forward) or last match of the report holding the byte at.
  auto in_report_of = [&](long long at) {
    if (at < 0) return -1LL;
    long long b = file_.report_start_before(at + 1);
    long long e = file_.report_start_after(b);
    return forward ? file_.find_forward(text, b, e, true)
                   : file_.find_backward(text, b, e, true);
  };
  long long at = forward
                     ? file_.find_forward(text, from, end, true)
                     : file_.find_backward(text, begin,
                                           std::min(end, from - 1 + len), true);
  if (at >= 0) return at;
  // Older reports lie before this one in the file, newer ones after it.
  at = in_report_of(forward ? file_.find_backward(text, 0, begin, true)
                            : file_.find_forward(text, end, size, true));
  if (at >= 0) return at;
  wrapped = true;
  return in_report_of(forward ? file_.find_backward(text, 0, size, true)
                              : file_.find_forward(text, 0, size, true));
}

void report_cursor::show_line_of(long long offset, int above) {
  show_report_at(offset);
  top_ = file_.line_start(offset);
  for (int i = 0; i < above && top_ > report_begin_; ++i) up();
}
