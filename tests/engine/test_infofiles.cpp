// The loaders: good files, and bad input refused with its message.
#include "engine_env.h"

namespace {

info_tables tables;  // what the loaders fill

// An open stream over the text.
FILE *over(const std::string &text) {
  return fmemopen(const_cast<char *>(text.data()), text.size(), "r");
}

// Loads text as the monster ('m') or area ('a') file: the result, the message.
std::string load(char kind, const std::string &text) {
  FILE *f = over(text);
  char err[256] = "";
  int r = kind == 'm' ? load_monsters(f, "monster.hxi", tables, err, sizeof err)
                      : load_areas(f, "area.hxi", tables, err, sizeof err);
  std::fclose(f);
  return std::to_string(r) + " " + err;
}

// A loaded monster as "name|group|count|special|portable|text".
std::string mon(int i) {
  const monster_record &m = tables.monsters[i];
  char out[400];
  std::snprintf(out, sizeof out, "%s|%s|%d|%x|%x|%s", m.name, m.group,
                m.lair_items, m.special_code, m.portable_code,
                m.portable_text ? m.portable_text : "-");
  return out;
}

TEST(InfoFiles, GoodFilesFillTheTables) {
  // 300 characters of portable text: 255 are kept, "]" becomes ")".
  std::string port(254, 'p');
  port.append("]").append(45, 'q');
  EXPECT_EQ(load('m',
                 "3\nBog_Lurker Mire_folk 3 0x1\n"  // no 0x2: no text
                 "Hag _ 999 0X4002 0x10000 Bone_charms|%s%n\n"
                 "A_very_long_monster_name_indeed Groupnameoverlong 0 "
                 "FFFFFFFF ffffffff " +
                     port),
            "0 ");
  EXPECT_EQ(tables.monster_count, 3);
  EXPECT_EQ(mon(0), "Bog Lurker|Mire folk|3|1|0|-");
  EXPECT_EQ(mon(1), "Hag| |999|4002|10000|Bone charms\n%s%n");
  EXPECT_EQ(mon(2), "A very long monster|Groupnameoverl|0|ffffffff|ffffffff|" +
                        std::string(254, 'p') + ")");  // cut to 19, 14, 255
  free_monsters(tables);
  // A two-byte letter that the cut to 19 bytes would split is left out whole.
  EXPECT_EQ(load('m', "1 " + std::string(18, 'a') + "\xc3\xa9 _ 1 0"), "0 ");
  EXPECT_EQ(mon(0), std::string(18, 'a').append("| |1|0|0|-"));
  free_monsters(tables);
  EXPECT_EQ(tables.monster_count, 0);
  EXPECT_EQ(
      load('a', "1 Far_too_long_a_lair_name -2147483648 2 3 4 2147483647"),
      "0 ");
  const area_record &a = tables.areas[0];
  EXPECT_EQ(std::string(a.name) + std::to_string(tables.area_count),
            "Far too long a lair1");
  EXPECT_EQ(std::vector<int>({a.other_bound, a.coins_bound, a.gems_bound,
                              a.military_bound, a.magic_bound}),
            std::vector<int>({-2147483648, 2, 3, 4, 2147483647}));
}

TEST(InfoFiles, BadInputIsRefusedWithOneLineNamingTheFileAndEntry) {
  std::string mons = "91\n", areas = "33\n";
  for (int i = 0; i < 91; ++i) mons += "M _ 1 0\n", areas += "L 1 2 3 4 5\n";
  // One entry fewer is the most a file may hold.
  EXPECT_EQ(load('m', "90" + mons.substr(2, 90 * 8 + 1)) +
                load('a', "32" + areas.substr(2, 32 * 12 + 1)),
            "0 0 ");
  EXPECT_EQ(tables.monster_count + tables.area_count, 122);
  free_monsters(tables);
  const std::string cut = " is cut short by the end of the file";
  // clang-format off
  const struct { char kind; std::string text, err; } cases[] = {
      {'m', mons, "monster.hxi: 91 monsters listed, at most 90 allowed"},
      {'a', areas, "area.hxi: 33 areas listed, at most 32 allowed"},
      {'m', "-1 A _ 1 0", "monster.hxi: the number of monsters -1 is negative"},
      {'m', "0", "monster.hxi: the file lists no monsters"},
      {'m', "2 A _ 1 0 Bell\aEsc\x1b[2J _ 1 0", "monster.hxi: monster 2: a word holds a control byte"},
      {'m', std::string("2 A _ 1 0 B _ 1\0002 0", 19), "monster.hxi: monster 2: a word holds a control byte"},  // NUL in a number
      {'a', "\n", "area.hxi: the number of areas is missing"},
      {'m', "3x A _ 1 0", "monster.hxi: the number of monsters '3x' is not a number"},
      {'m', "3\nA _ 1 0\nB _ 1 0\n", "monster.hxi: monster 3 of 3" + cut},
      {'m', "2\nA _ 1 2 0 t\nB _ 1\n", "monster.hxi: monster 2 of 2" + cut},
      {'m', "1\nB _ 1 2 0x10\n", "monster.hxi: monster 1 of 1" + cut},
      {'a', "2\nA 1 2 3 4 5\nB 1 2 3 4", "area.hxi: area 2 of 2" + cut},
      {'m', "1\nB _ %n 0", "monster.hxi: monster 1: the lair item count '%n' is not a decimal number"},
      {'m', "1\nB _ 1 0xZZ", "monster.hxi: monster 1: the special code '0xZZ' is not a 32-bit hexadecimal number"},
      {'m', "1\nB _ 1 100000000", "monster.hxi: monster 1: the special code '100000000' is not a 32-bit hexadecimal number"},
      {'a', "1\nA 1 2 three 4 5", "area.hxi: area 1: the gems bound 'three' is not a decimal number"},
      {'a', "1\nA 1 2 3 4 2147483648", "area.hxi: area 1: the magic bound 2147483648 is outside -2147483648 to 2147483647"},
      {'m', "1\nB _ 1000 0", "monster.hxi: monster 1: the lair item count 1000 is outside 0 to 999"},
      {'m', "1\nB _ -1 0", "monster.hxi: monster 1: the lair item count -1 is outside 0 to 999"},
      // clang-format on
  };
  for (const auto &c : cases) {
    EXPECT_EQ(load(c.kind, c.text), "1 " + c.err);
    EXPECT_EQ(c.kind == 'm' ? tables.monster_count : tables.area_count, 0)
        << c.text;
    EXPECT_EQ(tables.monsters[0].portable_text, nullptr) << "still loaded";
  }
}

}  // namespace
