// The title banner that heads every full screen.
#include "hoardex.h"
#include "screen.h"

void title_banner() {
  Screen &s = scr();
  int row = s.row();
  s.write("Wyrdmoor Treasure Generator");
  s.move(row, 62);
  s.write("Ombrel Software");
  s.write("\n\n");
}
