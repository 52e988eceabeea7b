// The heading of every full screen.
#include "dialogs.h"
#include "screen.h"

namespace {

// The title banner at the cursor: the program's title, the maker's notice
// from column 62, then two line ends.
void title_banner() {
  text_screen &screen = scr();
  int row = screen.row();
  screen.write("Wyrdmoor Treasure Generator");
  screen.move(row, 62);
  screen.write("Ombrel Software");
  screen.write("\n\n");
}

}  // namespace

void draw_heading(const char *title, int row) {
  text_screen &screen = scr();
  screen.clear();
  if (row > 0) screen.move(row, 1);
  title_banner();
  screen.write("\t");
  screen.write(title);
  screen.write("\n\n");
}
