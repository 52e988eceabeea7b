// Program entry: start-up, the menu loop, and the farewell.
#include <cstdio>

#include "hoardex.h"
#include "screen_curses.h"

int main() {
  if (main_hoardex() != 0) return 1;
  curses_stop();
  std::fputs("Thank you for using an Ombrel product.\n\n", stdout);
  return 0;
}
