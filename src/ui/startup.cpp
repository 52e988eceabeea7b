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

dialog_status load_info_files(session &game, const char *missing_file_hint,
                              std::string *start_note) {
  std::string err;
  int loaded = load_tables(game.tables, err);
  if (loaded != 0) {
    notice(err);
    if (loaded == 1 && missing_file_hint) notice(missing_file_hint);
    return dialog_status::failed;
  }
  std::snprintf(game.comment, sizeof game.comment, "%s", " ");
  std::snprintf(game.position, sizeof game.position, "%s", " ");
  // Without setup.hxi the defaults are taken, and the menu says so once.
  int settings_read = load_settings_file(game.tables, game.config, err);
  if (start_note) {
    *start_note = left_out_sentence(game.tables);
    if (settings_read == 1)
      *start_note += (start_note->empty() ? "" : "\n") + err;
  }
  if (settings_read == 2) notice(err);
  return settings_read == 2 ? dialog_status::failed : dialog_status::done;
}

// What the save keeps: setup.hxi holds four lines, without the texts.
constexpr char SAVE_NOTE[] =
    "setup.hxi keeps the settings and the game date, not position and "
    "comments.";

dialog_status ask_save_and_exit(const session &game) {
  text_screen &screen = scr();
  show_note(SAVE_NOTE);
  show_prompt("Do you want to save the current settings? (y/n) : ");
  for (;;) {
    int key = screen.read_key();
    if (key == 'y' || key == 'Y') {
      if (save_settings("setup.hxi", game.config) != 0) {
        // The whole line is cleared so no part of the question stays.
        show_prompt("Cannot save current settings! Hit any key.",
                    prompt_blank::row);
        screen.read_key();
        return dialog_status::failed;
      }
      break;
    }
    if (key == 'n' || key == 'N') break;
    if (key == KEY_ESC) return dialog_status::left;
  }
  show_prompt("Do you want to exit the program? (y/n) : ", prompt_blank::row);
  int key = screen.read_key();
  return (key == 'y' || key == 'Y') ? dialog_status::done : dialog_status::left;
}

namespace {
unsigned g_session_seed = 1;
}

unsigned session_seed() { return g_session_seed; }

int run_program(std::optional<unsigned> seed, const char *missing_file_hint) {
  if (!terminal_addressable()) return 1;
  g_session_seed = seed ? *seed : clock_seed();
  seed_dice(g_session_seed);
  session game;
  std::string start_note;
  if (load_info_files(game, missing_file_hint, &start_note) !=
      dialog_status::done) {
    free_monsters(game.tables);
    write_held_notices();
    return 1;
  }
  if (!output_is_terminal()) {
    free_monsters(game.tables);
    write_held_notices();
    return 1;
  }
  curses_start();
  const char *note = start_note.empty() ? nullptr : start_note.c_str();
  do {
    main_menu(game, note);
    note = nullptr;
  } while (ask_save_and_exit(game) != dialog_status::done);
  curses_stop();  // the screen ends where it started
  free_monsters(game.tables);
  return 0;
}
