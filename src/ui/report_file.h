// Read-only, streaming access to a treasure output file for the report
// viewer: report starts, lines and text searches are found by reading
// blocks around the place asked for, so a file of any size opens at once and
// is never held in memory. The file is never written.
#pragma once

#include <string>
#include <vector>

// A report begins with a line of this many '-' followed by an empty line.
constexpr int REPORT_RULE_WIDTH = 75;

class report_file {
 public:
  // not_regular: a FIFO, a device or a folder, refused without waiting.
  enum class file_state { missing, unreadable, not_regular, empty, ready };

  explicit report_file(const std::string &path);
  ~report_file();
  report_file(const report_file &) = delete;
  report_file &operator=(const report_file &) = delete;

  file_state state() const { return state_; }
  // The size when the file was opened: what is appended later is not seen,
  // so a growing file shows the reports it held then.
  long long size() const { return size_; }

  // The last report start before offset; 0 when there is none (text before
  // the first rule counts as a report of its own).
  long long report_start_before(long long offset) const;
  // The first report start after offset, or size().
  long long report_start_after(long long offset) const;
  // The start of the line holding the byte at offset.
  long long line_start(long long offset) const;
  // The start of the line after the one beginning at offset, or size().
  long long next_line(long long offset) const;
  // The line beginning at offset, without its line end, as shown on an
  // 80-column screen: tabs expanded, other control bytes shown as '?',
  // cut after width cells. Under a UTF-8 locale its characters stay and a
  // byte that is not UTF-8 is the replacement mark; under any other, bytes
  // outside ASCII are '?'.
  std::string shown_line(long long offset, int width) const;

  // The first place at or after from where text lies wholly before limit,
  // or -1.
  long long find_forward(const std::string &text, long long from,
                         long long limit) const;
  // The last place at or after floor where text lies wholly before limit,
  // or -1.
  long long find_backward(const std::string &text, long long floor,
                          long long limit) const;

 private:
  // Reads the bytes from begin to end (cut to the size) into block_.
  const std::string &read(long long begin, long long end) const;

  int fd_ = -1;
  long long size_ = 0;
  file_state state_ = file_state::missing;
  mutable std::string block_;
};

// A place in the file as the viewer shows it: reports newest first, the
// lines of each report in their own order. top is the first line shown;
// the report holding it runs from report_begin to report_end.
class report_cursor {
 public:
  // Starts at the first line of the newest report.
  explicit report_cursor(const report_file &file);

  long long top() const { return top_; }
  // One line down or up; false at the end or the start of the view.
  bool down();
  bool up();
  // To the first line of the next (older) or previous (newer) report; the
  // previous one is the current report's first line when top is inside it.
  bool older_report();
  bool newer_report();
  // The line starts of a page of rows lines from top; fewer at the end.
  std::vector<long long> page(int rows) const;
  // Moves top to the next line below it holding text, looking down to the
  // oldest report; false (top unchanged) when there is none.
  bool search(const std::string &text);

 private:
  void enter_report(long long begin, long long end, long long line);

  const report_file &file_;
  long long report_begin_ = 0;
  long long report_end_ = 0;
  long long top_ = 0;
};
