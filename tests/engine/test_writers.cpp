// The automatic script's exact text. Every row of the area, portable and
// selector tables and every extra flag is frozen by the golden reports of
// the writers; their texts are the data file's, so here the codes of
// monster and answers together and a text that could end its part early.
#include "engine_env.h"

using Writers = EngineEnv;

// Both codes hold 0x10: a sum would carry into 0x20 and roll Station items.
// The portable code goes into the numbers line, the monster's text first,
// its "]" kept from closing the text.
TEST_F(Writers, AFlagInBothCodesIsNoSumAndATextCannotEndItsPartEarly) {
  char text[] = "Ring] < L1_MAGIC >\nBand";
  tables.monsters[0] = {"G", "O", text, 0x2 | 0x10, (19 << 16) | 0x1, 0};
  config.station = 10, config.answers = 0x10;
  script_file script;
  ASSERT_EQ(write_automatic_script_file(script, SCRIPT_PATH, game.generation()),
            generation_status::done);
  close_script(script);
  EXPECT_EQ(script_text(),
            script_head("0 0 1 1 0 -1 1245185") +
                "PORTABLE\n[ Ring) < L1_MAGIC >\nBand\n]\n" +
                "[ See Book IV for portable treasure description\n]\n" +
                "[ Fine Clothing, 5 times normal value\n]\n" +
                "END-OF-SECTION\n----------\nLAIR-TREASURE\nEND-OF-SECTION\n");
  tables.monsters[0].portable_text = nullptr;  // not the loader's
}
