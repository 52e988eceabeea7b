// The monster, area and settings files: good entries, every kind of bad
// entry, settings brought into range, the atomic save, and the sample files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "hoardex.h"
#include "infofiles.h"

namespace {

// An open stream over the given text.
struct text_file {
  explicit text_file(const std::string &text) {
    f = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), f);
    std::rewind(f);
  }
  ~text_file() { std::fclose(f); }
  FILE *f;
};

std::string g_err;

int monsters(const std::string &text) {
  text_file t(text);
  char err[256] = "";
  int r = load_monsters(t.f, "monster.hxi", err, sizeof err);
  g_err = err;
  return r;
}

int areas(const std::string &text) {
  text_file t(text);
  char err[256] = "";
  int r = load_areas(t.f, "area.hxi", err, sizeof err);
  g_err = err;
  return r;
}

std::string label(int i) {
  char out[64];
  monster_label(monster[i], out, sizeof out);
  return out;
}

TEST(MonsterFile, ReadsEntriesWithAndWithoutPortableFields) {
  ASSERT_EQ(monsters("3\n"
                     "Bog_Lurker Mire_folk 3 0x1\n"
                     "Hag _ 2 0X4002 0x10000 Bone_charms|Salt_pouch\n"
                     "Imp Glim 0 1F ff _\n"),
            0)
      << g_err;
  EXPECT_EQ(max_mon, 3);
  EXPECT_STREQ(monster[0].name, "Bog Lurker");
  EXPECT_STREQ(monster[0].group, "Mire folk");
  EXPECT_EQ(monster[0].num_of_trss, 3);
  EXPECT_EQ(monster[0].spec_code, 0x1u);
  EXPECT_EQ(monster[0].port_code, 0u);
  EXPECT_EQ(monster[0].port_txt, nullptr);
  // Without 0x2 the next token is the next monster's name.
  EXPECT_EQ(label(0), "Mire folk, Bog Lurker");
  EXPECT_EQ(label(1), "Hag");
  EXPECT_EQ(monster[1].spec_code, 0x4002u);
  EXPECT_EQ(monster[1].port_code, 0x10000u);
  ASSERT_NE(monster[1].port_txt, nullptr);
  EXPECT_STREQ(monster[1].port_txt, "Bone charms\nSalt pouch");
  EXPECT_EQ(monster[2].spec_code, 0x1Fu);
  EXPECT_EQ(monster[2].port_code, 0xFFu);
  EXPECT_STREQ(monster[2].port_txt, " ");
  EXPECT_EQ(monster[3].name[0], '\0');  // slots past the count stay empty
  free_monsters();
  EXPECT_EQ(max_mon, 0);
}

TEST(MonsterFile, LongTokensAreCutAndTheRestSkipped) {
  std::string port(300, 'p');
  port[0] = 'a';
  port[254] = ']';
  ASSERT_EQ(
      monsters("2\n"
               "A_very_long_monster_name_indeed Groupnameoverlong 1 2 0 " +
               port + "\nNext GG 4 0\n"),
      0)
      << g_err;
  EXPECT_STREQ(monster[0].name, "A very long monster");  // 19 characters
  EXPECT_STREQ(monster[0].group, "Groupnameoverl");      // 14 characters
  ASSERT_NE(monster[0].port_txt, nullptr);
  std::string kept = monster[0].port_txt;
  EXPECT_EQ(kept.size(), 255u);
  EXPECT_EQ(kept.find(']'), std::string::npos);
  EXPECT_EQ(kept[254], ')');
  EXPECT_STREQ(monster[1].name, "Next");
  EXPECT_EQ(monster[1].num_of_trss, 4);
  free_monsters();
}

TEST(MonsterFile, BadCountsAreRefused) {
  std::ostringstream many;
  many << "91\n";
  for (int i = 0; i < 91; ++i) many << "M" << i << " _ 1 0\n";
  EXPECT_EQ(monsters(many.str()), 1);
  EXPECT_NE(g_err.find("monster.hxi"), std::string::npos) << g_err;
  EXPECT_NE(g_err.find("90"), std::string::npos) << g_err;
  EXPECT_EQ(max_mon, 0);

  for (const char *count : {"-1", "-2147483648", "0", "abc", "3x", ""}) {
    EXPECT_EQ(monsters(std::string(count) + " A _ 1 0\n"), 1) << count;
    EXPECT_EQ(g_err.rfind("monster.hxi: ", 0), 0u) << g_err;
    EXPECT_EQ(g_err.find('\n'), std::string::npos) << g_err;
  }
  EXPECT_EQ(monsters("2147483647 A _ 1 0\n"), 1);
  EXPECT_EQ(monsters("99999999999999999999999 A _ 1 0\n"), 1);
}

TEST(MonsterFile, BadEntriesNameTheFileAndEntry) {
  struct bad_case {
    const char *text;
    const char *says;
  };
  const bad_case cases[] = {
      {"3\nA _ 1 0\nB _ 1 0\n", "monster 3 of 3 is cut short"},
      {"2\nA _ 1 0\nB _ 1\n", "monster 2 of 2 is cut short"},
      {"2\nA _ 1 0\nB _ 1 2 0x10\n", "monster 2 of 2 is cut short"},
      {"2\nA _ 1 0\nB _ x1 0\n", "monster 2: the lair item count 'x1'"},
      {"2\nA _ 1 0\nB _ 1 0xZZ\n", "monster 2: the special code '0xZZ'"},
      {"2\nA _ 1 0\nB _ 1 0x\n", "monster 2: the special code"},
      {"2\nA _ 1 0\nB _ 1 -1\n", "monster 2: the special code '-1'"},
      {"1\nB _ 1 100000000\n", "monster 1: the special code"},
      {"1\nB _ 1 2 q7 text\n", "monster 1: the portable code 'q7'"},
      {"1\nB _ 1000 0\n", "monster 1: the lair item count 1000 is outside"},
      {"1\nB _ -1 0\n", "monster 1: the lair item count -1 is outside"},
      {"1\nB _ 2147483647 0\n", "lair item count 2147483647 is outside"},
      {"1\nB _ -2147483648 0\n", "lair item count -2147483648 is outside"},
  };
  for (const bad_case &c : cases) {
    EXPECT_EQ(monsters(c.text), 1) << c.text;
    EXPECT_EQ(g_err.rfind("monster.hxi: ", 0), 0u) << g_err;
    EXPECT_NE(g_err.find(c.says), std::string::npos) << g_err;
    EXPECT_EQ(max_mon, 0);
    EXPECT_EQ(monster[0].port_txt, nullptr);
  }
  // The limits themselves are fine.
  EXPECT_EQ(monsters("2\nA _ 999 0\nB _ 0 0xFFFFFFFF 0xffffffff t\n"), 0);
  EXPECT_EQ(monster[0].num_of_trss, 999);
  EXPECT_EQ(monster[1].spec_code, 0xFFFFFFFFu);
  EXPECT_EQ(monster[1].port_code, 0xFFFFFFFFu);
  free_monsters();
}

TEST(MonsterFile, AFormatDirectiveInATokenIsPlainText) {
  ASSERT_EQ(monsters("1\n%s%n%x _ 0 2 0 %s%s%n\n"), 0);
  EXPECT_STREQ(monster[0].name, "%s%n%x");
  EXPECT_STREQ(monster[0].port_txt, "%s%s%n");
  EXPECT_EQ(monsters("1\nA _ %n 0\n"), 1);
  EXPECT_NE(g_err.find("'%n'"), std::string::npos) << g_err;
  free_monsters();
}

TEST(AreaFile, ReadsNamesAndBounds) {
  ASSERT_EQ(areas("2\nRuined_Keep 2 4 6 9 10\n"
                  "Far_too_long_a_lair_name -2147483648 0 0 0 2147483647\n"),
            0)
      << g_err;
  EXPECT_EQ(max_area, 2);
  EXPECT_STREQ(area[0].name, "Ruined Keep");
  EXPECT_EQ(area[0].other, 2);
  EXPECT_EQ(area[0].coins, 4);
  EXPECT_EQ(area[0].gemjj, 6);
  EXPECT_EQ(area[0].milit, 9);
  EXPECT_EQ(area[0].magic, 10);
  EXPECT_STREQ(area[1].name, "Far too long a lair");
  EXPECT_EQ(area[1].other, INT32_MIN);
  EXPECT_EQ(area[1].magic, INT32_MAX);
}

TEST(AreaFile, BadInputIsRefused) {
  std::ostringstream many;
  many << "33\n";
  for (int i = 0; i < 33; ++i) many << "L" << i << " 1 2 3 4 5\n";
  EXPECT_EQ(areas(many.str()), 1);
  EXPECT_NE(g_err.find("32"), std::string::npos) << g_err;
  struct bad_case {
    const char *text;
    const char *says;
  };
  const bad_case cases[] = {
      {"-4\n", "negative"},
      {"\n", "missing"},
      {"3\nA 1 2 3 4 5\nB 1 2 3 4 5\n", "area 3 of 3 is cut short"},
      {"1\nA 1 2 3 4\n", "area 1 of 1 is cut short"},
      {"2\nA 1 2 3 4 5\nB 1 2 three 4 5\n", "area 2: the gems bound 'three'"},
      {"1\nA 1 2 3 4 2147483648\n", "area 1: the magic bound"},
  };
  for (const bad_case &c : cases) {
    EXPECT_EQ(areas(c.text), 1) << c.text;
    EXPECT_EQ(g_err.rfind("area.hxi: ", 0), 0u) << g_err;
    EXPECT_NE(g_err.find(c.says), std::string::npos) << g_err;
    EXPECT_EQ(max_area, 0);
  }
}

// Settings loaded with 5 monsters and 3 areas in the tables.
void settings(const std::string &text) {
  max_mon = 5;
  max_area = 3;
  text_file t(text);
  load_settings(t.f);
}

TEST(SettingsFile, ReadsTheFourLines) {
  settings("mytreas\n4 2 12 15 40\n3 20 30 -1\n7 11 1234\n");
  EXPECT_STREQ(output_name, "mytreas");
  EXPECT_STREQ(script_name, "temp");
  EXPECT_EQ(info.c_mon, 4);
  EXPECT_EQ(info.c_area, 2);
  EXPECT_EQ(info.c_CDF, 12);
  EXPECT_EQ(info.max_CDF, 15);
  EXPECT_EQ(info.c_JewEL, 40);
  EXPECT_EQ(info.c_mon_Stat, 3);
  EXPECT_EQ(info.c_mon_MEL, 20);
  EXPECT_EQ(info.c_mon_CEL, 30);
  EXPECT_EQ(info.other_mon, 0xFFFFFFFFu);
  EXPECT_EQ(info.gd_day, 7);
  EXPECT_EQ(info.gd_month, 11);
  EXPECT_EQ(info.gd_year, 1234);
  EXPECT_EQ(info.c_var_trss, 0);
}

TEST(SettingsFile, ValuesAreBroughtToTheNearestBound) {
  settings(
      "a\n0 0 2147483647 2147483647 2147483647\n"
      "2147483647 2147483647 2147483647 0\n"
      "2147483647 99999999999999999999 2147483647\n");
  EXPECT_EQ(info.c_CDF, 99);
  EXPECT_EQ(info.max_CDF, 99);
  EXPECT_EQ(info.c_JewEL, 80);
  EXPECT_EQ(info.c_mon_Stat, 10);
  EXPECT_EQ(info.c_mon_MEL, 50);
  EXPECT_EQ(info.c_mon_CEL, 50);
  EXPECT_EQ(info.gd_day, 99);
  EXPECT_EQ(info.gd_month, 99);
  EXPECT_EQ(info.gd_year, 9999);

  settings(
      "a\n0 0 -2147483648 -2147483648 -2147483648\n"
      "-2147483648 -2147483648 -2147483648 0\n"
      "-2147483648 -99999999999999999999 0\n");
  EXPECT_EQ(info.c_CDF, 1);
  EXPECT_EQ(info.max_CDF, 1);
  EXPECT_EQ(info.c_JewEL, 0);
  EXPECT_EQ(info.c_mon_Stat, 0);
  EXPECT_EQ(info.c_mon_MEL, 0);
  EXPECT_EQ(info.c_mon_CEL, 0);
  EXPECT_EQ(info.gd_day, 1);
  EXPECT_EQ(info.gd_month, 1);
  EXPECT_EQ(info.gd_year, 1);
}

TEST(SettingsFile, IndexesOutsideTheTablesBecomeZero) {
  for (const char *pair : {"5 3", "-1 -1", "2147483647 -2147483648", "90 32"}) {
    settings(std::string("a\n") + pair + " 1 1 0\n0 0 0 0\n1 1 1\n");
    EXPECT_EQ(info.c_mon, 0) << pair;
    EXPECT_EQ(info.c_area, 0) << pair;
  }
  settings("a\n4 2 1 1 0\n0 0 0 0\n1 1 1\n");
  EXPECT_EQ(info.c_mon, 4);
  EXPECT_EQ(info.c_area, 2);
}

TEST(SettingsFile, AShortFileLeavesTheRestAtZeroThenInRange) {
  settings("short\n3 1 40\n");
  EXPECT_EQ(info.c_mon, 3);
  EXPECT_EQ(info.c_area, 1);
  EXPECT_EQ(info.c_CDF, 40);
  EXPECT_EQ(info.max_CDF, 1);  // not read: 0, brought up to 1
  EXPECT_EQ(info.c_JewEL, 0);
  EXPECT_EQ(info.other_mon, 0u);
  EXPECT_EQ(info.gd_year, 1);
  // Reading stops at the first token that is not a number.
  settings("x\n2 1 7 oops 9\n1 1 1 1\n5 5 5\n");
  EXPECT_EQ(info.c_CDF, 7);
  EXPECT_EQ(info.max_CDF, 1);
  EXPECT_EQ(info.c_JewEL, 0);
  EXPECT_EQ(info.c_mon_Stat, 0);
  settings("");
  EXPECT_STREQ(output_name, "default");
  EXPECT_EQ(info.c_mon, 0);
}

TEST(SettingsFile, OutputNameIsCutOrRefused) {
  settings("abcdefghijkl\n0 0 1 1 0\n");
  EXPECT_STREQ(output_name, "abcdefgh");
  EXPECT_EQ(info.c_CDF, 1);
  for (const char *name : {"../etc", "a/b", "x.y", "%s%n"}) {
    settings(std::string(name) + "\n0 0 1 1 0\n");
    EXPECT_STREQ(output_name, "default") << name;
  }
  settings("{Ab_9}\n");
  EXPECT_STREQ(output_name, "{Ab_9}");
}

// A private folder that is removed again.
struct temp_dir {
  temp_dir() {
    char tmpl[] = "/tmp/hxinfoXXXXXX";
    path = mkdtemp(tmpl);
  }
  ~temp_dir() { std::system(("rm -rf '" + path + "'").c_str()); }
  std::string file(const char *name) const { return path + "/" + name; }
  std::string path;
};

std::string read_all(const std::string &path) {
  std::ifstream in(path);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST(SaveSettings, DefaultsWriteFourLinesAndReadBack) {
  temp_dir d;
  default_settings();
  std::string path = d.file("setup.hxi");
  ASSERT_EQ(save_settings(path.c_str()), 0);
  EXPECT_EQ(read_all(path), "default\n0 0 1 1 0\n0 0 0 0\n1 1 1\n");

  info.other_mon = 0x80000100u;
  info.gd_year = 9999;
  ASSERT_EQ(save_settings(path.c_str()), 0);
  EXPECT_EQ(read_all(path),
            "default\n0 0 1 1 0\n0 0 0 -2147483392\n1 1 9999\n");
  max_mon = 1;
  max_area = 1;
  FILE *f = std::fopen(path.c_str(), "r");
  load_settings(f);
  std::fclose(f);
  EXPECT_EQ(info.other_mon, 0x80000100u);
  // Only the settings file is left in the folder: no temporary file.
  EXPECT_EQ(
      std::system(("test $(ls -A '" + d.path + "' | wc -l) -eq 1").c_str()), 0);
}

TEST(SaveSettings, FailuresAreReportedAndLeaveNoTemporaryFile) {
  temp_dir d;
  default_settings();
  // The rename fails: the target is a folder that is not empty.
  std::string dir_target = d.file("sub");
  mkdir(dir_target.c_str(), 0755);
  std::ofstream(dir_target + "/keep") << "x";
  EXPECT_EQ(save_settings(dir_target.c_str()), 1);
  EXPECT_EQ(std::system(("test ! -e '" + dir_target + "." +
                         std::to_string(getpid()) + ".tmp'")
                            .c_str()),
            0);
  // A folder that does not exist.
  EXPECT_EQ(save_settings(d.file("none/setup.hxi").c_str()), 1);
}

// The sample files: enough entries, and together every special bit, every
// portable class and every portable extra flag.
TEST(SampleFiles, CoverEveryCodeAndFitTheFields) {
  std::string dir = HOARDEX_DATA_DIR;
  char err[256] = "";
  FILE *f = std::fopen((dir + "/monster.hxi").c_str(), "r");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(load_monsters(f, "monster.hxi", err, sizeof err), 0) << err;
  std::fclose(f);
  f = std::fopen((dir + "/area.hxi").c_str(), "r");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(load_areas(f, "area.hxi", err, sizeof err), 0) << err;
  std::fclose(f);
  EXPECT_GE(max_mon, 40);
  EXPECT_GE(max_area, 12);

  uint32_t spec_bits = 0, extra_bits = 0;
  std::set<uint32_t> classes;
  bool blank_in_text = false, break_in_text = false;
  for (int i = 0; i < max_mon; ++i) {
    const monster_type &m = monster[i];
    spec_bits |= m.spec_code;
    EXPECT_GE(m.num_of_trss, 0);
    EXPECT_LE(m.num_of_trss, 6);
    if (m.spec_code & 0x2) {
      classes.insert(m.port_code >> 16);
      extra_bits |= m.port_code & 0xFFFF;
      std::string t = m.port_txt;
      if (t.size() > 1 && t.find(' ') != std::string::npos)
        blank_in_text = true;
      if (t.find('\n') != std::string::npos) break_in_text = true;
    }
  }
  EXPECT_EQ(spec_bits & 0xFFFF, 0xFFFFu);
  EXPECT_EQ(extra_bits, 0x7FFu);
  for (uint32_t c = 1; c <= 26; ++c) EXPECT_TRUE(classes.count(c)) << c;
  EXPECT_TRUE(blank_in_text);
  EXPECT_TRUE(break_in_text);
  bool high_bound = false;
  for (int i = 0; i < max_area; ++i)
    if (area[i].other >= 10 || area[i].milit >= 10) high_bound = true;
  EXPECT_TRUE(high_bound);

  f = std::fopen((dir + "/setup.hxi").c_str(), "r");
  ASSERT_NE(f, nullptr);
  load_settings(f);
  std::fclose(f);
  EXPECT_STREQ(output_name, "default");
  EXPECT_EQ(info.c_CDF, 1);
  EXPECT_EQ(info.gd_year, 1);
  free_monsters();
}

}  // namespace
