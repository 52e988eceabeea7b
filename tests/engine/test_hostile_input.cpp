// Hostile files and scripts: special files in place of the information and
// output files, runaway numbers in a script's numbers line, and a manual
// script naming a loaded monster's slot.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "dice.h"
#include "engine_env.h"
#include "headless.h"

namespace {

struct Hostile : EngineEnv {
  // The report of a script read from memory, its dice seeded alike.
  std::string report(const std::string &script) {
    seed_dice(3);
    text_report sink;
    interpret_text(script, tables, sink);
    return sink.text();
  }
};

const std::string HEAD = "1 2 2024\n1 1 1\n[POS: \n[COM: \n----------\n";

}  // namespace

// A FIFO, a device or a huge file as an information file is refused at once;
// a FIFO as the output file is a write failure, a device is written.
TEST_F(Hostile, SpecialFilesAreRefusedWithoutWaiting) {
  alarm(20);  // a blocked open or an endless read ends the test
  spit("area.hxi", "1 Cave 1 2 3 4 5\n");
  std::string err;
  ASSERT_EQ(mkfifo("monster.hxi", 0644), 0);
  EXPECT_EQ(load_tables(tables, err), 2);
  EXPECT_EQ(err, "monster.hxi: not a regular file\n");
  std::filesystem::remove("monster.hxi");
  std::filesystem::create_symlink("/dev/zero", "monster.hxi");
  EXPECT_EQ(load_tables(tables, err), 2);
  EXPECT_EQ(err, "monster.hxi: not a regular file\n");
  std::filesystem::remove("monster.hxi");
  spit("monster.hxi", "1 A _ 1 0\n");
  std::filesystem::resize_file("monster.hxi", INFO_FILE_MAX_BYTES + 1);
  EXPECT_EQ(load_tables(tables, err), 2);
  EXPECT_EQ(err, "monster.hxi: larger than 4 MiB\n");
  spit("monster.hxi", "1 A _ 1 0\n");
  ASSERT_EQ(load_tables(tables, err), 0);
  ASSERT_EQ(mkfifo("setup.hxi", 0644), 0);
  EXPECT_EQ(load_settings_file(tables, config, err), 2);
  EXPECT_EQ(err, "setup.hxi: not a regular file\n");

  ASSERT_EQ(mkfifo("fifo.hxo", 0644), 0);
  EXPECT_EQ(open_output("fifo"), -1);  // no reader
  int reader = open("fifo.hxo", O_RDONLY | O_NONBLOCK);
  EXPECT_EQ(open_output("fifo"), -1);  // a reader
  close(reader);
  std::filesystem::create_symlink("/dev/null", "null.hxo");
  int device = open_output("null");
  EXPECT_GE(device, 0);
  close(device);
  alarm(0);
}

// Numbers beyond the ranges of the settings act as the nearest bound on every
// category, and no table arithmetic runs away.
TEST_F(Hostile, RunawayScriptNumbersActAsTheirBounds) {
  const std::string body =
      "\n----------\nMANUAL-GENERATION\n< L1_METAL >\n< L1_COINS >\n"
      "< L1_GEMJJ >\n< L1_MILIT >\n< L1_MAGIC >\n< L1_OTHER >\n< L1_METAL >\n"
      "END-OF-SECTION\n";
  const std::string max = "2147483647", min = "-2147483648";
  EXPECT_EQ(report(HEAD + "0 0 " + max + " " + max + " " + max + " " + max +
                   " 0" + body),
            report(HEAD + "0 0 99 99 80 10 0" + body));
  EXPECT_EQ(report(HEAD + "0 0 " + min + " " + min + " " + min + " " + min +
                   " 0" + body),
            report(HEAD + "0 0 1 1 0 -1 0" + body));
}

// A manual script names slot 89; with 90 monsters loaded that slot is a
// monster the user never chose.
TEST_F(Hostile, AManualReportNamesNoMonsterWhenEverySlotIsFilled) {
  for (int i = 0; i < MAX_MONSTERS; ++i)
    tables.monsters[i] = {"Beast", "Grp", nullptr, 0, 0, 0};
  tables.monster_count = MAX_MONSTERS;
  const std::string text = report(
      HEAD +
      "0 89 1 1 0 -1 0\n----------\nMANUAL-GENERATION\nEND-OF-SECTION\n");
  EXPECT_NE(text.find("\nMonster    : Manual generation\n"), std::string::npos)
      << text;
}
