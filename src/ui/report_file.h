// The report viewer's display of an output file (engine/output_file.h
// reads it and finds its reports): a line as the screen shows it, and the
// place in the file the view stands at.
#pragma once

#include <string>
#include <vector>

#include "output_file.h"

// The line beginning at offset, without its line end, as shown on an
// 80-column screen: tabs expanded, other control bytes shown as '?', cut
// after width cells. Under a UTF-8 locale its characters stay and a byte
// that is not UTF-8 is the replacement mark; under any other, bytes outside
// ASCII are '?'. With stop, only the bytes before it are shown.
std::string shown_line(const output_file &file, long long offset, int width,
                       long long stop = -1);

// A place in the file as the viewer shows it: reports newest first, the
// lines of each report in their own order. top is the first line shown;
// the report holding it runs from report_begin to report_end.
class report_cursor {
 public:
  // Starts at the first line of the newest report.
  explicit report_cursor(const output_file &file);

  long long top() const { return top_; }
  // The report holding top: its bytes from report_begin() to report_end(),
  // and its place in the view, 1 for the newest.
  long long report_begin() const { return report_begin_; }
  long long report_end() const { return report_end_; }
  long long report_place() const;
  // Home: the first line of the newest report. End: the last page of rows
  // lines of the oldest one.
  void home();
  void end(int rows);
  // To the first line of the report holding the byte at offset.
  void show_report_at(long long offset);
  // One line down or up; false at the end or the start of the view.
  bool down();
  bool up();
  // To the first line of the next (older) or previous (newer) report; the
  // previous one is the current report's first line when top is inside it.
  bool older_report();
  bool newer_report();
  // The line starts of a page of rows lines from top; fewer at the end.
  std::vector<long long> page(int rows) const;
  // The next match of text in the view's order from the place `from`:
  // going forward (down the view) the first at or after it, else the last
  // before it. Past the view's end the search goes on from its other end,
  // and wrapped is set. ASCII letters match in either case (text is given
  // in lower case and holds no line end). -1: none in the whole file.
  long long find(const std::string &text, long long from, bool forward,
                 bool &wrapped) const;
  // To the line holding the byte at offset, with up to `above` lines of its
  // report above it, so the report's head is near.
  void show_line_of(long long offset, int above);

 private:
  void enter_report(long long begin, long long end, long long line);

  const output_file &file_;
  long long report_begin_ = 0;
  long long report_end_ = 0;
  long long top_ = 0;
};
