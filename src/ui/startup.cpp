// Start-up and shutdown: the order of the start-up steps, the settings file
// at start and at exit, and the save and exit questions.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "hoardex.h"
#include "infofiles.h"
#include "screen.h"
#include "screen_curses.h"

namespace {

const char MONSTER_MSG[] =
    "Cannot open monster information file!\n"
    "Make sure 'monster.hxi' is in current directory.";
const char AREA_MSG[] =
    "Cannot open area information file!\n"
    "Make sure 'area.hxi' is in current directory.";
const char SETUP_MSG[] =
    "Cannot open setup information file!\n"
    "Make sure 'setup.hxi' is in current directory.";

}  // namespace

int load_info_files() {
  FILE *mf = std::fopen("monster.hxi", "r");
  if (!mf) {
    std::fputs(MONSTER_MSG, stderr);
    return 1;
  }
  FILE *af = std::fopen("area.hxi", "r");
  if (!af) {
    std::fputs(AREA_MSG, stderr);
    std::fclose(mf);
    return 1;
  }
  char err[256];
  int bad = load_monsters(mf, "monster.hxi", err, sizeof err);
  std::fclose(mf);
  if (!bad) {
    bad = load_areas(af, "area.hxi", err, sizeof err);
    if (bad) free_monsters();
  }
  std::fclose(af);
  if (bad) {
    std::fprintf(stderr, "%s\n", err);
    return 1;
  }
  init_settings();
  return 0;
}

int init_settings() {
  std::snprintf(comm_txt, sizeof comm_txt, "%s", " ");
  std::snprintf(pos_txt, sizeof pos_txt, "%s", " ");
  FILE *f = std::fopen("setup.hxi", "r");
  if (f) {
    load_settings(f);
    std::fclose(f);
    return 0;
  }
  std::fputs(SETUP_MSG, stderr);
  default_settings();
  return 1;
}

int exit_and_save() {
  Screen &s = scr();
  s.move(25, 1);
  s.write("Do you want to save the current settings? (y/n) : ");
  for (;;) {
    int key = s.read_key();
    if (key == 'y' || key == 'Y') {
      if (save_settings("setup.hxi") != 0) {
        // The whole line is cleared so no part of the question stays.
        s.move(25, 1);
        s.clear_eol();
        s.write("Cannot save current settings! Hit any key.");
        s.read_key();
        return 0;
      }
      break;
    }
    if (key == 'n' || key == 'N') break;
    if (key == KEY_ESC) return 0;
  }
  s.move(25, 1);
  s.clear_eol();
  s.move(25, 1);
  s.write("Do you want to exit the program? (y/n) : ");
  int key = s.read_key();
  return (key == 'y' || key == 'Y') ? 1 : 0;
}

int main_hoardex() {
  if (!terminal_addressable()) return 1;
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  if (load_info_files() != 0) return 1;
  Dice = new all_dice;
  curses_start();
  do {
    main_menu();
  } while (exit_and_save() != 1);
  free_monsters();
  delete Dice;
  Dice = nullptr;
  return 0;
}
