// Start-up and shutdown: the order of the start-up steps, the settings file
// at start and at exit, and the save and exit questions.
#include <cstdio>
#include <ctime>
#include <string>

#include "dialogs.h"
#include "dice.h"
#include "info_files.h"
#include "notices.h"
#include "prompt_row.h"
#include "screen.h"
#include "screen_curses.h"

int load_info_files(session &s, const char *missing_file_hint) {
  std::string err;
  int loaded = load_tables(s.tables, err);
  if (loaded != 0) {
    notice(err);
    if (loaded == 1 && missing_file_hint) notice(missing_file_hint);
    return 1;
  }
  std::snprintf(s.comment, sizeof s.comment, "%s", " ");
  std::snprintf(s.position, sizeof s.position, "%s", " ");
  int settings_read = load_settings_file(s.tables, s.config, err);
  if (settings_read != 0) notice(err);  // the defaults are taken
  return settings_read == 2 ? 1 : 0;
}

int ask_save_and_exit(const session &ss) {
  Screen &s = scr();
  show_prompt("Do you want to save the current settings? (y/n) : ");
  for (;;) {
    int key = s.read_key();
    if (key == 'y' || key == 'Y') {
      if (save_settings("setup.hxi", ss.config) != 0) {
        // The whole line is cleared so no part of the question stays.
        show_prompt("Cannot save current settings! Hit any key.",
                    prompt_blank::row);
        s.read_key();
        return 0;
      }
      break;
    }
    if (key == 'n' || key == 'N') break;
    if (key == KEY_ESC) return 0;
  }
  show_prompt("Do you want to exit the program? (y/n) : ", prompt_blank::row);
  int key = s.read_key();
  return (key == 'y' || key == 'Y') ? 1 : 0;
}

int run_program(std::optional<unsigned> seed, const char *missing_file_hint) {
  if (!terminal_addressable()) return 1;
  seed_dice_or_clock(seed);
  session s;
  if (load_info_files(s, missing_file_hint) != 0) {
    free_monsters(s.tables);
    write_held_notices();
    return 1;
  }
  curses_start();
  do {
    main_menu(s);
  } while (ask_save_and_exit(s) != 1);
  free_monsters(s.tables);
  return 0;
}
