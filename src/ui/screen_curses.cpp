// ncurses implementation of the screen seam. The program draws on the grid;
// refresh paints the grid on the terminal, so a resize only needs a repaint,
// and a terminal smaller than 80x26 shows a request for a larger window
// instead of a cut layout.
#include "screen_curses.h"

#include <curses.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "screen.h"

namespace {

volatile std::sig_atomic_t g_signal = 0;

void on_signal(int sig) { g_signal = sig; }

const char SMALL_MSG[] = "Please enlarge the window to at least 80x26.";

class CursesScreen : public Screen {
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
    for (;;) {
      check_signal();
      int key = wgetch(stdscr);
      check_signal();
      if (key == KEY_RESIZE) {
        clearok(curscr, TRUE);
        refresh();
        continue;
      }
      if (key == ERR) continue;
      // Too small a window shows only the request; keys wait for a resize.
      if (LINES < SCREEN_ROWS || COLS < SCREEN_COLS) continue;
      return key;
    }
  }

 private:
  static void check_signal() {
    if (g_signal == 0) return;
    int sig = g_signal;
    curses_stop();
    std::exit(128 + sig);  // exit flushes every open file
  }
};

CursesScreen *g_curses = nullptr;

}  // namespace

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
  // Past a file size limit (ulimit -f) a write then fails like one on a full
  // disk, which the writers report, instead of the signal ending the program
  // half-way through a report with the terminal left raw.
  std::signal(SIGXFSZ, SIG_IGN);

  g_curses = new CursesScreen();
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
}
