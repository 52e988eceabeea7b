// ncurses implementation of the screen seam. The program draws on the grid;
// refresh paints the grid on the terminal, so a resize only needs a repaint,
// and a terminal smaller than 80x26 shows a request for a larger window
// instead of a cut layout.
#include "screen_curses.h"

#include <curses.h>
#include <poll.h>
#include <term.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "notices.h"
#include "screen.h"

namespace {

volatile std::sig_atomic_t g_signal = 0;
// Ctrl-Z (SIGTSTP) waiting to stop the program, and a SIGCONT not yet
// answered by setting the terminal's modes again.
volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_continued = 0;

void on_signal(int sig) { g_signal = sig; }
void on_stop(int) { g_stop = 1; }
void on_continue(int) { g_continued = 1; }

// Installs handler for sig without restarting a read it interrupts, so a
// signal ends the wait for a key and is answered before the next one.
void catch_signal(int sig, void (*handler)(int)) {
  struct sigaction sa = {};
  sa.sa_handler = handler;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = 0;
  sigaction(sig, &sa, nullptr);
}

// The modes the fields expect: keys one at a time, no echo, Enter as 13,
// keypad codes for the cursor and function keys, a short Escape delay.
// The terminal forgets the keypad mode while the program is stopped, so they
// are all set again after a stop.
void set_key_modes() {
  cbreak();
  noecho();
  nonl();
  intrflush(stdscr, FALSE);
  keypad(stdscr, TRUE);
  set_escdelay(25);
}

const char SMALL_MSG[] = "Please enlarge the window to at least 80x26.";
const char NOT_A_TERMINAL_MSG[] =
    "hoardex: the screen program needs a terminal as its standard output; "
    "'hoardex --help' lists the commands that write reports anywhere.\n";
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
  int window_rows() const override { return LINES; }
  int window_cols() const override { return COLS; }

  void refresh() override {
    if (LINES < SCREEN_ROWS || COLS < SCREEN_COLS) {
      werase(stdscr);
      mvwaddnstr(stdscr, 0, 0, SMALL_MSG, COLS > 0 ? COLS : 1);
      wrefresh(stdscr);
      return;
    }
    // The grid, and blanks where the window is larger; a row as wide as the
    // window would wrap, so only a narrower one has the rest cleared.
    const int shown_rows = std::min(rows(), LINES);
    for (int r = 0; r < shown_rows; ++r) {
      std::string text = line(r);
      mvwaddnstr(stdscr, r, 0, text.c_str(), static_cast<int>(text.size()));
      if (cols() < COLS) wclrtoeol(stdscr);
    }
    const span &lit = highlighted();
    if (lit.cells > 0 && lit.row < shown_rows)
      mvwchgat(stdscr, lit.row, lit.col, lit.cells, A_REVERSE, 0, nullptr);
    if (shown_rows < LINES) {
      wmove(stdscr, shown_rows, 0);
      wclrtobot(stdscr);
    }
    wmove(stdscr, row(), col());
    wrefresh(stdscr);
  }

  int read_key() override {
    refresh();
    int failed_reads = 0;
    for (;;) {
      check_signal();
      check_stop();
      int key = wgetch(stdscr);
      check_signal();
      if (key == KEY_RESIZE) {
        clearok(curscr, TRUE);
        // A screen that follows the window redraws for its new size.
        if (following_window() && fit_window()) return KEY_PAD_RESIZE;
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

  void beep() override { ::beep(); }

 private:
  static void check_signal() {
    if (g_signal != 0) leave_on_signal(g_signal);
  }

  // Ctrl-Z: the terminal as the shell left it, then the stop itself; after
  // SIGCONT (from fg, or after a stop the program did not see) the key modes
  // are set again and the whole screen repainted before a key is read.
  void check_stop() {
    if (g_stop) {
      g_stop = 0;
      endwin();
      std::signal(SIGTSTP, SIG_DFL);
      std::raise(SIGTSTP);
      catch_signal(SIGTSTP, on_stop);
      g_continued = 1;
    }
    if (g_continued) {
      g_continued = 0;
      reset_prog_mode();
      set_key_modes();
      clearok(curscr, TRUE);
      refresh();
    }
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

bool output_is_terminal() {
  if (isatty(STDOUT_FILENO)) return true;
  std::fputs(NOT_A_TERMINAL_MSG, stderr);
  return false;
}

void curses_start() {
  // Text is shown in the character set of the user's locale (UTF-8 names as
  // letters); only the character type is taken, so numbers in reports keep
  // their form.
  std::setlocale(LC_CTYPE, "");
  initscr();
  set_key_modes();

  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
    catch_signal(sig, on_signal);
  catch_signal(SIGTSTP, on_stop);
  catch_signal(SIGCONT, on_continue);
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
  // Without the screen Ctrl-Z stops the program at once again.
  std::signal(SIGTSTP, SIG_DFL);
  std::signal(SIGCONT, SIG_DFL);
  set_screen(nullptr);
  delete g_curses;
  g_curses = nullptr;
  write_held_notices();
}
