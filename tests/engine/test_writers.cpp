// The script writers' exact text with scripted dice.
#include "engine_env.h"
#include "portable_writer.h"
#include "scripted_rand.h"

const std::string BOOK = "[ See Book IV for portable treasure description\n]\n";

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

// Both codes hold 0x10: a sum would carry into 0x20 and roll Station items.
// The portable code goes into the numbers line, the monster's text first.
TEST_F(Writers, AFlagInBothCodesIsNoSum) {
  char tooth[] = "Gold tooth\n";
  tables.monsters[0] = {"G", "O", tooth, P | 0x10, cls(19) | 0x1, 0};
  config.station = 10, config.answers = 0x10;
  script_file script;
  ASSERT_EQ(write_automatic_script_file(script, SCRIPT_PATH, game.generation()),
            generation_status::done);
  close_script(script);
  EXPECT_EQ(script_text(),
            script_head("0 0 1 1 0 -1 1245185") +
                "PORTABLE\n[ Gold tooth\n]\n" + BOOK +
                "[ Fine Clothing, 5 times normal value\n]\n" +
                "END-OF-SECTION\n----------\nLAIR-TREASURE\nEND-OF-SECTION\n");
  tables.monsters[0].portable_text = nullptr;  // not the loader's
}
