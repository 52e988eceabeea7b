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

// The special-score lines of the current monster's special code, in order.
std::vector<std::string> score_lines(const session &ss, uint32_t code) {
  const settings &c = ss.config;
  std::vector<std::string> lines;
  char line[80];
  if (code & (SCORES_STATION_EXTRA | SCORES_MEL_EXTRA)) {
    const int values[] = {c.station, c.mel, c.cel};
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
                    (c.answers & f.bit) ? "Yes" : "No");
    else if (f.use == flag_use::station)
      std::snprintf(line, sizeof line, "%s%d", f.menu_label, c.station);
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
void draw_scores(const session &ss, uint32_t code) {
  std::vector<std::string> lines = score_lines(ss, code);
  Screen &s = scr();
  bool two_to_a_row = static_cast<int>(lines.size()) > SCORE_ROWS;
  int row = FIRST_SCORE_ROW;
  for (std::size_t i = 0; i < lines.size() && row < GAME_DATE_ROW; ++row) {
    std::string first = two_to_a_row ? compact(lines[i]) : lines[i];
    s.move(row, SETTINGS_COL);
    s.write(first.c_str(), SCREEN_COLS - SETTINGS_COL);
    ++i;
    if (!two_to_a_row || i == lines.size()) continue;
    std::string second = compact(lines[i]);
    int col = std::max<int>(SECOND_LINE_COL, SETTINGS_COL + first.size() + 2);
    if (col + static_cast<int>(second.size()) > SCREEN_COLS) continue;
    s.move(row, col);
    s.write(second.c_str());
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
  Screen &s = scr();
  s.move(row, 32);
  s.write(shown.c_str());
}

void draw_main_menu(const session &ss) {
  const settings &c = ss.config;
  Screen &s = scr();
  draw_heading("MAIN MENU\t\t\tCURRENT SETTINGS");
  s.write("  1: Select a monster\t\tMonster\t\t:\n");
  s.write("  2: Select a lair\t\tLair\t\t:\n");
  s.write("  3: Set creature CDF\t\tCreature CDF\t:\n");
  s.write("  4: Set group's highest CDF\tGroup's CDF\t:\n");
  s.write("  5: Set jeweler's EL\t\tJeweler EL\t:\n");
  s.write("  6: Set creature special\n     scores\n");
  s.write("\n  7: Generate treasure for\n     current settings\n");
  s.write("  8: Manual Treasure Generation\n");
  s.write("\n  9: Enter comments\n");
  s.move(21, 1);
  s.write(" F: Select an output file\tOutput file\t:\n");
  s.move(22, 1);
  s.write(" Q: Exit this program\n");

  char line[80];
  const monster_record &m = ss.tables.monsters[c.monster_index];
  monster_label(m, line, sizeof line);
  s.move(5, VALUE_COL);
  // A long label would wrap.
  s.write(std::string(fit_cells(line, SCREEN_COLS - VALUE_COL)).c_str());
  s.move(6, VALUE_COL);
  s.write(ss.tables.areas[c.lair_index].name);
  const int values[] = {c.cdf, c.group_cdf, c.jeweler_el};
  for (int i = 0; i < 3; ++i) {
    std::snprintf(line, sizeof line, "%d", values[i]);
    s.move(7 + i, VALUE_COL);
    s.write(line);
  }
  draw_scores(ss, m.special_code);

  std::snprintf(line, sizeof line, "Game date       : %d/%d/%d", c.game_day,
                c.game_month, c.game_year);
  s.move(GAME_DATE_ROW, SETTINGS_COL);
  s.write(line);
  short_text(18, "Position        : ", ss.position);
  short_text(19, "Comments        : ", ss.comment);
  std::snprintf(line, sizeof line, "%s.hxo", c.output_name);
  s.move(21, 50);
  s.write(line);
  show_prompt("Enter your choice : ");
}

}  // namespace

void main_menu(session &ss) {
  settings &c = ss.config;
  draw_main_menu(ss);
  for (;;) {
    switch (scr().read_key()) {
      case '1':
        c.monster_index = select_monster(ss);
        break;
      case '2':
        c.lair_index = select_area(ss);
        break;
      case '3':
        c.cdf = ask_cdf(c.cdf, cdf_kind::creature);
        break;
      case '4':
        c.group_cdf = ask_cdf(c.group_cdf, cdf_kind::group);
        break;
      case '5':
        c.jeweler_el = ask_jeweler_el(c.jeweler_el);
        break;
      case '6':
        ask_special_scores(ss);
        break;
      case '7':
        generate_automatic(ss);
        break;
      case '8':
        manual_generation(ss);
        break;
      case '9':
        enter_comments(ss);
        break;
      case 'F':
      case 'f':
        ask_output_name(c);
        break;
      case 'R':
      case 'r':
        view_reports(std::string(c.output_name) + ".hxo");
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
    draw_main_menu(ss);
  }
}
