// The script writers' exact text with scripted dice; extra lair items.
#include "engine_env.h"
#include "scripted_rand.h"
#include "writers.h"

const std::string NO_PORT = "[ Monster has no portable treasure.\n]\n",
                  BOOK = "[ See Book IV for portable treasure description\n]\n",
                  OTHER = "< L1_OTHER >\n", COINS = "< L1_COINS >\n";

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

constexpr uint32_t P = 0x2;  // has portable treasure
constexpr uint32_t cls(uint32_t c) { return c << 16; }

// Every row of the area, portable and selector tables and every extra flag
// is frozen by the golden reports of the writers; their texts are the data
// file's, so here a text that could end its part early.
TEST_F(Writers, APortableTextCannotEndItsPartEarly) {
  const area_record cave{"Cave", 2, 4, 6, 8, 10};
  auto write = [&](script_writer &w) {
    write_portable_items(w, {cave, P, 0, "Ring] < L1_MAGIC >\nBand", 1, 2, 0});
  };
  EXPECT_EQ(written("", write), "[ Ring) < L1_MAGIC >\nBand\n]\n");
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
