// The script writers' exact text with scripted dice; extra lair items.
#include "engine_env.h"
#include "scripted_rand.h"
#include "writers.h"

const std::string NO_PORT = "[ Monster has no portable treasure.\n]\n",
                  BOOK = "[ See Book IV for portable treasure description\n]\n",
                  J = "< L2_JEWELRY >\n", M = "< L1_METAL >\n",
                  JL = "< L2_JEWEL >\n", W = "< L2_WEAPON ONE_ONLY >\n",
                  MAGIC = "< L1_MAGIC >\n", OTHER = "< L1_OTHER >\n",
                  COINS = "< L1_COINS >\n", GEMJJ = "< L1_GEMJJ >\n",
                  MILIT = "< L1_MILIT >\n";

class Writers : public EngineEnv {
 protected:
  scripted::source dice_;
  // A writer's script after the given dice; exactly those must be drawn.
  template <typename F>
  std::string written(const char *rolls, F write) {
    scripted::dice(rolls);
    long expected = scripted::draws + static_cast<long>(scripted::queue.size());
    script_file f;
    EXPECT_TRUE(create_script(f, SCRIPT_PATH));
    script_writer w(f.stream);
    write(w);
    EXPECT_TRUE(finish_script(f));
    close_script(f);
    EXPECT_EQ(scripted::draws, expected) << "dice drawn for " << rolls;
    return script_text();
  }
};

using pick = metal_or_jewelry;
// The fixture's areas: bounds 2, 4, 6, 8, and 10 everywhere.
const area_record AREAS[] = {{"Cave", 2, 4, 6, 8, 10},
                             {"Old Tower", 10, 10, 10, 10, 10}};

TEST_F(Writers, AreaTableAndSelectors) {
  // clang-format off
  const struct { void (*write)(script_writer &w); const char *rolls; std::string script; } cases[] = {
      // Area 0 bounds 2, 4, 6, 8: each category on two faces, magic above.
      {[](script_writer &w) { write_area_items(w, AREAS[0], 8, 0); }, "d10=1 d10=2 d10=3 d10=5 d10=7 d10=8 d10=9 d10=10", OTHER + OTHER + COINS + GEMJJ + MILIT + MILIT + MAGIC + MAGIC},
      {[](script_writer &w) { write_area_items(w, AREAS[0], 3, 1); }, "d10=1 d10=2 d10=8", OTHER + COINS + MAGIC},  // 1 added
      // Area 1 bounds 10: only other treasure, unless 1 is added to a 10.
      {[](script_writer &w) { write_area_items(w, AREAS[1], 1, 0), write_area_items(w, AREAS[1], 1, 1); }, "d10=10 d10=10", OTHER + MAGIC},
      // Selectors 0 and 40 split at 50; any selector rolls its d100.
      {[](script_writer &w) { write_metal_or_jewelry(w, 2, pick(0)); }, "d100=51 d100=50", M + J},
      {[](script_writer &w) { for (int sel : {1, 2, 20, 21, 3}) write_metal_or_jewelry(w, 1, pick(sel)); }, "d100=99 d100=3 d100=60 d100=1 d100=9", J + M + "< L2_JEWEL LARGE >\n" + JL},
      {[](script_writer &w) { write_metal_or_jewelry(w, 2, pick(40)); }, "d100=51 d100=50", "< L1_METAL GOLD >\n< L2_JEWELRY LARGE >\n"},
  };
  // clang-format on
  for (const auto &c : cases)
    EXPECT_EQ(written(c.rolls, c.write), c.script) << c.rolls;
}

constexpr uint32_t P = 0x2;  // has portable treasure
constexpr uint32_t cls(uint32_t c) { return c << 16; }

TEST_F(Writers, PortableTable) {
  // clang-format off
  const struct { uint32_t flags, port; const char *rolls; std::string script; const char *text = nullptr; } cases[] = {
      {0x4 | 0x8 | 0x20, cls(2) | 0x7FF, "", NO_PORT},
      {P, 0, "", ""},
      {P | INTELLIGENT, cls(1), "d3=2 d100=70 d100=20 d2*=2 d100=1 d100=99", J + J + M + M},
      {P | MAGIC_USER, cls(2), "d100=100 d100=100 d100=100 d100=100 d3=1 d100=5 d100=100 d3=3 d100=50 d100=50 d100=50 d100=50", "< L3_MAGICWEAPON >\n< L2_CLOTHING >\n" + MAGIC + J + M + M + M + M},
      {P, cls(2), "d100=50 d100=51 d100=51 d100=51 d100=51", "< L3_MAGICWEAPON >\n"},
      {P | ELITE | KING, cls(3), "d3*=3 d3=1 d100=80", "[ Non-ferrous Armor, AV 4\n]\n" + M + "< L1_MAGIC ELDER >\n"},
      {P | DRESSED, cls(4), "d6=1 d6=2 d100=40 d100=40 d100=40", "[ Clothing, grants EL8 Fire Resistance\n]\n" + W + "< L2_JEWEL LARGE >\n< L2_JEWEL LARGE >\n< L2_JEWEL LARGE >\n"},
      {P | EXCEPTIONAL, cls(5), "d6=2 d100=9 d100=90 d3=1 d100=9 d100=41", J + J + M + NO_PORT},
      {P | MALE, cls(8), "", "[ Crude Jewelry\n]\n" + W},
      {P, cls(8), "", "[ Leather harness with metal clasp\n]\n"},
      {P | HUMANOID, cls(9), "d3=1 d100=3 d2*=1 d100=3 d100=30 d100=77 d6=1 d6=1 d100=3 d100=3", M + J + "[ Pouch contains 77 coins of mixed type\n]\n" + JL + JL},
      {P | EXCEPTIONAL, cls(12), "d10=3 d10=4", "[ 7 Copper Coins\n]\n"},
      {P, cls(12), "", BOOK},
      {P | MALE, cls(13), "", "[ Crude Weapon\nJewelry, valueless\n]\n"},
      {P | MALE, cls(15), "d100=30", W},
      {P, cls(15), "d100=10 d100=99 d100=5", JL + MAGIC},
      {P | MALE, cls(16), "", W},
      {P, cls(16), "d3=1 d100=99 d100=30 d100=31 d100=30", J + MAGIC + JL},
      {P, 0x80, "", ""},
      // The extra flags come after the class row, in the order of their masks.
      {P | MAGIC_USER, cls(4) | 0x7FF, "d6=3 d10=10 d10=10 d6=6 d6=6 d3*=1 d100=5 d2*=2 d100=5 d100=5 d10=1 d10=1 d3*=2 d3=1 d100=5 d3=1 d100=100 d100=25 d6=1 d100=5",
       NO_PORT + "[ Fine Clothing, 5 times normal value\n]\n[  3 Disgorged Persons\n]\n[ 20 Elven Arrows\n]\n[ 12 Elf Shot Arrows\n]\n" + J + J + J + "[ 2 Copper Coins\n]\n" + MAGIC + MAGIC + M + M + J},
      // Station 1 + MEL 2 = 3 area items, then 6, each roll with 1 added; then
      // a d100 of at most 10 x Station gives d3 metal or jewelry.
      {P | 0x1 | 0x4 | 0x8 | 0x20, 0, "d10=1 d10=4 d10=9 d10=2 d10=3 d10=5 d10=6 d10=7 d10=10 d100=10 d3=2 d100=51 d100=50",
       "[ Bone necklace\n]\n" + OTHER + GEMJJ + MAGIC + COINS + COINS + GEMJJ + MILIT + MILIT + MAGIC + M + J, "Bone necklace\n"},
      {P | 0x20, 0, "d100=11", ""},
      // A "]" cannot end the text early, and a text gets its closing line end.
      {P, 0, "", "[ Ring) < L1_MAGIC >\nBand\n]\n", "Ring] < L1_MAGIC >\nBand"},
      // clang-format on
  };
  for (const auto &c : cases) {
    auto write = [&](script_writer &w) {
      write_portable_items(w, {AREAS[0], c.flags, c.port, c.text, 1, 2, 0});
    };
    EXPECT_EQ(written(c.rolls, write), c.script) << std::hex << c.flags;
  }
}

TEST_F(Writers, ExtraLairItemsOfKeySeven) {
  char tooth[] = "Gold tooth\n";
  const std::string tooth_rows =
      "[ Gold tooth\n]\n" + BOOK + "[ Fine Clothing, 5 times normal value\n]\n";
  // clang-format off
  const struct { monster_record mon; settings config; const char *rolls; int items; const char *numbers; std::string lair, portable = NO_PORT; } cases[] = {
      // 0x4: Station + 1 extra items (with Station 0 one), MEL not added, the
      // Station in the numbers line; 0x1 adds 1 to the rolls.
      {{"G", "O", nullptr, 0x4 | 0x8 | 0x1, 0, 0}, {.output_name = "default", .cdf = 1, .group_cdf = 1, .mel = 5, .game_day = 1, .game_month = 1, .game_year = 1}, "d10=2", 1, "0 0 1 1 0 0 0", COINS},
      // 0x10: on a d100 of 30 or less, d6 extra items, unless any yes is stored.
      {{"G", "O", nullptr, 0x10, 0, 0}, {.output_name = "default", .cdf = 1, .group_cdf = 1, .game_day = 1, .game_month = 1, .game_year = 1}, "d100=30 d6=2 d10=1 d10=1", 2, "0 0 1 1 0 -1 0", OTHER + OTHER},
      {{"G", "O", nullptr, 0x10, 0, 0}, {.output_name = "default", .cdf = 1, .group_cdf = 1, .game_day = 1, .game_month = 1, .game_year = 1}, "d100=31", 0, "0 0 1 1 0 -1 0", ""},
      {{"G", "O", nullptr, 0x10, 0, 0}, {.output_name = "default", .cdf = 1, .group_cdf = 1, .answers = 0x800, .game_day = 1, .game_month = 1, .game_year = 1}, "", 0, "0 0 1 1 0 -1 0", ""},
      // Both words hold 0x10: a sum would carry into 0x20 and roll Station
      // items. The portable code goes into the numbers line, the text first.
      {{"G", "O", tooth, 0x2 | 0x10, cls(19) | 0x1, 0}, {.output_name = "default", .cdf = 1, .group_cdf = 1, .station = 10, .answers = 0x10, .game_day = 1, .game_month = 1, .game_year = 1}, "", 0, "0 0 1 1 0 -1 1245185", "", tooth_rows},
      // 0x8: MEL extra items and no Station, whatever was entered.
      {{"G", "O", nullptr, 0x8, 0, 1}, {.output_name = "default", .lair_index = 1, .cdf = 12, .group_cdf = 40, .jeweler_el = 7, .station = 3, .mel = 2, .game_day = 1, .game_month = 1, .game_year = 1}, "d10=5 d10=5 d10=5", 3, "1 0 12 40 7 -1 0", OTHER + OTHER + OTHER},
  };
  // clang-format on
  for (const auto &c : cases) {
    tables.monsters[0] = c.mon, config = c.config;
    scripted::reset(), scripted::dice(c.rolls);
    long writer_dice = static_cast<long>(scripted::queue.size());
    script_file script;
    ASSERT_EQ(
        write_automatic_script_file(script, SCRIPT_PATH, game.generation()),
        generation_status::done);
    close_script(script);
    text_report report;  // one dice record for each item
    ASSERT_EQ(interpret_file(SCRIPT_PATH, "default", tables, report),
              generation_status::done);
    EXPECT_EQ(scripted::draws, writer_dice + 111L * c.items) << c.rolls;
    EXPECT_EQ(script_text(), script_head(c.numbers) + "PORTABLE\n" +
                                 c.portable +
                                 "END-OF-SECTION\n----------\nLAIR-TREASURE\n" +
                                 c.lair + "END-OF-SECTION\n")
        << c.rolls;
    tables.monsters[0].portable_text = nullptr;  // not the loader's
  }
}
