// ncurses implementation of the screen seam. The program draws on the grid;
// refresh paints the grid on the terminal, so a resize only needs a repaint,
// and a terminal smaller than 80x26 shows a request for a larger window
// instead of a cut layout.
#include "screen_curses.h"

#include <curses.h>
#include <poll.h>
#include <term.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "notices.h"
#include "screen.h"

namespace {

volatile std::sig_atomic_t g_signal = 0;

void on_signal(int sig) { g_signal = sig; }

const char SMALL_MSG[] = "Please enlarge the window to at least 80x26.";
const char NO_CURSOR_ADDRESSING_MSG[] =
    "hoardex needs a terminal with cursor addressing; TERM=%s has none.\n";

// Consecutive failed reads, each with the input reporting data or a hang-up,
// after which the keys have run out for good (a pipe or file at its end, a
// closed terminal). A failed read while the input has nothing to give is a
// signal that cut the wait short, and starts the count again.
const int END_OF_INPUT_READS = 8;

// The keys come from the standard input (see curses_start). True when a read
// would return at once, yet wgetch has just failed: the input is at its end
// or hung up.
bool input_ended() {
  struct pollfd input = {STDIN_FILENO, POLLIN, 0};
  return poll(&input, 1, 0) == 1 &&
         (input.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) != 0;
}

// Leaves as the signal would have: the terminal restored, the exit status
// 128 + the signal, buffered files flushed (a report not yet appended is
// only in memory and stays unwritten).
[[noreturn]] void leave_on_signal(int sig) {
  curses_stop();
  std::exit(128 + sig);
}

class curses_screen : public text_screen {
 public:
  void refresh() override {
    if (LINES < SCREEN_ROWS || COLS < SCREEN_COLS) {
      werase(stdscr);
      mvwaddnstr(stdscr, 0, 0, SMALL_MSG, COLS > 0 ? COLS : 1);
      wrefresh(stdscr);
      return;
    }
    for (int r = 0; r < SCREEN_ROWS; ++r) {
      std::string text = line(r);
      mvwaddnstr(stdscr, r, 0, text.c_str(), SCREEN_COLS);
    }
    wmove(stdscr, row(), col());
    wrefresh(stdscr);
  }

  int read_key() override {
    refresh();
    int failed_reads = 0;
    for (;;) {
      check_signal();
      int key = wgetch(stdscr);
      check_signal();
      if (key == KEY_RESIZE) {
        clearok(curscr, TRUE);
        refresh();
        continue;
      }
      if (key == ERR) {
        failed_reads = input_ended() ? failed_reads + 1 : 0;
        if (failed_reads >= END_OF_INPUT_READS) leave_on_signal(SIGHUP);
        continue;
      }
      // Too small a window shows only the request; keys wait for a resize.
      if (LINES < SCREEN_ROWS || COLS < SCREEN_COLS) continue;
      return key;
    }
  }

 private:
  static void check_signal() {
    if (g_signal != 0) leave_on_signal(g_signal);
  }
};

curses_screen *g_curses = nullptr;

}  // namespace

bool terminal_addressable() {
  int status = 0;
  if (setupterm(nullptr, STDOUT_FILENO, &status) != OK) return true;
  const char *cup = tigetstr("cup");
  bool addressable = cup != nullptr && cup != reinterpret_cast<char *>(-1);
  del_curterm(cur_term);
  if (!addressable)
    std::fprintf(stderr, NO_CURSOR_ADDRESSING_MSG, std::getenv("TERM"));
  return addressable;
}

void curses_start() {
  // With the standard output sent elsewhere (a file collecting the farewell
  // line), the screen goes to the controlling terminal instead.
  FILE *tty = isatty(STDOUT_FILENO) ? nullptr : std::fopen("/dev/tty", "r+");
  SCREEN *on_tty = tty ? newterm(nullptr, tty, stdin) : nullptr;
  if (on_tty)
    set_term(on_tty);
  else
    initscr();
  cbreak();
  noecho();
  nonl();
  intrflush(stdscr, FALSE);
  keypad(stdscr, TRUE);
  set_escdelay(25);

  struct sigaction sa = {};
  sa.sa_handler = on_signal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = 0;  // no restart: a signal ends the wait for a key
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGHUP, &sa, nullptr);
  sigaction(SIGQUIT, &sa, nullptr);
  // Past a file size limit (ulimit -f) a write then fails like one on a full
  // disk, which the writers report, instead of the signal ending the program
  // half-way through a report with the terminal left raw.
  std::signal(SIGXFSZ, SIG_IGN);

  g_curses = new curses_screen();
  set_screen(g_curses);
}

void curses_stop() {
  if (!g_curses) return;
  wclear(stdscr);
  wrefresh(stdscr);
  endwin();
  set_screen(nullptr);
  delete g_curses;
  g_curses = nullptr;
  write_held_notices();
}
