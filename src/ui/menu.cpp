// The main menu: the menu items, the current settings in the right-hand
// column, and the dispatch of the menu keys to the dialogues.
#include <cstdio>

#include "engine.h"
#include "hoardex.h"
#include "reader_screens.h"
#include "screen.h"

namespace {

// One special-score line at column 32 of the next free row.
void score_line(int *row, const char *text) {
  Screen &s = scr();
  s.move((*row)++, 32);
  s.write(text);
}

void score_number(int *row, const char *format, int value) {
  std::snprintf(buffer, sizeof buffer, format, value);
  score_line(row, buffer);
}

void score_answer(int *row, const char *format, uint32_t bit) {
  std::snprintf(buffer, sizeof buffer, format,
                (info.other_mon & bit) ? "Yes" : "No");
  score_line(row, buffer);
}

// A label and a text shortened to 29 columns: longer texts show their first
// 28 characters and "..".
void short_text(int row, const char *label, const char *text) {
  char shown[32];
  if (std::snprintf(shown, sizeof shown, "%s", text) > 29)
    std::snprintf(shown, sizeof shown, "%.28s..", text);
  std::snprintf(buffer, sizeof buffer, "%s%s", label, shown);
  Screen &s = scr();
  s.move(row, 32);
  s.write(buffer);
}

void draw_main_menu() {
  Screen &s = scr();
  s.clear();
  s.move(1, 1);
  title_banner();
  s.write("\tMAIN MENU\t\t\tCURRENT SETTINGS\n\n");
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

  const monster_type &m = monster[info.c_mon];
  monster_label(m, buffer, sizeof buffer);
  s.move(5, 50);
  s.write(buffer);
  std::snprintf(buffer, sizeof buffer, "%s", area[info.c_area].name);
  s.move(6, 50);
  s.write(buffer);
  const int values[] = {info.c_CDF, info.max_CDF, info.c_JewEL};
  for (int i = 0; i < 3; ++i) {
    std::snprintf(buffer, sizeof buffer, "%d", values[i]);
    s.move(7 + i, 50);
    s.write(buffer);
  }

  uint32_t code = m.spec_code;
  int row = 10;
  if (code & 0xC) {
    score_number(&row, "Station         : %d", info.c_mon_Stat);
    score_number(&row, "MEL             : %d", info.c_mon_MEL);
    score_number(&row, "CEL             : %d", info.c_mon_CEL);
  }
  if (code & 0x10) score_answer(&row, "Other monsters in group : %s", 0x10);
  if (code & 0x20) score_number(&row, "Station         : %d", info.c_mon_Stat);
  if (code & 0x8000) score_answer(&row, "Magic User      : %s", 0x8000);
  if (code & 0x4000) score_answer(&row, "Intelligent     : %s", 0x4000);
  if (code & 0x2000) score_answer(&row, "Dressed         : %s", 0x2000);
  if (code & 0x1000) score_answer(&row, "Exceptional member : %s", 0x1000);
  if (code & 0x800) score_answer(&row, "Male            : %s", 0x800);
  if (code & 0x400) score_answer(&row, "Humanoid Form    %s", 0x400);
  if (code & 0x200) score_answer(&row, "Elite member    : %s", 0x200);
  if (code & 0x100) score_answer(&row, "King of race    : %s", 0x100);

  std::snprintf(buffer, sizeof buffer, "Game date       : %d/%d/%d",
                info.gd_day, info.gd_month, info.gd_year);
  s.move(17, 32);
  s.write(buffer);
  short_text(18, "Position        : ", pos_txt);
  short_text(19, "Comments        : ", comm_txt);
  std::snprintf(buffer, sizeof buffer, "%s.hxo", output_name);
  s.move(21, 50);
  s.write(buffer);
  s.move(25, 1);
  s.write("Enter your choice : ");
}

}  // namespace

void main_menu() {
  draw_main_menu();
  for (;;) {
    switch (scr().read_key()) {
      case '1':
        info.c_mon = sel_monster();
        break;
      case '2':
        info.c_area = sel_area();
        break;
      case '3':
        info.c_CDF = set_CDF(info.c_CDF, 1);
        break;
      case '4':
        info.max_CDF = set_CDF(info.max_CDF, 2);
        break;
      case '5':
        info.c_JewEL = set_c_JewEL();
        break;
      case '6':
        set_mon_spec();
        break;
      case '7':
        generate_cs();
        break;
      case '8':
        manual_select();
        break;
      case '9':
        enter_comm();
        break;
      case 'F':
      case 'f':
        set_out_name();
        break;
      case 'R':
      case 'r':
        view_reports(std::string(output_name) + ".hxo");
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
    draw_main_menu();
  }
}
