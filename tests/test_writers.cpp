// The script writers against the exact script text, with scripted dice: the
// area treasure table, the metal or jewelry selector, every portable class
// and extra flag, and automatic generation's header and lair items.
#include <ctime>

#include "engine.h"
#include "engine_env.h"
#include "scripted_rand.h"
#include "scriptio.h"

namespace {

using namespace scripted;

const std::string NO_PORT = "[ Monster has no portable treasure.\n]\n";
const std::string BOOK = "[ See Book IV for portable treasure description\n]\n";
const std::string J = "< L2_JEWELRY >\n";
const std::string M = "< L1_METAL >\n";
const std::string JL = "< L2_JEWEL >\n";
const std::string W = "< L2_WEAPON ONE_ONLY >\n";
const std::string MAGIC = "< L1_MAGIC >\n";
const std::string FINE = "[ Fine Clothing\nArmor\n]\n";

class Writers : public EngineEnv {
 protected:
  void SetUp() override {
    EngineEnv::SetUp();
    reset();
    info.c_mon_Stat = 1;
    info.c_mon_MEL = 2;
    info.c_mon_CEL = 0;
  }

  // What a writer puts into a fresh script after the given dice; every die
  // must be used and no other drawn.
  template <typename F>
  std::string written(const char *rolls, F write) {
    scripted::dice(rolls);
    EXPECT_EQ(script_create(), 0);
    long expected = draws + static_cast<long>(queue.size());
    write();
    EXPECT_EQ(script_close(), 0);
    EXPECT_TRUE(queue.empty()) << queue.size() << " dice left after " << rolls;
    EXPECT_EQ(draws, expected) << "dice drawn beyond " << rolls;
    return script_text();
  }
};

TEST_F(Writers, AreaTable) {
  // Area 0 bounds 2, 4, 6, 8: each category on two faces, magic above.
  EXPECT_EQ(written("d10=1 d10=2 d10=3 d10=5 d10=7 d10=8 d10=9 d10=10",
                    [] { main_treasure_table(0, 8, 0); }),
            "< L1_OTHER >\n< L1_OTHER >\n< L1_COINS >\n< L1_GEMJJ >\n"
            "< L1_MILIT >\n< L1_MILIT >\n" +
                MAGIC + MAGIC);
  EXPECT_EQ(written("d10=1 d10=2 d10=8", [] { main_treasure_table(0, 3, 1); }),
            "< L1_OTHER >\n< L1_COINS >\n" + MAGIC);
  // First bound 10: only other treasure, unless 1 is added to a 10.
  EXPECT_EQ(written("d10=1 d10=10 d10=10",
                    [] {
                      main_treasure_table(1, 2, 0);
                      main_treasure_table(1, 1, 1);
                    }),
            "< L1_OTHER >\n< L1_OTHER >\n" + MAGIC);
  EXPECT_EQ(written("", [] { main_treasure_table(0, 0, 1); }), "");
  // An index beyond the loaded areas reads an empty record: all magic.
  EXPECT_EQ(written("d10=1", [] { main_treasure_table(7, 1, 0); }), MAGIC);
}

TEST_F(Writers, SelectorsRollOnEveryItem) {
  EXPECT_EQ(written("d100=51 d100=50 d100=100 d100=1",
                    [] { main_metal_or_jewelry(4, 0); }),
            M + J + M + J);
  EXPECT_EQ(written("d100=99 d100=3 d100=60 d100=1 d100=51 d100=50 d100=7",
                    [] {
                      for (int sel : {1, 2, 20, 21})
                        main_metal_or_jewelry(1, sel);
                      main_metal_or_jewelry(2, 40);
                      main_metal_or_jewelry(1, -3);
                    }),
            J + M + "< L2_JEWEL LARGE >\n" + JL +
                "< L1_METAL GOLD >\n< L2_JEWELRY LARGE >\n" + J);
}

constexpr uint32_t P = 0x2;  // has portable treasure
constexpr uint32_t KING = 0x100, ELITE = 0x200, HUMANOID = 0x400, MALE = 0x800,
                   EXCEPTIONAL = 0x1000, DRESSED = 0x2000, INTELLIGENT = 0x4000,
                   MAGIC_USER = 0x8000;
constexpr uint32_t cls(uint32_t c) { return c << 16; }

struct portable_case {
  uint32_t spec;
  uint32_t port;
  const char *rolls;
  std::string script;
};

// Every class with its answers, each extra flag alone and all together.
const portable_case PORTABLE_CASES[] = {
    {0x4 | 0x8 | 0x20, cls(2) | 0x7FF, "", NO_PORT},
    {P, 0, "", ""},
    {P | INTELLIGENT, cls(1), "d3=2 d100=70 d100=20 d2*=2 d100=1 d100=99",
     J + J + M + M},
    {P, cls(1), "d100=60",
     "[ Wineskins, food bags and other common equipment\n]\n"},
    {P, cls(1), "d100=61", ""},
    {P | MAGIC_USER, cls(2),
     "d100=100 d100=100 d100=100 d100=100 d3=1 d100=5 d100=100 d3=3 d100=50 "
     "d100=50 d100=50 d100=50",
     "< L3_MAGICWEAPON >\n< L2_CLOTHING >\n" + MAGIC + J + M + M + M + M},
    {P, cls(2), "d100=50 d100=51 d100=51 d100=51 d100=51",
     "< L3_MAGICWEAPON >\n"},
    {P | ELITE | KING, cls(3), "d3*=3 d3=1 d100=80",
     "[ Non-ferrous Armor, AV 4\n]\n" + M + "< L1_MAGIC ELDER >\n"},
    {P | KING, cls(3), "", "< L1_MAGIC ELDER >\n"},
    {P | DRESSED, cls(4), "d6=1 d6=2 d100=40 d100=40 d100=40",
     "[ Clothing, grants EL8 Fire Resistance\n]\n" + W +
         "< L2_JEWEL LARGE >\n< L2_JEWEL LARGE >\n< L2_JEWEL LARGE >\n"},
    {P, cls(4), "", NO_PORT},
    {P | EXCEPTIONAL, cls(5), "d6=2 d100=9 d100=90 d3=1 d100=9 d100=41",
     J + J + M + NO_PORT},
    {P, cls(5), "d100=1 d100=51", FINE + W},
    {P, cls(6), "d100=40 d100=50",
     FINE + W + "[      , Aerial Powers and Storm Powers\n]\n"},
    {P, cls(7), "d100=40 d3=1 d100=3 d2*=1 d100=3", M + J},
    {P, cls(7), "d100=41", NO_PORT},
    {P | MALE, cls(8), "", "[ Crude Jewelry\n]\n" + W},
    {P, cls(8), "", "[ Leather harness with metal clasp\n]\n"},
    {P | HUMANOID, cls(9),
     "d3=1 d100=3 d2*=1 d100=3 d100=30 d100=77 d6=1 d6=1 d100=3 d100=3",
     M + J + "[ Pouch contains 77 coins of mixed type\n]\n" + JL + JL},
    {P, cls(9), "", ""},
    {P, cls(10), "d100=31", ""},
    {P, cls(11), "d3=3 d100=60 d100=60 d100=60", J + J + J},
    {P | EXCEPTIONAL, cls(12), "d10=3 d10=4", "[ 7 Copper Coins\n]\n"},
    {P, cls(12), "", BOOK},
    {P | MALE, cls(13), "", "[ Crude Weapon\nJewelry, valueless\n]\n"},
    {P, cls(13), "", NO_PORT},
    {P, cls(14), "d6=1 d100=51", M},
    {P | MALE, cls(15), "d100=30", W},
    {P, cls(15), "d100=10 d100=99 d100=5", JL + MAGIC},
    {P, cls(15), "d100=11 d100=99 d100=6", J},
    {P, cls(15), "d100=21 d100=6", ""},
    {P | MALE, cls(16), "", W},
    {P, cls(16), "d3=1 d100=99 d100=30 d100=31 d100=30", J + MAGIC + JL},
    {P, cls(17), "d100=20 d6=1 d100=50", W + J},
    {P, cls(17), "d100=21 d6=1 d100=51", M},
    {P, cls(18), "d6=2 d100=51 d100=50",
     "< L1_METAL GOLD >\n< L2_JEWELRY LARGE >\n"},
    {P, cls(19), "", BOOK},
    {P, cls(20), "d100=25", "< L1_COINS >\n"},
    {P, cls(20), "d100=26", "< L2_GEM >\n"},
    {P, cls(20), "d100=75", JL},
    {P, cls(20), "d100=76", J},
    {P, cls(21), "d6=1 d6=1 d100=4 d100=4", J + J},
    {P, cls(22), "d100=10", "[ Equivalent of a Dagger\n]\n"},
    {P, cls(22), "d100=11", ""},
    {P, cls(23), "", BOOK},
    {P, cls(26), "", BOOK},
    {P, cls(27), "", ""},
    {P, 0x1, "", "[ Fine Clothing, 5 times normal value\n]\n"},
    {P, 0x2, "d6=5", "[  5 Disgorged Persons\n]\n"},
    {P, 0x4, "d10=2 d10=9", "[ 11 Elven Arrows\n]\n"},
    {P, 0x8, "d6=1 d6=3", "[ 4 Elf Shot Arrows\n]\n"},
    {P, 0x10, "d3*=3 d100=90 d100=90 d100=90", J + J + J},
    {P, 0x20, "d2*=1 d100=90", J},
    {P, 0x40, "d10=7 d10=7", "[ 14 Copper Coins\n]\n"},
    {P | MAGIC_USER, 0x80, "d3*=3", MAGIC + MAGIC + MAGIC},
    {P, 0x80, "", ""},
    {P, 0x100, "d3=2 d100=10 d100=10", M + M},
    {P, 0x200, "d3=2 d100=10 d100=60", J + M},
    {P, 0x400, "d100=25 d6=2 d100=60 d100=60", J + J},
    {P, 0x400, "d100=26", ""},
    // The extra flags come after the class row, in the order of their masks.
    {P | MAGIC_USER, cls(4) | 0x7FF,
     "d6=3 d10=10 d10=10 d6=6 d6=6 d3*=1 d100=5 d2*=2 d100=5 d100=5 d10=1 "
     "d10=1 d3*=2 d3=1 d100=5 d3=1 d100=100 d100=25 d6=1 d100=5",
     NO_PORT + "[ Fine Clothing, 5 times normal value\n]\n" +
         "[  3 Disgorged Persons\n]\n[ 20 Elven Arrows\n]\n"
         "[ 12 Elf Shot Arrows\n]\n" +
         J + J + J + "[ 2 Copper Coins\n]\n" + MAGIC + MAGIC + M + M + J},
};

TEST_F(Writers, PortableClassesAndExtraFlags) {
  for (const portable_case &c : PORTABLE_CASES)
    EXPECT_EQ(written(c.rolls,
                      [&] { main_portable_table(0, c.spec, c.port, nullptr); }),
              c.script)
        << std::hex << "spec 0x" << c.spec << " port 0x" << c.port;
}

TEST_F(Writers, PortableTextAreaItemsAndStationItems) {
  auto port = [](uint32_t spec, const char *text) {
    return [=] { main_portable_table(0, spec, 0, text); };
  };
  // Station + MEL + CEL = 3 area items, then 6, each roll with 1 added; then
  // a d100 of at most 10 x Station gives d3 metal or jewelry.
  EXPECT_EQ(written("d10=1 d10=4 d10=9 d10=2 d10=3 d10=5 d10=6 d10=7 d10=10 "
                    "d100=10 d3=2 d100=51 d100=50",
                    port(P | 0x1 | 0x4 | 0x8 | 0x20, "Bone necklace\n")),
            "[ Bone necklace\n]\n< L1_OTHER >\n< L1_GEMJJ >\n" + MAGIC +
                "< L1_COINS >\n< L1_COINS >\n< L1_GEMJJ >\n< L1_MILIT >\n"
                "< L1_MILIT >\n" +
                MAGIC + M + J);
  EXPECT_EQ(written("d100=11", port(P | 0x20, " a blank: no text")), "");
  // A "]" cannot end the text early, and a text gets its closing line end.
  EXPECT_EQ(written("", port(P, "Ring] < L1_MAGIC >\nBand")),
            "[ Ring) < L1_MAGIC >\nBand\n]\n");
  info.c_mon_Stat = 0;
  EXPECT_EQ(written("d100=1", port(P | 0x20, nullptr)), "");
}

// ----------------------------------------------------- automatic generation

class Autogen : public Writers {
 protected:
  // Key "7" for monster 0 after the writer's dice; the interpreter then rolls
  // one whole dice record for each of `items` items.
  std::string generate(const char *rolls, int items) {
    scripted::dice(rolls);
    long writer_dice = static_cast<long>(queue.size());
    screen.push_keys("xxxx");
    EXPECT_EQ(generate_cs(), 0);
    EXPECT_EQ(draws, writer_dice + 111L * items);
    return script_text();
  }

  static std::string script(const char *numbers, const std::string &portable,
                            const std::string &lair) {
    std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return std::to_string(t.tm_mday) + " " + std::to_string(t.tm_mon + 1) +
           " " + std::to_string(t.tm_year + 1900) +
           "\n1 1 1\n[POS:  \n[COM:  \n----------\n" + numbers +
           "\n----------\nPORTABLE\n" + portable +
           "END-OF-SECTION\n----------\nLAIR-TREASURE\n" + lair +
           "END-OF-SECTION\n";
  }
};

const std::string OTHER = "< L1_OTHER >\n";

TEST_F(Autogen, ExtraLairItems) {
  // Station bit: Station + 1 extra items, the Station in the numbers line.
  set_monster(0, "Grunt", "Orc", 0x4 | 0x1, 0, 3);
  info.c_mon_Stat = 2;
  info.c_mon_MEL = 5;
  EXPECT_EQ(generate("d10=1 d10=2 d10=3 d10=4 d10=5 d10=9", 6),
            script("0 0 1 1 0 2 0", NO_PORT,
                   OTHER +
                       "< L1_COINS >\n< L1_COINS >\n< L1_GEMJJ >\n"
                       "< L1_GEMJJ >\n" +
                       MAGIC));
  EXPECT_EQ(info.c_var_trss, 3);
  EXPECT_NE(output().find("Monster    : Orc, Grunt\n"), std::string::npos);

  // Both score bits with Station 0: one extra item, MEL not added.
  set_monster(0, "Grunt", "Orc", 0x4 | 0x8, 0, 0);
  info.c_mon_Stat = 0;
  reset();
  EXPECT_EQ(generate("d10=3", 1),
            script("0 0 1 1 0 0 0", NO_PORT, "< L1_COINS >\n"));

  // MEL bit alone: MEL extra items and no Station, whatever was entered.
  set_monster(0, "Grunt", "Orc", 0x8, 0, 1);
  info.c_mon_Stat = 3;
  info.c_mon_MEL = 2;
  info.c_CDF = 12;
  info.max_CDF = 40;
  info.c_JewEL = 7;
  info.c_area = 1;
  reset();
  EXPECT_EQ(generate("d10=5 d10=5 d10=5", 3),
            script("1 0 12 40 7 -1 0", NO_PORT, OTHER + OTHER + OTHER));
}

TEST_F(Autogen, OtherMonstersBit) {
  set_monster(0, "Grunt", "Orc", 0x10, 0, 0);
  EXPECT_EQ(generate("d100=30 d6=2 d10=1 d10=1", 2),
            script("0 0 1 1 0 -1 0", NO_PORT, OTHER + OTHER));
  reset();
  EXPECT_EQ(generate("d100=31", 0), script("0 0 1 1 0 -1 0", NO_PORT, ""));
  // Any yes stored in the answers, even of another question: no d100.
  info.other_mon = 0x800;
  reset();
  EXPECT_EQ(generate("", 0), script("0 0 1 1 0 -1 0", NO_PORT, ""));
  // Both words hold 0x10; a sum would carry into 0x20 and roll Station items.
  set_monster(0, "Grunt", "Orc", 0x2 | 0x10, 0, 0);
  info.other_mon = 0x10;
  info.c_mon_Stat = 10;
  reset();
  EXPECT_EQ(generate("", 0), script("0 0 1 1 0 -1 0", "", ""));
}

TEST_F(Autogen, PortableCodeAndTextOfTheMonster) {
  char text[] = "Gold tooth\n";
  set_monster(0, "Grunt", "Orc", 0x2, cls(19) | 0x1, 0);
  monster[0].port_txt = text;
  EXPECT_EQ(generate("", 0),
            script("0 0 1 1 0 -1 1245185",
                   "[ Gold tooth\n]\n" + BOOK +
                       "[ Fine Clothing, 5 times normal value\n]\n",
                   ""));
  EXPECT_EQ(row_text(screen, 3).find("GENERATE TREASURE FOR CURRENT SETTINGS"),
            8u);
}

TEST_F(Autogen, ScriptThatCannotBeWrittenIsReported) {
  std::filesystem::create_symlink("/dev/full", "temp.hxs");  // a full disk
  screen.push_keys("x");
  EXPECT_EQ(generate_cs(), 1);
  EXPECT_EQ(row_text(screen, 25),
            " Cannot write script! Treasure generation failed. Hit any key.");
  EXPECT_FALSE(file_exists("default.hxo"));
  std::filesystem::remove("temp.hxs");
  std::filesystem::create_directory("temp.hxs");  // cannot be created
  screen.push_keys("x");
  EXPECT_EQ(generate_cs(), 1);
  EXPECT_EQ(screen.keys_left(), 0u);
}

}  // namespace
