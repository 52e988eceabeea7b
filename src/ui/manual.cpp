// Manual treasure generation (menu key "8"): the game master picks treasure
// items by category, or a number of rolls on the current lair's area table,
// on two pages of keys; each pick goes into the treasure script, which is
// evaluated on "G". After the report the same list stays, to be rolled
// again with "G" (its random treasures rolled anew) or changed; leaving with
// "M" discards what was not generated.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "area_writer.h"
#include "dialogs.h"
#include "keywords.h"
#include "pager.h"
#include "prompt_row.h"
#include "screen.h"
#include "setting_choice.h"

namespace {

constexpr char CHOICE_PROMPT[] = "Enter your choice : ";

// The keys that add one item of a category, and its name in the list.
struct pick_row {
  int key;
  const char *keyword;
  const char *second;  // a modifier word, or null
  const char *shown;
  const char *menu;  // the key's line on the screen (second page only)
};

// clang-format off
constexpr pick_row first_page_rows[] = {
  {'2', script_word::L1_COINS, nullptr, "coins",    nullptr},
  {'3', script_word::L1_GEMJJ, nullptr, "gems",     nullptr},
  {'4', script_word::L1_METAL, nullptr, "metal",    nullptr},
  {'5', script_word::L1_MILIT, nullptr, "military", nullptr},
  {'6', script_word::L1_MAGIC, nullptr, "magic",    nullptr},
  {'7', script_word::L1_OTHER, nullptr, "other",    nullptr},
};
// Every other category word of the script, and the modifier words with the
// categories they act on.
constexpr pick_row second_page_rows[] = {
  {'1', script_word::L2_GEM,         nullptr,            "gem",          "a Gem"},
  {'2', script_word::L2_JEWEL,       nullptr,            "jewel",        "a Jewel"},
  {'3', script_word::L2_JEWELRY,     nullptr,            "jewelry",      "a piece of Jewelry"},
  {'4', script_word::L2_CLOTHING,    nullptr,            "clothing",     "Clothing"},
  {'5', script_word::L2_WEAPON,      nullptr,            "weapon",       "a Weapon"},
  {'6', script_word::L3_MAGICWEAPON, nullptr,            "magic weapon", "a Magical Weapon"},
  {'7', script_word::L2_JEWEL,       script_word::LARGE, "large jewel",  "a Large Jewel"},
  {'8', script_word::L1_METAL,       script_word::GOLD,  "gold",         "a Gold Metal Item"},
  {'9', script_word::L1_MAGIC,       script_word::ELDER, "elder magic",  "an Elder Magic Item"},
};
// clang-format on

// The rows of the list chosen so far, and of a note after a key.
constexpr int LIST_HEAD_ROW = 15;
constexpr int LIST_FIRST_ROW = 16;
constexpr int LIST_LAST_ROW = 19;
constexpr char EMPTY_NOTE[] =
    "The list is empty: add treasure with keys 1 to 7 before G.";
constexpr char AGAIN_NOTE[] =
    "G: roll this list again   1-7, Space, Backspace: change it   M: menu";
constexpr char PAGE_KEY_LINE[] = " Space: more kinds of treasure (second page)";
constexpr char CUT_FAILED_NOTE[] = "Cannot take the item back.";

// One key's addition to the list: where the script stood before it, how
// many items it added, its name in the list, and what it writes: a
// category's item, or a number of rolls on the lair's table.
struct pick {
  long script_length;
  int items;
  std::string shown;
  const pick_row *row;  // null for rolls on the lair's table
  int add_roll;
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

// Rows 21 and 22 of both pages: G and M, and the count.
void draw_foot(int page) {
  text_screen &screen = scr();
  screen.move(21, 1);
  screen.write(
      " G: Generate treasure from current list          Number of Items : "
      "0\n");
  screen.write("  M: Return to Main Menu");
  screen.move(23, 1);
  screen.write(page == 0 ? PAGE_KEY_LINE
                         : " Space: back to the first page of keys");
}

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
  draw_foot(0);
}

void draw_second_page() {
  text_screen &screen = scr();
  draw_heading(TITLE);
  char line[80];
  for (const pick_row &p : second_page_rows) {
    std::snprintf(line, sizeof line, "  %c: Add %s to list\n", p.key, p.menu);
    screen.write(line);
  }
  draw_foot(1);
}

const pick_row *picked(int key, int page) {
  if (page == 0) {
    for (const pick_row &p : first_page_rows)
      if (p.key == key) return &p;
  } else {
    for (const pick_row &p : second_page_rows)
      if (p.key == key) return &p;
  }
  return nullptr;
}

// Writes a pick into the script: its item, or its rolls on the lair's table
// (rolled now, so a list written again gets random treasures anew).
void write_pick(script_writer &w, const area_record &lair, const pick &p) {
  if (p.row)
    w.item(p.row->keyword, p.row->second);
  else
    write_area_items(w, lair, p.items, p.add_roll);
}

}  // namespace

dialog_status manual_generation(const session &game) {
  text_screen &screen = scr();
  const area_record &lair = area_at(game.tables, game.config.lair_index);
  std::vector<pick> picks;
  int page = 0;
  const char *shown_note = nullptr;
  auto redraw = [&] {
    page == 0 ? draw_screen(lair) : draw_second_page();
    draw_picks(picks);
  };
  // Each round ends with G or with leaving; after a report the list stays.
  for (bool again = false;; again = true) {
    redraw();
    if (again) note(shown_note = AGAIN_NOTE);
    script_file script;
    std::optional<script_writer> w;
    // The script is begun at the first key that changes the list or
    // generates, with the list so far written into it.
    auto begin = [&]() -> generation_status {
      if (w) return generation_status::done;
      generation_status status =
          begin_manual_script_file(script, SCRIPT_PATH, game.generation());
      if (status != generation_status::done) return status;
      w.emplace(script.stream);
      for (pick &p : picks) {
        p.script_length = script_length(script);
        write_pick(*w, lair, p);
      }
      return status;
    };
    if (!again) {
      generation_status status = begin();
      if (status != generation_status::done)
        return script_failed(script, status);
    }
    int count = 0;
    for (const pick &p : picks) count += p.items;
    screen.move(21, 68);
    char shown[24];
    std::snprintf(shown, sizeof shown, "%d     ", count);
    screen.write(shown);
    show_prompt(CHOICE_PROMPT);

    bool generate = false;
    for (;;) {
      screen.refresh();
      int key = screen.read_key();
      bool done = false;
      if (shown_note) note("");
      shown_note = nullptr;
      const bool adds =
          (key == '1' && page == 0) || picked(key, page) != nullptr;
      const bool changes = adds || (is_erase_key(key) && !picks.empty()) ||
                           ((key == 'G' || key == 'g') && count > 0);
      if (changes) {
        generation_status status = begin();
        if (status != generation_status::done)
          return script_failed(script, status);
      }
      const long before = w ? script_length(script) : 0;
      pick added{before, 0, "", nullptr, 0};
      if (key == ' ') {
        page = 1 - page;
        redraw();
      } else if (key == '1' && page == 0) {
        const std::string ask = "Enter number of treasures (" +
                                std::to_string(MANUAL_LAIR_ROLLS.lo) + "-" +
                                std::to_string(MANUAL_LAIR_ROLLS.hi) + ") : ";
        show_prompt(ask.c_str(), prompt_blank::question);
        int n = read_number_field(MANUAL_LAIR_ROLLS.lo, MANUAL_LAIR_ROLLS.hi);
        int yes = n == -1 ? -1 : 0;
        if (n != -1) {
          if (n < 1) n = 1;  // Enter on the empty field
          show_prompt("Add 1 to rolls on Area Treasure Table (y/n) : ",
                      prompt_blank::question);
          yes = read_yes_no_key();
        }
        if (yes != -1) {
          added = {before, n, "", nullptr, yes == 1 ? 1 : 0};
          write_pick(*w, lair, added);
          added.shown =
              std::to_string(n) + " random" + (yes == 1 ? " (+1)" : "");
        }
      } else if (const pick_row *p = picked(key, page)) {
        added = {before, 1, p->shown, p, 0};
        write_pick(*w, lair, added);
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
      std::snprintf(shown, sizeof shown, "%d     ", count);
      screen.write(shown);
      show_prompt(CHOICE_PROMPT);
      if (done) break;
    }

    // Leaving without G discards the unfinished script: the script file
    // keeps the last generation's script.
    if (!generate) {
      close_script(script);
      return dialog_status::done;
    }
    generation_status status = finish_manual_script_file(script);
    if (status != generation_status::done) return script_failed(script, status);
    draw_heading(TITLE, 0);
    screen.move(5, 1);
    show_generation(game, script.stream);
    close_script(script);
    page = 0;
  }
}
