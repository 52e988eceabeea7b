// The progress line of long commands.
#include "progress.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iterator>

namespace {

// Nothing is drawn before the work has taken this long, then the line is
// redrawn at most this often.
constexpr std::chrono::milliseconds FIRST_DRAW{700};
constexpr std::chrono::milliseconds REDRAW{250};

constexpr char ERASE_LINE[] = "\r\033[K";
constexpr int ENDING_SIGNALS[] = {SIGINT, SIGTERM};

// Whether a progress line stands on the terminal, for the signal handler,
// and the handlers in place before the line's, put back after it.
volatile std::sig_atomic_t g_line_drawn = 0;
void (*g_before[std::size(ENDING_SIGNALS)])(int) = {};

// A signal that ends the program first erases the progress line, then
// ends the program as it would have without the handler.
extern "C" void erase_then_end(int sig) {
  if (g_line_drawn) {
    ssize_t written = write(STDERR_FILENO, ERASE_LINE, sizeof ERASE_LINE - 1);
    (void)written;  // nothing more can be done about it here
  }
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

}  // namespace

std::string progress_text(long done, long total, double seconds_so_far) {
  char line[96];
  int percent = total > 0 ? static_cast<int>(100 * done / total) : 100;
  int n = std::snprintf(line, sizeof line, "%ld of %ld done (%d%%)", done,
                        total, percent);
  if (done > 0 && done < total && n > 0) {
    double left = seconds_so_far * static_cast<double>(total - done) / done;
    if (left < 60)
      std::snprintf(line + n, sizeof line - n, ", about %.0f s left", left);
    else
      std::snprintf(line + n, sizeof line - n, ", about %.0f min left",
                    left / 60);
  }
  return line;
}

progress_line::progress_line(long total, bool shown)
    : total_(total),
      shown_(shown),
      start_(clock::now()),
      next_(start_ + FIRST_DRAW) {
  // A signal the caller ignores stays ignored.
  if (!shown_) return;
  for (std::size_t k = 0; k < std::size(ENDING_SIGNALS); ++k) {
    g_before[k] = std::signal(ENDING_SIGNALS[k], erase_then_end);
    if (g_before[k] == SIG_IGN) std::signal(ENDING_SIGNALS[k], SIG_IGN);
  }
}

progress_line::progress_line(long total)
    : progress_line(total, isatty(STDERR_FILENO) == 1) {}

progress_line::~progress_line() {
  if (drawn_) std::fputs(ERASE_LINE, stderr);
  g_line_drawn = 0;
  if (shown_)
    for (std::size_t k = 0; k < std::size(ENDING_SIGNALS); ++k)
      if (g_before[k] != SIG_ERR) std::signal(ENDING_SIGNALS[k], g_before[k]);
}

void progress_line::step() {
  ++done_;
  // The clock is read only every few steps: a step can be a microsecond.
  if (!shown_ || (done_ & 63) != 0) return;
  clock::time_point now = clock::now();
  if (now < next_) return;
  next_ = now + REDRAW;
  std::chrono::duration<double> so_far = now - start_;
  std::fprintf(stderr, "\r\033[K%s",
               progress_text(done_, total_, so_far.count()).c_str());
  std::fflush(stderr);
  drawn_ = true;
  g_line_drawn = 1;
}
