// A progress line for long work on the standard error stream: done, total
// and the time left, redrawn in place a few times a second. It is drawn only
// when that stream is a terminal and the work has already taken a while, so
// a short run or a run whose messages go to a file shows nothing. SIGINT
// and SIGTERM erase a line drawn before they end the program.
#pragma once

#include <chrono>
#include <string>

// "1234 of 10000 done (12%), about 52 s left"; the time left is worked out
// from the pace so far, and left out until any work is done.
std::string progress_text(long done, long total, double seconds_so_far);

class progress_line {
 public:
  // `shown` false: never draws (standard error is no terminal).
  progress_line(long total, bool shown);
  progress_line(long total);  // shown when standard error is a terminal
  ~progress_line();           // wipes the line if it was drawn
  // Counts one piece of work done.
  void step();

 private:
  using clock = std::chrono::steady_clock;
  long total_;
  long done_ = 0;
  bool shown_;
  bool drawn_ = false;
  clock::time_point start_, next_;
};
