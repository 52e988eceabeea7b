// Input that could be turned against the program: format directives in the
// texts of the information files and the script, and output names that would
// reach outside the current folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "engine.h"
#include "hoardex.h"
#include "infofiles.h"
#include "screen.h"

namespace {

FILE *text_stream(const std::string &text) {
  FILE *f = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), f);
  std::rewind(f);
  return f;
}

bool name_char(int key) {
  return (key >= 'a' && key <= 'z') || (key >= 'A' && key <= 'Z') ||
         (key >= '0' && key <= '9') || key == '{' || key == '}' || key == '_';
}

// Every key code a terminal can deliver, typed after an "a" into the output
// name: only letters, digits, "{", "}" and "_" are taken, so no name can hold
// a "/" or a ".", or name anything but a file in the current folder.
TEST(OutputName, TakesOnlyLettersDigitsBracesAndUnderscores) {
  for (int key = -1; key < 600; ++key) {
    std::snprintf(output_name, sizeof output_name, "%s", "keep");
    MemScreen screen;
    screen.push_key('a');
    screen.push_key(key);
    screen.push_key(KEY_CR);
    set_screen(&screen);
    int got = set_out_name();
    set_screen(nullptr);
    std::string expect = "a";
    if (key == KEY_BS || key == KEY_ESC)
      expect = "keep";  // the "a" is taken back, or the field is left
    else if (name_char(key))
      expect += static_cast<char>(key);
    EXPECT_EQ(output_name, expect) << "key " << key;
    EXPECT_EQ(got, expect == "keep" ? 1 : 0) << "key " << key;
  }

  // A path typed in full keeps only its name characters, at most eight.
  MemScreen screen;
  screen.push_keys("../../etc/passwd\r");
  set_screen(&screen);
  EXPECT_EQ(set_out_name(), 0);
  EXPECT_STREQ(output_name, "etcpassw");
  set_screen(nullptr);
}

// Format directives in monster, group, lair and portable texts, and in the
// words of a script, are shown and written as plain text everywhere they
// appear: the monster list, the lair list, the main menu and the report.
TEST(FormatDirectives, FileTextsArePlainTextOnScreensAndInReports) {
  char err[256];
  FILE *f = text_stream("1\n%s%n%x %n%s%p 2 0x2 0 %n%s%99999d|%s\n");
  ASSERT_EQ(load_monsters(f, "monster.hxi", err, sizeof err), 0) << err;
  std::fclose(f);
  f = text_stream("1\n%s%s%n%n 1 2 3 4 5\n");
  ASSERT_EQ(load_areas(f, "area.hxi", err, sizeof err), 0) << err;
  std::fclose(f);
  default_settings();
  all_dice dice{};
  Dice = &dice;

  MemScreen screen;
  set_screen(&screen);
  mon_page(0);
  EXPECT_EQ(screen.line(5).substr(0, 24), "  1: %n%s%p, %s%n%x     ");
  sel_area();
  EXPECT_EQ(screen.line(5).substr(0, 16), "  1: %s%s%n%n   ");
  main_menu();
  EXPECT_EQ(screen.line(5).substr(50, 16), "%n%s%p, %s%n%x  ");
  EXPECT_EQ(screen.line(6).substr(50, 12), "%s%s%n%n    ");

  char dir[] = "/tmp/hoardex-unsafe-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  char old_cwd[4096];
  ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
  ASSERT_EQ(chdir(dir), 0);
  std::ofstream("temp.hxs")
      << "1 1 1\n1 1 1\n[POS: %s%n %d\n[COM: %n%n%s\n----------\n"
         "0 0 1 1 0 -1 0\n----------\nPORTABLE\n[ "
      << monster[0].port_txt << "]\nEND-OF-SECTION\n";
  run_script_con(18);
  std::ifstream in("default.hxo");
  std::stringstream report;
  report << in.rdbuf();
  EXPECT_NE(report.str().find("Position   : %s%n %d \n"
                              "Area       : %s%s%n%n\n"
                              "Monster    : %n%s%p, %s%n%x\n\n"
                              "Comments   : %n%n%s \n"),
            std::string::npos)
      << report.str();
  EXPECT_NE(report.str().find("Portable treasure :\n\n%n%s%99999d\n%s\n"),
            std::string::npos)
      << report.str();
  set_screen(nullptr);
  ASSERT_EQ(chdir(old_cwd), 0);
  ASSERT_EQ(std::system((std::string("rm -rf ") + dir).c_str()), 0);
  free_monsters();
  Dice = nullptr;
}

}  // namespace
