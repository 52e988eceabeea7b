// Manual generation: its screen, the key sequences and the script they
// write, the count on the screen, and the report of a manual script.
#include <ctime>

#include "dice.h"
#include "engine_env.h"
#include "scripted_rand.h"

namespace {

using namespace scripted;

std::string today(const char *sep) {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return std::to_string(t.tm_mday) + sep + std::to_string(t.tm_mon + 1) + sep +
         std::to_string(t.tm_year + 1900);
}

class Manual : public EngineEnv {
 protected:
  void SetUp() override {
    EngineEnv::SetUp();
    reset(77);
  }

  int run(const std::string &keys) {
    screen.push_keys(keys);
    return manual_select();
  }

  std::string header(const char *numbers = "0 89 1 1 0 -1 0") {
    return today(" ") + "\n1 1 1\n[POS:  \n[COM:  \n----------\n" + numbers +
           "\n----------\nMANUAL-GENERATION\n";
  }

  // The count shown after the n-th key.
  std::string count_after(std::size_t n) {
    EXPECT_LT(n, screen.snaps.size());
    if (n >= screen.snaps.size()) return "";
    std::string row = screen.snaps[n].substr(21 * 81, 80);
    std::size_t end = row.find(' ', 68);
    return row.substr(68, end - 68);
  }
};

const std::string END = "END-OF-SECTION\n";

TEST_F(Manual, TwoCoinsAndAMagicItem) {
  EXPECT_EQ(run("226Gx"), 0);
  EXPECT_EQ(script_text(),
            header() + "< L1_COINS >\n< L1_COINS >\n< L1_MAGIC >\n" + END);
  EXPECT_EQ(count_after(0), "0");
  EXPECT_EQ(count_after(1), "1");
  EXPECT_EQ(count_after(2), "2");
  EXPECT_EQ(count_after(3), "3");

  // The interpreter rolled one dice record per item from where the writer
  // left the generator.
  reset(77);
  std::string texts;
  all_dice d;
  for (int i = 0; i < 2; ++i) {
    roll_dice(&d);
    coins_main(1, 1, -1, &d);
    texts += con_trs_txt;
  }
  roll_dice(&d);
  magic_main(&d);
  texts += con_trs_txt;
  std::string out = output();
  EXPECT_NE(out.find("Monster    : Manual generation\n"), std::string::npos);
  std::size_t body = out.find("Manual Treasure Generation :\n\n");
  ASSERT_NE(body, std::string::npos);
  EXPECT_EQ(out.substr(body),
            "Manual Treasure Generation :\n\n" + texts + "\n-----\n\n");

  // The report screen: banner at the top-left corner, body from (5, 1).
  EXPECT_EQ(row_text(screen, 0).rfind("Wyrdmoor Treasure Generator", 0), 0u);
  EXPECT_EQ(row_text(screen, 2).find("CHOOSE TREASURE MANUALLY"), 8u);
  EXPECT_EQ(row_text(screen, 5), " Manual Treasure Generation :");
  EXPECT_EQ(screen.keys_left(), 0u);
}

TEST_F(Manual, EmptyNumberMeansOneAreaItem) {
  d10(5);
  EXPECT_EQ(run("1\rn\rM"), 0);
  EXPECT_EQ(script_text(), header() + "< L1_GEMJJ >\n" + END);
  EXPECT_EQ(count_after(4), "1");
  EXPECT_FALSE(file_exists("default.hxo"));
}

TEST_F(Manual, HundredItemsWithOneAdded) {
  for (int i = 0; i < 100; ++i) d10(2);  // 3 with the added 1: coins
  EXPECT_EQ(run("1100\ry\rM"), 0);
  std::string items;
  for (int i = 0; i < 100; ++i) items += "< L1_COINS >\n";
  EXPECT_EQ(script_text(), header() + items + END);
  EXPECT_EQ(count_after(7), "100");
  EXPECT_TRUE(queue.empty());
}

TEST_F(Manual, EscapeInsideChoiceOneAddsNothing) {
  EXPECT_EQ(run("1\x1b"), 0);  // the script runs out: Escape leaves
  EXPECT_EQ(count_after(2), "0");
  EXPECT_EQ(screen.snaps[2].substr(25 * 81, 80),
            " Enter your choice : " + std::string(59, ' '));
  screen.snaps.clear();
  EXPECT_EQ(run("15\r\x1bM"), 0);
  EXPECT_EQ(script_text(), header() + END);
  EXPECT_EQ(count_after(4), "0");
  EXPECT_EQ(draws, 0);
}

TEST_F(Manual, GenerateAtOnceGivesAnEmptyManualReport) {
  EXPECT_EQ(run("Gx"), 0);
  EXPECT_EQ(output(), REPORT_RULE + "Date       : " + today("/") +
                          "\nGame date  : 1/1/1\n"
                          "Position   : "
                          "\nArea       : Cave\n"
                          "Monster    : Manual generation\n\n"
                          "Comments   : "
                          "\n\n-----\n\n"
                          "Manual Treasure Generation :\n\n"
                          "\n-----\n\n");
}

TEST_F(Manual, LeavingWritesACompleteScriptAndNoReport) {
  for (const char *keys : {"M", "m", "Q", "q", "\x1b"}) {
    EXPECT_EQ(run(keys), 0) << keys;
    EXPECT_EQ(script_text(), header() + END) << keys;
  }
  EXPECT_FALSE(file_exists("default.hxo"));
}

TEST_F(Manual, NumbersLineIgnoresTheMonster) {
  set_monster(0, "Grunt", "Orc", 0x4, 0x50000, 3);
  info.c_mon_Stat = 5;
  info.c_CDF = 12;
  info.max_CDF = 40;
  info.c_JewEL = 7;
  info.c_area = 1;
  EXPECT_EQ(run("xM"), 0);
  EXPECT_EQ(script_text(), header("1 89 12 40 7 -1 0") + END);
  EXPECT_EQ(count_after(1), "0");  // an unknown key adds nothing
}

TEST_F(Manual, Screen) {
  info.c_area = 1;
  run("");
  const std::string &first = screen.snaps.at(0);
  auto row = [&](int r) { return first.substr(r * 81, 80); };
  EXPECT_EQ(row(3).find("CHOOSE TREASURE MANUALLY"), 8u);
  EXPECT_EQ(row(5).substr(2, 36), "1: Add number of random treasures   ");
  EXPECT_EQ(row(5).substr(50, 16), "Area : Old Tower");
  EXPECT_EQ(row(8).substr(0, 28), "  2: Add a Coin Item to list");
  EXPECT_EQ(row(12).substr(0, 29), "  6: Add a Magic Item to list");
  EXPECT_EQ(row(13).substr(0, 34), "  7: Add an Other Treasure to list");
  EXPECT_EQ(row(21).substr(0, 69),
            "  G: Generate treasure from current list          Number of "
            "Items : 0");
  EXPECT_EQ(row(22).substr(0, 24), "  M: Return to Main Menu");
  EXPECT_EQ(row(25).substr(0, 21), " Enter your choice : ");
}

TEST_F(Manual, ScriptThatCannotBeCreated) {
  std::filesystem::create_directory("temp.hxs");
  EXPECT_EQ(run("x2G"), 1);
  EXPECT_EQ(row_text(screen, 25),
            " Cannot write script! Treasure generation failed. Hit any key.");
  EXPECT_EQ(screen.keys_left(), 2u);  // only the one key was read
}

}  // namespace
