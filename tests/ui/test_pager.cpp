// The report on the screen and in the file.
#include <cstring>

#include "dice.h"
#include "ui_env.h"

const std::string CLOSING = "\n-----\n\n";

// A script's header, and the report's header it gives.
std::string head(const std::string &nums, const std::string &pos = " ",
                 const std::string &com = " ") {
  return "6 12 2024\n3 4 1021\n[POS: " + pos + "\n[COM: " + com +
         "\n----------\n" + nums + "\n----------\n";
}
std::string report_head(const std::string &area_name, const std::string &mon,
                        const std::string &pos = "",
                        const std::string &com = "") {
  return REPORT_RULE + "Date       : 6/12/2024\nGame date  : 3/4/1021\n" +
         "Position   : " + pos + "\nArea       : " + area_name +
         "\nMonster    : " + mon + "\n\nComments   : " + com + "\n\n-----\n\n";
}

struct Interp : UiEnv {
  // Runs the interpreter as its callers do: the body echoed from row 5.
  void run(const std::string &script, const std::string &keys = "x") {
    spit("temp.hxs", script);
    screen.push_keys(keys), screen.move(5, 0);
    show_script();
  }
};

TEST_F(Interp, ReportPagedAndWritten) {
  // Each item rolls fresh dice; keywords force fields; the last category wins.
  seed_dice(11);
  dice_record d;
  item_result out;
  auto item = [&](auto eval) {
    roll_dice(d);
    eval();
    return std::string(out.text());
  };
  std::string coin = item([&] { coins_main(out, 12, 40, -1, &d); });
  std::string lair = item([&] { d.gems.d10_size = 10, gems_main(out, 7, &d); });
  lair += item([&] { d.gems.d10_size = 10, gems_main(out, 7, &d); });
  roll_dice(d);  // an item without a category: rolled, nothing written
  lair += item([&] { metal_main(out, 7, &d); });
  lair += item([&] {
    d.magic.d100_maintype = 80, d.milit.d100_maintype = 1, magic_main(out, &d);
  });
  // Heading 2 + 15 lines + the coin reach 18: the pause follows the coin,
  // though "d e" would fit. A four-line text past row 24 starts page three.
  seed_dice(11);
  const std::string text = std::string(14, '\n') + "z\n";  // 15 lines
  run(head("1 0 12 40 7 -1 123") + "PORTABLE\n[ " + text +
          "]\n< L1_COINS >\n[ d\ne\n]\n[ " + text + "]\n" +
          "[ W1\nW2\nW3\nW4\n]\nEND-OF-SECTION\n----------\nLAIR-TREASURE\n"
          "< LARGE L1_GEMJJ >\n< L1_GEMJJ LARGE >\n< LARGE >\n"
          "< L1_COINS L1_METAL >\n< L3_MAGICWEAPON >\nEND-OF-SECTION\n",
      "abc");
  ASSERT_EQ(screen.snaps.size(), 3u);
  EXPECT_EQ(screen.row(0, 5), "Portable treasure :");  // not the header
  EXPECT_EQ(screen.row(0, 22) + "\n" + screen.row(0, 23), coin);
  EXPECT_EQ(screen.row(0, 25), " Hit any key to continue.");
  EXPECT_EQ(screen.row(1, 5) + screen.row(1, 21) + screen.row(1, 22), " dz");
  EXPECT_EQ(screen.row(2, 5) + screen.row(2, 12), " W1Treasure in lair  :");

  EXPECT_EQ(output(), report_head("Old Tower", "Orc, Grunt") +
                          "Portable treasure :\n\n" + text + coin + "d\ne\n" +
                          text +
                          "W1\nW2\nW3\nW4\n\n-----\n\nTreasure in lair  :\n\n" +
                          lair + CLOSING);
  EXPECT_EQ(screen.keys_left(), 0u);
}

// A literal text after three lines that fits only on a new page starts one;
// the row count follows tabs, a tab that ends its row, carriage returns and
// full rows.
TEST_F(Interp, TextThatFitsOnlyOnANewPageStartsOne) {
  // Nine tabs from column 1 reach column 72; ten characters more wrap.
  const std::string tabs = "x" + std::string(9, '\t') + "yyyyyyyyyy\n";
  const std::string back = std::string(79, 'y') + "\rz\n";       // one row
  const std::string wide = std::string(80, 'w') + "\n";          // two rows
  const std::string ended = "z" + std::string(10, '\t') + "\n";  // two rows
  for (auto [line, paused_first] :
       {std::pair(tabs, true), {back, false}, {wide, true}, {ended, true}}) {
    std::string text;  // eight lines
    for (int i = 0; i < 8; ++i) text += line;
    screen.snaps.clear(), screen.clear();
    run(head("1 0 12 40 7 -1 123") + "PORTABLE\n[ a\nb\nc\n]\n[ " + text +
        "]\nEND-OF-SECTION\n");
    EXPECT_EQ(screen.row(0, 10).empty(), paused_first) << text;
  }
}

// After a pause the count starts again (2 + 16, a pause, 17 more end it), or
// at the lines of a text still to come (12 of 30, then 7 more: a pause).
TEST_F(Interp, LineCounterStartsAgainAfterAPause) {
  for (auto [first, second, keys] : {std::tuple(16, 17, 2u), {30, 7, 3u}}) {
    screen.snaps.clear();
    run(head("1 0 12 40 7 -1 123") + "PORTABLE\n[ " + std::string(first, '\n') +
        "]\n[ " + std::string(second, '\n') + "]\nEND-OF-SECTION\n");
    EXPECT_EQ(screen.snaps.size(), keys) << first;
  }
}

// A literal text longer than one read part (1024 characters) is echoed in
// parts; a part that continues it fills the page rather than starting one.
TEST_F(Interp, LongLiteralContinuesOnThePageItStarted) {
  const std::string line = std::string(109, 'x') + "\n";  // two rows
  std::string text = line + line + line + line + line + line + line + line;
  text += std::string(199, 'v') + "\n";  // 1080 characters, 19 rows
  run(head("1 0 12 40 7 -1 123") + "PORTABLE\n[ " + text +
      "]\nEND-OF-SECTION\n");
  EXPECT_EQ(screen.row(0, 7), std::string(80, 'x'));
  EXPECT_EQ(screen.row(1, 24), "");  // the full page was blanked
  EXPECT_NE(output().find(text), std::string::npos);
}
