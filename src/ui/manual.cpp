// Manual treasure generation (menu key "8"): the game master picks treasure
// items by category, or a number of rolls on the current lair's area table;
// each pick goes straight into the treasure script, which is evaluated on
// "G"; leaving with "M" discards it.
#include <cstdio>

#include "dialogs.h"
#include "pager.h"
#include "prompt_row.h"
#include "screen.h"
#include "writers.h"

namespace {

constexpr char CHOICE_PROMPT[] = "Enter your choice : ";

// The keys that add one item of a category.
struct pick_row {
  int key;
  const char *keyword;
};

// clang-format off
constexpr pick_row pick_rows[] = {
  {'2', "L1_COINS"},
  {'3', "L1_GEMJJ"},
  {'4', "L1_METAL"},
  {'5', "L1_MILIT"},
  {'6', "L1_MAGIC"},
  {'7', "L1_OTHER"},
};
// clang-format on

constexpr char TITLE[] = "CHOOSE TREASURE MANUALLY";

void draw_screen(const area_record &lair) {
  text_screen &screen = scr();
  draw_heading(TITLE);
  screen.write(
      "  1: Add number of random treasures               Area : \n"
      "     for current area to list\n\n");
  screen.write("  2: Add a Coin Item to list\n");
  screen.write("  3: Add a Gems, Jewels, Jewelry Item to list\n");
  screen.write("  4: Add a Fine Metal Item to list\n");
  screen.write("  5: Add a Militairy Treasure to list\n");
  screen.write("  6: Add a Magic Item to list\n");
  screen.write("  7: Add an Other Treasure to list\n");
  screen.move(5, 57);
  char name[NAME_SIZE];
  std::snprintf(name, sizeof name, "%.*s", NAME_SIZE - 1, lair.name);
  screen.write(name);
  screen.move(21, 1);
  screen.write(
      " G: Generate treasure from current list          Number of Items : "
      "0\n");
  screen.write("  M: Return to Main Menu");
}

// Choice 1: a number of area-table rolls. Returns the number of items added.
int add_random_items(script_writer &w, const area_record &lair) {
  show_prompt("Enter number of treasures (1-100) : ", prompt_blank::question);
  int n = in_int(1, 100);
  if (n == -1) return 0;
  if (n < 1) n = 1;  // Enter on the empty field
  show_prompt("Add 1 to rolls on Area Treasure Table (y/n) : ",
              prompt_blank::question);
  int yes = in_yn();
  if (yes == -1) return 0;
  write_area_items(w, lair, n, yes == 1 ? 1 : 0);
  return n;
}

const char *picked_keyword(int key) {
  for (const pick_row &p : pick_rows)
    if (p.key == key) return p.keyword;
  return nullptr;
}

}  // namespace

int manual_generation(const session &game) {
  text_screen &screen = scr();
  const area_record &lair = area_at(game.tables, game.config.lair_index);
  draw_screen(lair);
  script_file script;
  generation_status status =
      begin_manual_script_file(script, SCRIPT_PATH, game.generation());
  if (status != generation_status::done) return script_failed(script, status);
  script_writer w(script.stream);
  show_prompt(CHOICE_PROMPT);

  int count = 0;
  bool generate = false;
  for (;;) {
    screen.refresh();
    int key = screen.read_key();
    bool done = false;
    if (key == '1') {
      count += add_random_items(w, lair);
    } else if (const char *kw = picked_keyword(key)) {
      w.item(kw);
      ++count;
    } else if (key == 'G' || key == 'g') {
      generate = done = true;
    } else if (key == 'M' || key == 'm' || key == 'Q' || key == 'q' ||
               key == KEY_ESC) {
      done = true;
    }
    show_prompt("", prompt_blank::question);
    screen.move(21, 68);
    char shown[24];
    std::snprintf(shown, sizeof shown, "%d     ", count);
    screen.write(shown);
    show_prompt(CHOICE_PROMPT);
    if (done) break;
  }

  // Leaving without G discards the unfinished script: the script file keeps
  // the last generation's script.
  if (!generate) {
    close_script(script);
    return 0;
  }
  status = finish_manual_script_file(script);
  if (status != generation_status::done) return script_failed(script, status);
  draw_heading(TITLE, 0);
  screen.move(5, 1);
  show_generation(game, script.stream);
  close_script(script);
  return 0;
}
