// Format directives in monster, lair and portable texts and in the script
// stay plain text on the screens and in the report.
#include <cstring>

#include "info_files.h"
#include "ui_env.h"

namespace {

// Format directives in monster, lair and portable texts and in the script
// are shown and written as plain text: the monster list, the lair list, the
// main menu and the report.
using FormatDirectives = UiEnv;

TEST_F(FormatDirectives, FileTextsArePlainTextOnScreensAndInReports) {
  char err[256];
  FILE *f = std::tmpfile();
  std::fputs("1\n%s%n%x %n%s%p 2 0x2 0 %n%s%99999d|%s\n", f);
  std::rewind(f);
  ASSERT_EQ(load_monsters(f, "monster.hxi", tables, err, sizeof err), 0) << err;
  std::fclose(f);
  std::strcpy(tables.areas[0].name, "%s%s%n%n");
  show_monster_page(tables, 0);
  EXPECT_EQ(screen.line(5).substr(0, 24), "  1: %n%s%p, %s%n%x     ");
  select_area(ss);
  EXPECT_EQ(screen.line(5).substr(0, 16), "  1: %s%s%n%n   ");
  main_menu(ss);
  EXPECT_EQ(screen.line(5).substr(50, 16), "%n%s%p, %s%n%x  ");
  EXPECT_EQ(screen.line(6).substr(50, 12), "%s%s%n%n    ");
  spit("temp.hxs",
       "1 1 1\n1 1 1\n[POS: %s%n %d\n[COM: %n%n%s\n----------\n"
       "0 0 1 1 0 -1 0\n----------\nPORTABLE\n[ " +
           std::string(tables.monsters[0].portable_text) +
           "]\nEND-OF-SECTION\n");
  show_generation(ss);
  EXPECT_NE(output().find("Position   : %s%n %d \nArea       : %s%s%n%n\n"
                          "Monster    : %n%s%p, %s%n%x\n\n"
                          "Comments   : %n%n%s \n"),
            std::string::npos)
      << output();
  EXPECT_NE(output().find("Portable treasure :\n\n%n%s%99999d\n%s\n"),
            std::string::npos)
      << output();
}

}  // namespace
