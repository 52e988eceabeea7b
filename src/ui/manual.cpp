// Manual treasure generation (menu key "8"): the game master picks treasure
// items by category, or a number of rolls on the current lair's area table;
// each pick goes straight into the treasure script, which is evaluated on
// "G".
#include <cstdio>

#include "engine.h"
#include "hoardex.h"
#include "screen.h"
#include "scriptio.h"

namespace {

constexpr char BLANK_PROMPT[] = "\t\t\t\t\t\t\t";
constexpr char CHOICE_PROMPT[] = "Enter your choice : ";

// The keys that add one item of a category.
struct pick_row {
  int key;
  const char *keyword;
};

// clang-format off
constexpr pick_row PICKS[] = {
  {'2', "L1_COINS"},
  {'3', "L1_GEMJJ"},
  {'4', "L1_METAL"},
  {'5', "L1_MILIT"},
  {'6', "L1_MAGIC"},
  {'7', "L1_OTHER"},
};
// clang-format on

void draw_screen() {
  Screen &s = scr();
  s.clear();
  s.move(1, 1);
  title_banner();
  s.write("\tCHOOSE TREASURE MANUALLY\n\n");
  s.write(
      "  1: Add number of random treasures               Area : \n"
      "     for current area to list\n\n");
  s.write("  2: Add a Coin Item to list\n");
  s.write("  3: Add a Gems, Jewels, Jewelry Item to list\n");
  s.write("  4: Add a Fine Metal Item to list\n");
  s.write("  5: Add a Militairy Treasure to list\n");
  s.write("  6: Add a Magic Item to list\n");
  s.write("  7: Add an Other Treasure to list\n");
  s.move(5, 57);
  const area_type &a = area_at(info.c_area);
  std::snprintf(buffer, sizeof buffer, "%.*s", NAME_SIZE - 1, a.name);
  s.write(buffer);
  s.move(21, 1);
  s.write(
      " G: Generate treasure from current list          Number of Items : "
      "0\n");
  s.write("  M: Return to Main Menu");
}

void prompt(const char *text) {
  Screen &s = scr();
  s.move(25, 1);
  s.write(BLANK_PROMPT);
  s.move(25, 1);
  s.write(text);
}

// Choice 1: a number of area-table rolls. Returns the number of items added.
int add_random_items() {
  prompt("Enter number of treasures (1-100) : ");
  int n = in_int(1, 100);
  if (n == -1) return 0;
  if (n < 1) n = 1;  // Enter on the empty field
  prompt("Add 1 to rolls on Area Treasure Table (y/n) : ");
  int yes = in_yn();
  if (yes == -1) return 0;
  main_treasure_table(info.c_area, n, yes == 1 ? 1 : 0);
  return n;
}

const char *picked_keyword(int key) {
  for (const pick_row &p : PICKS)
    if (p.key == key) return p.keyword;
  return nullptr;
}

}  // namespace

int manual_select() {
  Screen &s = scr();
  draw_screen();
  if (script_create() != 0) {
    generation_failed(MSG_SCRIPT_WRITE);
    return 1;
  }
  // The seventh number, a monster's portable code in an automatic script,
  // means nothing here.
  script_header(info.c_area, MANUAL_MONSTER, info.c_CDF, info.max_CDF,
                info.c_JewEL, -1, 0);
  script_line("MANUAL-GENERATION\n");
  s.move(25, 1);
  s.write(CHOICE_PROMPT);

  int count = 0;
  bool generate = false;
  for (;;) {
    s.refresh();
    int key = s.read_key();
    bool done = false;
    if (key == '1') {
      count += add_random_items();
    } else if (const char *kw = picked_keyword(key)) {
      script_item(kw);
      ++count;
    } else if (key == 'G' || key == 'g') {
      generate = done = true;
    } else if (key == 'M' || key == 'm' || key == 'Q' || key == 'q' ||
               key == KEY_ESC) {
      done = true;
    }
    prompt("");
    s.move(21, 68);
    std::snprintf(buffer, sizeof buffer, "%d     ", count);
    s.write(buffer);
    s.move(25, 1);
    s.write(CHOICE_PROMPT);
    if (done) break;
  }

  script_line("END-OF-SECTION\n");
  if (script_close() != 0) {
    generation_failed(MSG_SCRIPT_WRITE);
    return 1;
  }
  if (generate) {
    s.clear();
    title_banner();
    s.write("\tCHOOSE TREASURE MANUALLY\n\n");
    s.move(5, 1);
    run_script_con(18);
  }
  return 0;
}
