// Manual treasure generation (menu key "8"): the game master picks treasure
// items by category, or a number of rolls on the current lair's area table;
// each pick goes straight into the treasure script, which is evaluated on
// "G"; leaving with "M" discards it.
#include <cstdio>
#include <string>
#include <vector>

#include "dialogs.h"
#include "pager.h"
#include "prompt_row.h"
#include "screen.h"
#include "writers.h"

namespace {

constexpr char CHOICE_PROMPT[] = "Enter your choice : ";

// The keys that add one item of a category, and its name in the list.
struct pick_row {
  int key;
  const char *keyword;
  const char *shown;
};

// clang-format off
constexpr pick_row pick_rows[] = {
  {'2', "L1_COINS", "coins"},
  {'3', "L1_GEMJJ", "gems"},
  {'4', "L1_METAL", "metal"},
  {'5', "L1_MILIT", "military"},
  {'6', "L1_MAGIC", "magic"},
  {'7', "L1_OTHER", "other"},
};
// clang-format on

// The rows of the list chosen so far, and of a note after a key.
constexpr int LIST_HEAD_ROW = 15;
constexpr int LIST_FIRST_ROW = 16;
constexpr int LIST_LAST_ROW = 19;
constexpr char EMPTY_NOTE[] =
    "The list is empty: add treasure with keys 1 to 7 before G.";
constexpr char CUT_FAILED_NOTE[] = "Cannot take the item back.";

// One key's addition to the list: where the script stood before it, how
// many items it added and its name in the list.
struct pick {
  long script_length;
  int items;
  std::string shown;
};

// The picks in order, wrapped over the list rows; when they do not fit, the
// oldest give way to "...".
void draw_picks(const std::vector<pick> &picks) {
  text_screen &s = scr();
  constexpr int WIDTH = SCREEN_COLS - 2;
  constexpr int ROWS = LIST_LAST_ROW - LIST_FIRST_ROW + 1;
  std::vector<std::string> rows;
  for (std::size_t first = 0; first <= picks.size(); ++first) {
    rows.assign(1, first > 0 ? "..." : "");
    for (std::size_t i = first; i < picks.size(); ++i) {
      std::string word = picks[i].shown + (i + 1 < picks.size() ? "," : "");
      if (!rows.back().empty() &&
          rows.back().size() + 1 + word.size() > std::size_t(WIDTH))
        rows.emplace_back();
      rows.back() += (rows.back().empty() ? "" : " ") + word;
    }
    if (rows.size() <= std::size_t(ROWS)) break;
  }
  s.move(LIST_HEAD_ROW, 1);
  s.clear_eol();
  if (!picks.empty())
    s.write(" Chosen so far (Backspace takes the last one back):");
  for (int r = 0; r < ROWS; ++r) {
    s.move(LIST_FIRST_ROW + r, 1);
    s.clear_eol();
    if (!picks.empty() && r < static_cast<int>(rows.size())) {
      s.move(LIST_FIRST_ROW + r, 3);
      s.write(rows[r].c_str());
    }
  }
}

void note(const char *text) { show_note(text); }

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

// Choice 1: a number of area-table rolls. Returns the number of items added
// and names them in `shown`.
int add_random_items(script_writer &w, const area_record &lair,
                     std::string &shown) {
  show_prompt("Enter number of treasures (1-100) : ", prompt_blank::question);
  int n = in_int(1, 100);
  if (n == -1) return 0;
  if (n < 1) n = 1;  // Enter on the empty field
  show_prompt("Add 1 to rolls on Area Treasure Table (y/n) : ",
              prompt_blank::question);
  int yes = in_yn();
  if (yes == -1) return 0;
  write_area_items(w, lair, n, yes == 1 ? 1 : 0);
  shown = std::to_string(n) + " random" + (yes == 1 ? " (+1)" : "");
  return n;
}

const pick_row *picked(int key) {
  for (const pick_row &p : pick_rows)
    if (p.key == key) return &p;
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
  std::vector<pick> picks;
  const char *shown_note = nullptr;
  for (;;) {
    screen.refresh();
    int key = screen.read_key();
    bool done = false;
    if (shown_note) note("");
    shown_note = nullptr;
    const long before = script_length(script);
    pick added{before, 0, ""};
    if (key == '1') {
      added.items = add_random_items(w, lair, added.shown);
    } else if (const pick_row *p = picked(key)) {
      w.item(p->keyword);
      added = {before, 1, p->shown};
    } else if (is_erase_key(key) && !picks.empty()) {
      if (cut_script(script, picks.back().script_length)) {
        count -= picks.back().items;
        picks.pop_back();
      } else {
        note(shown_note = CUT_FAILED_NOTE);
      }
    } else if ((key == 'G' || key == 'g') && count == 0) {
      note(shown_note = EMPTY_NOTE);
    } else if (key == 'G' || key == 'g') {
      generate = done = true;
    } else if (key == 'M' || key == 'm' || key == 'Q' || key == 'q' ||
               key == KEY_ESC) {
      done = true;
    }
    if (added.items > 0) {
      count += added.items;
      picks.push_back(added);
    }
    if (!done) draw_picks(picks);
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
