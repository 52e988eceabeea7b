// Program entry: the run, and the farewell.
#include <cstdio>

#include "dialogs.h"
#include "screen_curses.h"

int main() {
  if (run_program() != 0) return 1;
  curses_stop();
  std::fputs("Thank you for using an Ombrel product.\n\n", stdout);
  return 0;
}
