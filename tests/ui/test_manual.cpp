// Manual generation: the key sequences, the script they write, the count on
// the screen, and the report of the items picked.
#include <cstring>

#include "scripted_rand.h"
#include "ui_env.h"

class Manual : public UiEnv {
 protected:
  scripted::source dice_;
  dialog_status run(const std::string &keys) {
    screen.push_keys(keys);
    return manual_generation(game);
  }
  static std::string script(const std::string &items) {
    return script_head("0 89 1 1 0 -1 0") + "MANUAL-GENERATION\n" + items +
           "END-OF-SECTION\n";
  }
  // The count on the screen when the n-th key was read.
  std::string count(int n) const { return screen.row(n, 21).substr(68); }
};

TEST_F(Manual, PickedItemsGeneratedOrLeftAtOnce) {
  const std::string head =
      REPORT_RULE + "Date       : " + today("/") +
      "\nGame date  : 1/1/1\nPosition   : \nArea       : Cave\n"
      "Monster    : Manual generation\n\nComments   : \n\n-----\n\n"
      "Manual Treasure Generation :\n\n";
  EXPECT_EQ(run("2234567Gx"), dialog_status::done);
  EXPECT_EQ(script_text(),
            script("< L1_COINS >\n< L1_COINS >\n< L1_GEMJJ >\n< L1_METAL >\n"
                   "< L1_MILIT >\n< L1_MAGIC >\n< L1_OTHER >\n"));
  EXPECT_EQ(count(0) + count(1) + count(2) + count(3), "0123");
  EXPECT_EQ(output().rfind(head, 0), 0u);  // the items are the interpreter's
  EXPECT_EQ(screen.row(8, 5), " Manual Treasure Generation :");
  std::filesystem::remove("default.hxo");
  // G on an empty list says so and generates nothing; Backspace takes the
  // last pick back, a group of random items at once; leaving without G
  // discards the picks, the script stays the last generation's.
  const std::string last = script_text();
  for (int i = 0; i < 3; ++i) scripted::dice("d10=5");
  const int k = static_cast<int>(screen.snaps.size());  // the first key's
  EXPECT_EQ(run("G613\ry\r27\b\b\b\b\bG\033"), dialog_status::done);
  const std::string empty =
      " The list is empty: add treasure with keys 1 to 7 before G.";
  EXPECT_EQ(screen.row(k + 1, 24) + "|" + screen.row(k + 2, 24), empty + "|");
  EXPECT_EQ(screen.row(k + 10, 15) + "|" + screen.row(k + 10, 16),
            "  Chosen so far (Backspace takes the last one back):|   magic, "
            "3 random (+1), coins");
  EXPECT_EQ(count(k + 9) + count(k + 10) + count(k + 11) + count(k + 12) +
                count(k + 13),
            "65410");
  EXPECT_EQ(screen.row(k + 13, 15) + screen.row(k + 13, 16), "");
  EXPECT_EQ(screen.row(k + 15, 24), empty);
  for (const char *keys : {"2xM", "7m", "Q", "q", "\x1b"}) {
    EXPECT_EQ(run(keys), dialog_status::done) << keys;
    EXPECT_EQ(script_text(), last) << keys;
  }
  EXPECT_EQ(count(k + 17) + count(k + 18),
            "11");  // an unknown key adds nothing
  for (const auto &f : std::filesystem::directory_iterator("."))
    EXPECT_EQ(f.path().filename().string().rfind("temp.hxs.", 0),
              std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("default.hxo"));
  EXPECT_EQ(screen.keys_left(), 0u);
}

TEST_F(Manual, RandomItemsFromTheAreaTable) {
  scripted::dice("d10=5");
  EXPECT_EQ(run("1\rn\rGx"),
            dialog_status::done);  // an empty number is one item
  EXPECT_EQ(script_text(), script("< L1_GEMJJ >\n"));
  EXPECT_EQ(count(4), "1");
  std::string items;
  for (int i = 0; i < 10; ++i)  // 3 with 1 added: coins
    scripted::dice("d10=2"), items += "< L1_COINS >\n";
  const int k = static_cast<int>(screen.snaps.size());
  EXPECT_EQ(run("110\ry\rGx"), dialog_status::done);  // a report of one page
  EXPECT_EQ(script_text(), script(items));
  EXPECT_EQ(count(k + 6), "10");
  // Escape at the number or at the question adds nothing and rolls nothing.
  scripted::reset();
  const int e = static_cast<int>(screen.snaps.size());
  EXPECT_EQ(run("1\03315\r\033Gx"),
            dialog_status::done);  // G on an empty list: nothing
  EXPECT_EQ(script_text(), script(items));
  EXPECT_EQ(count(e + 2) + count(e + 6), "00");
  EXPECT_EQ(screen.row(e + 2, 25), " Enter your choice :");
  EXPECT_EQ(scripted::draws, 0);
}
