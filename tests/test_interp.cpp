// The treasure script interpreter: the report byte for byte, the header rules,
// section ends, keyword forcing, literal texts and paging, scripts cut short
// or malformed, failures of the two files and the lock on the output.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <thread>

#include "dice.h"
#include "engine.h"
#include "engine_env.h"
#include "trtables.h"

namespace {

const char AUTO_HEAD[] =
    "6 12 2024\n"
    "3 4 1021\n"
    "[POS: Old  mill   ford\n"
    "[COM: Found at dawn\n"
    "----------\n"
    "1 0 12 40 7 -1 123\n"
    "----------\n";

const std::string AUTO_REPORT_HEAD = REPORT_RULE +
                                     "Date       : 6/12/2024\n"
                                     "Game date  : 3/4/1021\n"
                                     "Position   : Old mill ford "
                                     "\nArea       : Old Tower\n"
                                     "Monster    : Orc, Grunt\n\n"
                                     "Comments   : Found at dawn "
                                     "\n\n-----\n\n";

const char CLOSING[] = "\n-----\n\n";

// The coin texts of `items` coin items evaluated one after the other from a
// generator seeded with `seed`, with the numbers of AUTO_HEAD.
std::string coins_after_seed(unsigned seed, int items) {
  std::srand(seed);
  std::string text;
  all_dice d;
  for (int i = 0; i < items; ++i) {
    roll_dice(&d);
    coins_main(12, 40, -1, &d);
    text += con_trs_txt;
  }
  return text;
}

class Interp : public EngineEnv {
 protected:
  // Runs the interpreter on a script as the callers do: body from row 5.
  void run(const std::string &script, const std::string &keys = "x") {
    spit("temp.hxs", script);
    screen.push_keys(keys);
    screen.move(5, 0);
    run_script_con(18);
  }
  // The report's body: what follows the header's closing line.
  std::string body() const {
    std::string out = output();
    std::size_t at = out.find("\n\n-----\n\n");
    return at == std::string::npos ? "" : out.substr(at + 9);
  }
};

TEST_F(Interp, AutomaticScriptGivesTheWholeReport) {
  std::string coins = coins_after_seed(11, 3);
  std::srand(11);
  run(std::string(AUTO_HEAD) +
      "PORTABLE\n[ Bone necklace\n]\n< L1_COINS >\nEND-OF-SECTION\n"
      "----------\nLAIR-TREASURE\n< L1_COINS >\n< L1_COINS >\n"
      "END-OF-SECTION\n");
  std::size_t first = coins.find('\n') + 1;
  EXPECT_EQ(output(), AUTO_REPORT_HEAD + "Portable treasure :\n\n" +
                          "Bone necklace\n" + coins.substr(0, first) +
                          "\n-----\n\nTreasure in lair  :\n\n" +
                          coins.substr(first) + CLOSING);
  // The body is echoed from row 5; the header is not.
  EXPECT_EQ(row_text(screen, 5), "Portable treasure :");
  EXPECT_EQ(row_text(screen, 7), "Bone necklace");
  EXPECT_EQ(row_text(screen, 10), "-----");
  EXPECT_EQ(row_text(screen, 12), "Treasure in lair  :");
  EXPECT_EQ(row_text(screen, 25), " Hit any key to continue.");
  EXPECT_EQ(screen.keys_left(), 0u);
  EXPECT_EQ(screen.reads_past_end(), 0);
}

TEST_F(Interp, EmptyPositionAndCommentAndNameWithoutGroup) {
  run("1 1 2000\n1 1 1\n[POS:  \n[COM:  \n----------\n0 1 1 1 0 -1 0\n"
      "----------\nMANUAL-GENERATION\nEND-OF-SECTION\n");
  EXPECT_EQ(output(), REPORT_RULE +
                          "Date       : 1/1/2000\n"
                          "Game date  : 1/1/1\n"
                          "Position   : "
                          "\nArea       : Cave\n"
                          "Monster    : Wyvern\n\n"
                          "Comments   : "
                          "\n\n-----\n\n"
                          "Manual Treasure Generation :\n\n" +
                          CLOSING);
}

TEST_F(Interp, WordsThatOnlyBeginLikeTheHeaderMarksStayInTheTexts) {
  run("1 1 2000\n1 1 1\n[POS: by [the] gate\n[COM: -3 torches -\n"
      "----------\n0 0 1 1 0 -1 0\n----------\nMANUAL-GENERATION\n"
      "END-OF-SECTION\n");
  std::string out = output();
  EXPECT_NE(out.find("Position   : by [the] gate \n"), std::string::npos);
  EXPECT_NE(out.find("Comments   : -3 torches - \n\n-----\n\n"),
            std::string::npos);
}

std::string names_script(const char *area_idx, const char *mon_idx) {
  return std::string("1 1 2000\n1 1 1\n[POS:  \n[COM:  \n----------\n") +
         area_idx + " " + mon_idx +
         " 1 1 0 -1 0\n----------\nMANUAL-GENERATION\nEND-OF-SECTION\n";
}

TEST_F(Interp, NamesOfSlotsOutsideTheTables) {
  run(names_script("5", "89"), "xxxx");
  run(names_script("-1", "57"), "xxxx");
  max_mon = 90;
  set_monster(89, "Ghoul", "Undead", 0, 0, 0);
  run(names_script("1", "89"), "xxxx");
  std::string out = output();
  EXPECT_NE(out.find("Area       : (unknown)\nMonster    : Manual generation"),
            std::string::npos);
  EXPECT_NE(out.find("Area       : (unknown)\nMonster    : (unknown)"),
            std::string::npos);
  EXPECT_NE(out.find("Area       : Old Tower\nMonster    : Undead, Ghoul"),
            std::string::npos);
}

TEST_F(Interp, NothingAfterTheLastSectionIsRead) {
  std::srand(5);
  int next = std::rand();
  std::srand(5);
  run(std::string(AUTO_HEAD) +
      "PORTABLE\nEND-OF-SECTION\n----------\nLAIR-TREASURE\nEND-OF-SECTION\n"
      "< L1_COINS >\n[ Tail\n]\n");
  EXPECT_EQ(output(), AUTO_REPORT_HEAD +
                          "Portable treasure :\n\n"
                          "\n-----\n\nTreasure in lair  :\n\n" +
                          CLOSING);
  EXPECT_EQ(std::rand(), next);  // no item was rolled

  spit("default.hxo", "");
  run(std::string(AUTO_HEAD) +
      "MANUAL-GENERATION\nEND-OF-SECTION\n< L1_COINS >\nEND-OF-SECTION\n");
  EXPECT_EQ(body(), std::string("Manual Treasure Generation :\n\n") + CLOSING);
}

class Keywords : public Interp {
 protected:
  void run_item(const std::string &item, unsigned seed = 3) {
    spit("default.hxo", "");
    std::srand(seed);
    run(std::string(AUTO_HEAD) + "MANUAL-GENERATION\n" + item +
        "\nEND-OF-SECTION\n");
  }
};

TEST_F(Keywords, ForcedFieldsOverrideTheRoll) {
  run_item("< L2_JEWEL LARGE >");
  EXPECT_EQ(dice.gemjj.d3star_kind, 2);
  EXPECT_EQ(dice.gemjj.d10_size, 10);
  run_item("< L1_METAL GOLD >");
  EXPECT_EQ(dice.metal.d100_metal, 30);
  run_item("< L3_MAGICWEAPON >");
  EXPECT_EQ(dice.magic.d100_maintype, 80);
  EXPECT_EQ(dice.milit.d100_maintype, 1);
  run_item("< L2_WEAPON ONE_ONLY >");
  EXPECT_EQ(dice.milit.d100_maintype, 1);
  EXPECT_EQ(dice.milit.d10_NumberFound, 1);
  run_item("< L1_MAGIC ELDER >");
  EXPECT_EQ(dice.magic.d6_2_alignment, 6);
  run_item("< L2_GEM >");
  EXPECT_EQ(dice.gemjj.d3star_kind, 1);
  run_item("< L2_JEWELRY >");
  EXPECT_EQ(dice.gemjj.d3star_kind, 3);
}

TEST_F(Keywords, KeywordOrderAndLaterCategoryChoice) {
  run_item("< LARGE L1_GEMJJ >");
  std::string large_first = body();
  run_item("< L1_GEMJJ LARGE >");
  EXPECT_EQ(body(), large_first);
  EXPECT_EQ(dice.gemjj.d10_size, 10);

  // A later category replaces an earlier one: this is a metal item.
  run_item("< L1_COINS L1_METAL >");
  metal_main(7, &dice);
  EXPECT_EQ(body(), std::string("Manual Treasure Generation :\n\n") +
                        con_trs_txt + CLOSING);
  run_item("< L1_METAL FOO L1_COINS BAR >");
  coins_main(12, 40, -1, &dice);
  EXPECT_EQ(body(), std::string("Manual Treasure Generation :\n\n") +
                        con_trs_txt + CLOSING);
}

TEST_F(Keywords, ItemWithoutCategoryWritesNothingButIsRolled) {
  all_dice d;
  std::srand(3);
  roll_dice(&d);
  int after_one_roll = std::rand();
  run_item("< LARGE >");
  EXPECT_EQ(body(), std::string("Manual Treasure Generation :\n\n") + CLOSING);
  EXPECT_EQ(std::rand(), after_one_roll);
}

TEST_F(Interp, CodeIsTakenModuloEight) {
  dice.coins = {4, 5, 4, 13, 57, 7};
  EXPECT_EQ(decode_trscode(10, 1, 1, 0, 5), 1);
  EXPECT_STREQ(con_trs_txt, "7 Gold Coins\n");
  EXPECT_EQ(decode_trscode(8, 1, 1, 0, 5), 0);
  EXPECT_STREQ(con_trs_txt, "");
  coins_main(1, 1, 5, &dice);
  EXPECT_EQ(decode_trscode(7, 1, 1, 0, 5), 0);
  EXPECT_STREQ(con_trs_txt, "");
}

// Three-line literal texts: "[ " and two more lines before the "]".
std::string three_lines(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "[ a\nb\nc\n]\n";
  return s;
}

TEST_F(Interp, PauseComesAfterTheTokenThatReachesTheCount) {
  // Heading 2 + 15 lines of texts + 1 coin line = 18.
  run(std::string(AUTO_HEAD) + "MANUAL-GENERATION\n" + three_lines(5) +
          "< L1_COINS >\n[ LAST\n]\nEND-OF-SECTION\n",
      "ab");
  EXPECT_EQ(screen.keys_left(), 0u);
  ASSERT_EQ(screen.snaps.size(), 2u);
  // The first page ended with the coin line, on row 22.
  std::string page1 = screen.snaps[0];
  EXPECT_EQ(page1.substr(22 * 81, 3).find_first_of("0123456789"), 0u);
  EXPECT_EQ(row_text(screen, 5), " LAST");
  for (int r = 6; r <= 24; ++r) EXPECT_EQ(row_text(screen, r), "") << r;

  screen.snaps.clear();
  run(std::string(AUTO_HEAD) + "MANUAL-GENERATION\n" + three_lines(5) +
          "END-OF-SECTION\n",
      "ab");
  EXPECT_EQ(screen.keys_left(), 1u);  // 17 lines: only the final key
}

TEST_F(Interp, TextThatWouldPassRow24StartsANewPage) {
  run(std::string(AUTO_HEAD) + "MANUAL-GENERATION\n" + three_lines(5) +
          "[ W1\nW2\nW3\nW4\n]\nEND-OF-SECTION\n",
      "ab");
  ASSERT_EQ(screen.snaps.size(), 2u);
  EXPECT_EQ(screen.keys_left(), 0u);
  EXPECT_EQ(row_text(screen, 5), " W1");
  EXPECT_EQ(row_text(screen, 8), "W4");
  EXPECT_EQ(row_text(screen, 22), "");
  EXPECT_EQ(body(), std::string("Manual Treasure Generation :\n\n"
                                "a\nb\nc\na\nb\nc\na\nb\nc\na\nb\nc\na\nb\nc\n"
                                "W1\nW2\nW3\nW4\n") +
                        CLOSING);
}

TEST_F(Interp, TextLongerThanAPageIsSplitAndNeverReachesThePromptRow) {
  std::string text;
  for (int i = 1; i <= 22; ++i) text += "L" + std::to_string(100 + i) + "\n";
  run(std::string(AUTO_HEAD) + "PORTABLE\n[ " + text +
          "]\nEND-OF-SECTION\nEND-OF-SECTION\n",
      "ab");
  ASSERT_EQ(screen.snaps.size(), 2u);
  const std::string &page1 = screen.snaps[0];
  // Heading on rows 5-6, then L101 to L118 on rows 7 to 24.
  EXPECT_EQ(page1.substr(7 * 81, 4), "L101");
  EXPECT_EQ(page1.substr(24 * 81, 4), "L118");
  EXPECT_EQ(page1.substr(25 * 81, 81),
            " Hit any key to continue." + std::string(55, ' ') + "\n");
  EXPECT_EQ(row_text(screen, 5), " L119");
  EXPECT_EQ(row_text(screen, 8), "L122");
  EXPECT_NE(output().find(text), std::string::npos);
}

TEST_F(Interp, LiteralLongerThanAnyBufferReachesTheReportWhole) {
  std::string text(2500, 'x');
  text += "\n";
  run(std::string(AUTO_HEAD) + "MANUAL-GENERATION\n[ " + text +
          "]\nEND-OF-SECTION\n",
      "abcd");
  EXPECT_EQ(body(), "Manual Treasure Generation :\n\n" + text + CLOSING);
  // 32 rows of text: the first page holds 18 of them.
  ASSERT_GE(screen.snaps.size(), 2u);
  EXPECT_EQ(screen.snaps[0].substr(24 * 81, 80), std::string(80, 'x'));
}

TEST_F(Interp, TwoRunsAppendTwoReports) {
  std::string script = std::string(AUTO_HEAD) +
                       "PORTABLE\n[ Rope\n]\nEND-OF-SECTION\n----------\n"
                       "LAIR-TREASURE\nEND-OF-SECTION\n";
  std::string report = AUTO_REPORT_HEAD +
                       "Portable treasure :\n\nRope\n"
                       "\n-----\n\nTreasure in lair  :\n\n" +
                       CLOSING;
  run(script);
  run(script);
  EXPECT_EQ(output(), report + report);
}

TEST_F(Interp, ScriptsCutShortEndTheRunWithTheClosingLine) {
  const std::string head = AUTO_REPORT_HEAD + "Portable treasure :\n\n";
  std::string coin = coins_after_seed(9, 1);

  std::srand(9);
  run(std::string(AUTO_HEAD) + "PORTABLE\n< L1_COINS >\n");
  EXPECT_EQ(output(), head + coin + CLOSING);

  spit("default.hxo", "");
  run(std::string(AUTO_HEAD) + "PORTABLE\n[ Half a text\nand more");
  EXPECT_EQ(output(), head + "Half a text\nand more" + CLOSING);

  spit("default.hxo", "");
  run(std::string(AUTO_HEAD) + "PORTABLE\n> \n< L1_COINS >\nEND-OF-SECTION\n");
  EXPECT_EQ(output(), head + CLOSING);

  spit("default.hxo", "");
  std::srand(9);
  run(std::string(AUTO_HEAD) +
      "PORTABLE\n< L1_COINS >\nTHIS_TOKEN_IS_LONGER\n< L1_COINS >\n"
      "END-OF-SECTION\n");
  EXPECT_EQ(output(), head + coin + CLOSING);
  EXPECT_EQ(screen.keys_left(), 0u);
}

TEST_F(Interp, MalformedHeadersEndTheRunCleanly) {
  const std::string dates = REPORT_RULE +
                            "Date       : 6/12/2024\n"
                            "Game date  : 3/4/1021\n";
  run("6 12 2024\n3 4 1021\n[POS: Old mill\n[COM: x\n----------\n"
      "1 0 12 40 7\n----------\nPORTABLE\nEND-OF-SECTION\n");
  EXPECT_EQ(output(), dates + "Position   : Old mill " + CLOSING);

  spit("default.hxo", "");
  std::string word59(59, 'w');
  run("6 12 2024\n3 4 1021\n[POS: " + word59 + "\n[COM: " + word59 + "w\n");
  EXPECT_EQ(output(), dates + "Position   : " + word59 + " " + CLOSING);

  spit("default.hxo", "");
  run("6 12 2024\n3 4 1021\n[POS: " + word59 + "w\n");
  EXPECT_EQ(output(), dates + "Position   : " + CLOSING);

  spit("default.hxo", "");
  run("6 12 x\n");
  EXPECT_EQ(output(), REPORT_RULE + CLOSING);

  spit("default.hxo", "");
  run("6 12 2024\n3 4 99999999999\n");
  EXPECT_EQ(output(), REPORT_RULE + "Date       : 6/12/2024\n" + CLOSING);

  spit("default.hxo", "");
  run("");
  EXPECT_EQ(output(), REPORT_RULE + CLOSING);
  EXPECT_EQ(screen.reads_past_end(), 0);
}

const char MSG_OUTPUT[] =
    " Cannot write output file! Treasure generation failed. Hit any key.";
const std::string EMPTY_MANUAL =
    std::string(AUTO_HEAD) + "MANUAL-GENERATION\nEND-OF-SECTION\n";

TEST_F(Interp, FilesThatCannotBeUsedAreReported) {
  screen.push_keys("x");
  run_script_con(18);  // no script
  EXPECT_EQ(row_text(screen, 25),
            " Cannot read script! Treasure generation failed. Hit any key.");
  EXPECT_FALSE(file_exists("default.hxo"));
  EXPECT_EQ(screen.keys_left(), 0u);

  std::filesystem::create_directory("default.hxo");
  run(EMPTY_MANUAL);
  EXPECT_EQ(row_text(screen, 25), MSG_OUTPUT);
  std::filesystem::remove("default.hxo");
  std::filesystem::create_symlink("/dev/full", "default.hxo");  // disk full
  screen.clear();
  run(EMPTY_MANUAL);
  EXPECT_EQ(row_text(screen, 25), MSG_OUTPUT);
  EXPECT_EQ(screen.keys_left(), 0u);
}

TEST_F(Interp, FailedAppendLeavesEarlierReportsIntact) {
  std::string earlier;
  for (int i = 0; i < 40; ++i) earlier += "An earlier report line\n";
  spit("default.hxo", earlier);
  // Room for 100 more bytes only: the report's write fails part way.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old_limit{};
  getrlimit(RLIMIT_FSIZE, &old_limit);
  rlimit small = old_limit;
  small.rlim_cur = earlier.size() + 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  run(std::string(AUTO_HEAD) + "MANUAL-GENERATION\n" + three_lines(4) +
      "END-OF-SECTION\n");
  setrlimit(RLIMIT_FSIZE, &old_limit);
  EXPECT_EQ(row_text(screen, 25), MSG_OUTPUT);
  EXPECT_EQ(output(), earlier);
}

TEST_F(Interp, ReportWaitsForTheLockOfAnotherWriter) {
  spit("temp.hxs", EMPTY_MANUAL);
  int other = open("default.hxo", O_WRONLY | O_APPEND | O_CREAT, 0644);
  ASSERT_GE(other, 0);
  ASSERT_EQ(flock(other, LOCK_EX), 0);
  screen.push_keys("x");
  std::thread gen([] { run_script_con(18); });
  usleep(300 * 1000);
  EXPECT_EQ(output(), "");  // still waiting for the lock
  ASSERT_EQ(write(other, "OTHER REPORT\n", 13), 13);
  flock(other, LOCK_UN);
  close(other);
  gen.join();
  std::string out = output();
  EXPECT_EQ(out.rfind("OTHER REPORT\n" + REPORT_RULE, 0), 0u);
}

}  // namespace
