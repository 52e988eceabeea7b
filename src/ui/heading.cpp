// The heading of every full screen.
#include "dialogs.h"
#include "screen.h"

namespace {

// The title banner at the cursor: the program's title, the maker's notice
// from column 62, then two line ends.
void title_banner() {
  Screen &s = scr();
  int row = s.row();
  s.write("Wyrdmoor Treasure Generator");
  s.move(row, 62);
  s.write("Ombrel Software");
  s.write("\n\n");
}

}  // namespace

void draw_heading(const char *title, int row) {
  Screen &s = scr();
  s.clear();
  if (row > 0) s.move(row, 1);
  title_banner();
  s.write("\t");
  s.write(title);
  s.write("\n\n");
}
