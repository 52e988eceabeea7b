// Program entry: the run, and the farewell.
#include <cstdio>
#include <string>

#include "data_folder.h"
#include "dialogs.h"
#include "screen_curses.h"

int main() {
  const std::string hint = "The sample files are in " +
                           installed_data_folder() +
                           "; 'hoardex init' copies them here.";
  if (run_program(hint.c_str()) != 0) return 1;
  curses_stop();
  std::fputs("Thank you for using an Ombrel product.\n\n", stdout);
  return 0;
}
