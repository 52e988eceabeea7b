// The help pages opened with "?" or F1 on the main menu: the keys of every
// screen, what each setting is for, the coins of the reports and the files.
#include <iterator>

#include "dialogs.h"
#include "prompt_row.h"
#include "reader_screens.h"
#include "screen.h"

namespace {

struct help_page {
  const char *heading;
  const char *text;  // rows from row 5, each ending in a line end
};

// clang-format off
constexpr help_page HELP_PAGES[] = {
  {"HELP: KEYS",
   " Main menu     1-9, F: the dialogue beside the key    R: earlier reports\n"
   "               ? or F1: this help (Escape leaves it)  Q or Escape: leave\n"
   " Every field   Enter accepts; Escape leaves and changes nothing\n"
   "               Backspace (or Ctrl-H) erases the character before the cursor\n"
   " Numbers       digits; Enter waits while the number is outside the range\n"
   " Yes/no        y or n, then Enter\n"
   " Texts         letters, digits, blanks, { } and _ (59 at most)\n"
   " Output name   letters, digits, { } and _ (8 at most; .hxo is added)\n"
   "  and texts    Left/Right, Home/End move; Delete erases at the cursor,\n"
   "               Ctrl-U all before it; a character not allowed beeps\n"
   " Lists (1, 2)  the number and Enter; Space: the next page of monsters;\n"
   "               letters narrow the list to the names holding them (_ is a\n"
   "               blank); Up/Down, PgUp/PgDn move a mark; Enter picks it\n"
   " Manual (8)    1: random treasures of the lair   2: coins\n"
   "               3: gems, jewels, jewelry   4: fine metal   5: military\n"
   "               6: magic   7: other   G: generate   M or Escape: back\n"
   "               Backspace takes the last pick back\n"
   " Report        any key turns a page of the report being made\n"
   " Earlier       Up/Down: a line   PgUp/PgDn: a page   n/p: next/previous\n"
   "  reports (R)  report   /: search   q or Escape: back to the main menu\n"},
  {"HELP: SETTINGS, COINS AND FILES",
   " Monster       its lair treasures, what it carries, its special scores\n"
   " Lair          the area table giving the kind of each lair treasure\n"
   " Creature CDF  the kind of coins found\n"
   " Group's CDF   the number of coins found\n"
   " Jeweler's EL  raises gems, jewels, jewelry and fine metal (0: unknown)\n"
   " Special       Station, MEL, CEL and the yes/no answers: extra lair\n"
   "  scores       treasure, the coins of a Station and what it carries\n"
   " Comments      game date, position and comment head every report\n"
   "\n"
   " Coins in the reports: BB brass bits, CC copper coins, SC silver coins,\n"
   "                       GC gold coins\n"
   "\n"
   " Files in the current folder:\n"
   "   monster.hxi, area.hxi  the monsters and lairs, read at start\n"
   "   setup.hxi              the settings, read at start, saved on leaving\n"
   "   temp.hxs               the treasure script of the last generation\n"
   "   default.hxo            the reports, one after the other (key F names\n"
   "                          another output file)\n"},
};
// clang-format on

}  // namespace

void show_help() {
  text_screen &screen = scr();
  for (const help_page &page : HELP_PAGES) {
    draw_heading(page.heading);
    screen.move(5, 0);
    screen.write(page.text);
    show_prompt(&page == std::end(HELP_PAGES) - 1
                    ? "Hit any key to return to the main menu."
                    : "Hit any key for the next page.");
    if (screen.read_key() == KEY_ESC) return;
  }
}
