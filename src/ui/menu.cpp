// The main menu: the menu items, the current settings in the right-hand
// column, and the dispatch of the menu keys to the dialogues.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "dialogs.h"
#include "prompt_row.h"
#include "reader_screens.h"
#include "screen.h"
#include "screen_text.h"
#include "setting_choice.h"

namespace {

// The right-hand column of the menu, and the rows its special-score lines
// may take: from the row below the jeweler's EL to the row above the game
// date.
constexpr int SETTINGS_COL = 32;
constexpr int VALUE_COL = 50;
constexpr int FIRST_SCORE_ROW = 10;
constexpr int GAME_DATE_ROW = 17;
constexpr int SCORE_ROWS = GAME_DATE_ROW - FIRST_SCORE_ROW;
// The column of the second line of a row holding two.
constexpr int SECOND_LINE_COL = 56;
// The row of the keys without a number.
constexpr int HINT_ROW = 23;

// The special-score lines of the current monster's special code, in order.
std::vector<std::string> score_lines(const session &game, uint32_t code) {
  const settings &config = game.config;
  std::vector<std::string> lines;
  char line[80];
  if (code & (SCORES_STATION_EXTRA | SCORES_MEL_EXTRA)) {
    const int values[] = {config.station, config.mel, config.cel};
    for (const score_row &r : score_rows) {
      std::snprintf(line, sizeof line, "%s%d", r.menu_label,
                    values[static_cast<int>(r.which)]);
      lines.push_back(line);
    }
  }
  for (const special_flag &f : special_flag_rows) {
    if (!(code & f.bit)) continue;
    if (f.use == flag_use::answer)
      std::snprintf(line, sizeof line, "%s%s", f.menu_label,
                    (config.answers & f.bit) ? "Yes" : "No");
    else if (f.use == flag_use::station)
      std::snprintf(line, sizeof line, "%s%d", f.menu_label, config.station);
    else
      continue;
    lines.push_back(line);
  }
  return lines;
}

// The line with each run of blanks made one.
std::string compact(const std::string &line) {
  std::string out;
  for (char ch : line)
    if (ch != ' ' || out.empty() || out.back() != ' ') out += ch;
  return out;
}

// One line a row while they fit in the rows between the jeweler's EL and the
// game date; else the lines are compacted and set two to a row where both
// fit within the screen, the second one after the first.
void draw_scores(const session &game, uint32_t code) {
  std::vector<std::string> lines = score_lines(game, code);
  text_screen &screen = scr();
  bool two_to_a_row = static_cast<int>(lines.size()) > SCORE_ROWS;
  int row = FIRST_SCORE_ROW;
  for (std::size_t i = 0; i < lines.size() && row < GAME_DATE_ROW; ++row) {
    std::string first = two_to_a_row ? compact(lines[i]) : lines[i];
    screen.move(row, SETTINGS_COL);
    screen.write(first.c_str(), SCREEN_COLS - SETTINGS_COL);
    ++i;
    if (!two_to_a_row || i == lines.size()) continue;
    std::string second = compact(lines[i]);
    int col = std::max<int>(SECOND_LINE_COL, SETTINGS_COL + first.size() + 2);
    if (col + static_cast<int>(second.size()) > SCREEN_COLS) continue;
    screen.move(row, col);
    screen.write(second.c_str());
    ++i;
  }
}

// A label and a text shortened to 29 cells: longer texts show their first
// 28 cells and "..".
void short_text(int row, const char *label, const char *text) {
  std::string shown = label;
  if (text_cells(text) > 29)
    shown.append(fit_cells(text, 28)).append("..");
  else
    shown += text;
  text_screen &screen = scr();
  screen.move(row, 32);
  screen.write(shown.c_str());
}

void draw_main_menu(const session &game) {
  const settings &config = game.config;
  text_screen &screen = scr();
  draw_heading("MAIN MENU\t\t\tCURRENT SETTINGS");
  screen.write("  1: Select a monster\t\tMonster\t\t:\n");
  screen.write("  2: Select a lair\t\tLair\t\t:\n");
  screen.write("  3: Set creature CDF\t\tCreature CDF\t:\n");
  screen.write("  4: Set group's highest CDF\tGroup's CDF\t:\n");
  screen.write("  5: Set jeweler's EL\t\tJeweler EL\t:\n");
  screen.write("  6: Set creature special\n     scores\n");
  screen.write("\n  7: Generate treasure for\n     current settings\n");
  screen.write("  8: Manual Treasure Generation\n");
  screen.write("\n  9: Enter comments\n");
  screen.move(21, 1);
  screen.write(" F: Select an output file\tOutput file\t:\n");
  screen.move(22, 1);
  screen.write(" Q: Exit this program\n");
  screen.move(HINT_ROW, 1);
  screen.write(" R: Read earlier reports      ?: Help (or F1)");

  char line[80];
  const monster_record &m = game.tables.monsters[config.monster_index];
  monster_label(m, line, sizeof line);
  screen.move(5, VALUE_COL);
  // A long label would wrap.
  screen.write(std::string(fit_cells(line, SCREEN_COLS - VALUE_COL)).c_str());
  screen.move(6, VALUE_COL);
  screen.write(game.tables.areas[config.lair_index].name);
  const int values[] = {config.cdf, config.group_cdf, config.jeweler_el};
  for (int i = 0; i < 3; ++i) {
    std::snprintf(line, sizeof line, "%d", values[i]);
    screen.move(7 + i, VALUE_COL);
    screen.write(line);
  }
  draw_scores(game, m.special_code);

  std::snprintf(line, sizeof line, "Game date       : %d/%d/%d",
                config.game_day, config.game_month, config.game_year);
  screen.move(GAME_DATE_ROW, SETTINGS_COL);
  screen.write(line);
  short_text(18, "Position        : ", game.position);
  short_text(19, "Comments        : ", game.comment);
  std::snprintf(line, sizeof line, "%s.hxo", config.output_name);
  screen.move(21, 50);
  screen.write(line);
  show_prompt("Enter your choice : ");
}

// The note row under the menu: the next start-up note, each shown until a
// key redraws the menu, and after them a group's highest CDF below the
// creature's, which is kept as given.
void draw_note(const settings &config, std::string &start_notes) {
  if (!start_notes.empty()) {
    std::size_t end = start_notes.find('\n');
    show_note(start_notes.substr(0, end).c_str());
    start_notes.erase(0, end == std::string::npos ? end : end + 1);
  } else if (std::string note = group_cdf_note(config); !note.empty()) {
    note[0] = 'T';  // a sentence of its own on the note row
    show_note((note + ".").c_str());
  }
}

}  // namespace

void main_menu(session &game, const char *start_notes) {
  settings &config = game.config;
  std::string notes = start_notes ? start_notes : "";
  draw_main_menu(game);
  draw_note(config, notes);
  for (;;) {
    switch (scr().read_key()) {
      case '1':
        config.monster_index = select_monster(game);
        break;
      case '2':
        config.lair_index = select_area(game);
        break;
      case '3':
        config.cdf = ask_cdf(config.cdf, cdf_kind::creature);
        break;
      case '4':
        config.group_cdf = ask_cdf(config.group_cdf, cdf_kind::group);
        break;
      case '5':
        config.jeweler_el = ask_jeweler_el(config.jeweler_el);
        break;
      case '6':
        ask_special_scores(game);
        break;
      case '7':
        generate_automatic(game);
        break;
      case '8':
        manual_generation(game);
        break;
      case '9':
        enter_comments(game);
        break;
      case 'F':
      case 'f':
        ask_output_name(config);
        break;
      case 'R':
      case 'r':
        view_reports(std::string(config.output_name) + ".hxo");
        break;
      case '?':
      case KEY_PAD_F1:
        show_help();
        break;
      case 'Q':
      case 'q':
      case KEY_ESC:
        return;
      default:
        continue;  // not a menu key: nothing is redrawn
    }
    draw_main_menu(game);
    draw_note(config, notes);
  }
}
