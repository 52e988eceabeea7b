// Random items of every treasure category, many of them: each category
// routine keeps its contract for any roll (a whole, non-empty text of lines
// whose count it returns, inside the result buffer), and the interpreter
// turns long scripts of random items into well-formed reports. Run under the
// sanitizer build, this is where a table that reads or writes out of bounds
// for some rare roll shows up.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dice.h"
#include "dispatch.h"
#include "engine.h"
#include "hoardex.h"
#include "infofiles.h"
#include "screen.h"

namespace {

constexpr int ITEMS = 100000;

// The keywords a writer may put in an item of each category: the entry
// keyword first, then those that force a row.
struct category {
  int code;
  const char *name;
  std::vector<std::vector<const char *>> items;
};

const std::vector<category> &categories() {
  static const std::vector<category> all = {
      {1, "other", {{"L1_OTHER"}, {"L2_CLOTHING"}}},
      {2, "coins", {{"L1_COINS"}}},
      {3,
       "gems",
       {{"L1_GEMJJ"},
        {"L2_GEM"},
        {"L2_JEWEL"},
        {"L2_JEWELRY"},
        {"L2_JEWEL", "LARGE"},
        {"LARGE", "L1_GEMJJ"}}},
      {4, "military", {{"L1_MILIT"}, {"L2_WEAPON", "ONE_ONLY"}}},
      {5, "magic", {{"L1_MAGIC"}, {"L1_MAGIC", "ELDER"}, {"L3_MAGICWEAPON"}}},
      {6, "metal", {{"L1_METAL"}, {"L1_METAL", "GOLD"}}},
  };
  return all;
}

bool printable_text(const char *s, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c != '\n' && (c < 32 || c > 126)) return false;
  }
  return true;
}

// The numbers line of a script: CDF, group CDF, jeweler EL, Station.
struct numbers {
  int cdf, max_cdf, jew_el, stat;
};

numbers random_numbers() {
  return {1 + std::rand() % 99, 1 + std::rand() % 99, std::rand() % 81,
          std::rand() % 12 - 1};
}

// Every category routine, straight from the dispatch, with the keywords of
// its items applied to freshly rolled dice.
TEST(RandomItems, EveryCategoryKeepsTheRoutineContract) {
  all_dice dice{};
  Dice = &dice;
  std::srand(7);
  for (const category &c : categories()) {
    int worst_len = 0;
    for (int i = 0; i < ITEMS; ++i) {
      roll_dice(&dice);
      const auto &item = c.items[i % c.items.size()];
      int code = 0;
      for (const char *kw : item) code = apply_keyword(kw, code, &dice);
      ASSERT_EQ(code, c.code) << c.name;
      numbers n = random_numbers();
      std::memset(con_trs_txt, 'x', TRS_TXT_SIZE);
      con_trs_txt[0] = '\0';
      int lines = decode_trscode(code, n.cdf, n.max_cdf, n.jew_el, n.stat);
      const char *end =
          static_cast<const char *>(std::memchr(con_trs_txt, 0, TRS_TXT_SIZE));
      ASSERT_NE(end, nullptr) << c.name << " item " << i << " not terminated";
      std::size_t len = end - con_trs_txt;
      // A text that reaches the last byte may have been cut.
      ASSERT_LT(len, static_cast<std::size_t>(TRS_TXT_SIZE - 1))
          << c.name << " item " << i << " filled the buffer";
      ASSERT_GT(len, 0u) << c.name << " item " << i << " has no text";
      ASSERT_EQ(con_trs_txt[len - 1], '\n') << c.name << ": " << con_trs_txt;
      ASSERT_TRUE(printable_text(con_trs_txt, len))
          << c.name << ": " << con_trs_txt;
      ASSERT_EQ(lines,
                std::count(static_cast<const char *>(con_trs_txt), end, '\n'))
          << c.name << " line count of: " << con_trs_txt;
      worst_len = std::max(worst_len, static_cast<int>(len));
    }
    RecordProperty(std::string("longest_") + c.name, worst_len);
  }
  Dice = nullptr;
}

// A screen where a key is always at hand, for reports of many pages.
class AnyKeyScreen : public MemScreen {
 public:
  int read_key() override {
    ++reads;
    return ' ';
  }
  long reads = 0;
};

std::string read_all(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A script of ITEMS random items, of every category and every keyword
// variant, through the interpreter: one report, its heading and closing line
// in place, every byte a printable character or a line end, and at least one
// line of text for every item.
TEST(RandomItems, TheInterpreterReportsALongScriptOfEveryCategory) {
  char tmpl[] = "/tmp/hoardex-random-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  char old_cwd[4096];
  ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
  ASSERT_EQ(chdir(tmpl), 0);
  char err[256];
  FILE *f = std::fopen(HOARDEX_DATA_DIR "/monster.hxi", "r");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(load_monsters(f, "monster.hxi", err, sizeof err), 0) << err;
  std::fclose(f);
  f = std::fopen(HOARDEX_DATA_DIR "/area.hxi", "r");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(load_areas(f, "area.hxi", err, sizeof err), 0) << err;
  std::fclose(f);
  default_settings();
  all_dice dice{};
  Dice = &dice;
  std::srand(11);

  numbers n = random_numbers();
  std::string script = "1 1 2024\n1 1 1\n[POS: x\n[COM: y\n----------\n";
  script += "0 89 " + std::to_string(n.cdf) + " " + std::to_string(n.max_cdf) +
            " " + std::to_string(n.jew_el) + " " + std::to_string(n.stat) +
            "\n----------\nMANUAL-GENERATION\n";
  std::vector<int> per_category(7, 0);
  for (int i = 0; i < ITEMS; ++i) {
    const category &c = categories()[std::rand() % categories().size()];
    ++per_category[c.code];
    script += "<";
    for (const char *kw : c.items[std::rand() % c.items.size()]) {
      script += ' ';
      script += kw;
    }
    script += " >\n";
  }
  script += "END-OF-SECTION\n";
  for (const category &c : categories())
    ASSERT_GT(per_category[c.code], ITEMS / 10) << c.name;
  std::ofstream("temp.hxs") << script;

  AnyKeyScreen screen;
  set_screen(&screen);
  run_script_con(18);
  set_screen(nullptr);

  std::string report = read_all("default.hxo");
  const std::string heading = "Manual Treasure Generation :\n\n";
  std::size_t body = report.find(heading);
  ASSERT_EQ(report.find(std::string(75, '-') + "\n\n"), 0u);
  ASSERT_NE(body, std::string::npos);
  ASSERT_EQ(report.find(std::string(75, '-'), 1), std::string::npos)
      << "more than one report";
  ASSERT_EQ(report.compare(report.size() - 8, 8, "\n-----\n\n"), 0);
  body += heading.size();
  std::size_t body_end = report.size() - 8;
  ASSERT_TRUE(printable_text(report.data() + body, body_end - body));
  long lines =
      std::count(report.begin() + body, report.begin() + body_end, '\n');
  EXPECT_GE(lines, ITEMS) << "items without text";
  // A page holds at most the 20 body rows; each filled one waited for a key.
  EXPECT_GE(screen.reads, lines / 20);
  EXPECT_NE(screen.line(25).find("Hit any key to continue."),
            std::string::npos);

  Dice = nullptr;
  free_monsters();
  ASSERT_EQ(chdir(old_cwd), 0);
  ASSERT_EQ(std::system((std::string("rm -rf ") + tmpl).c_str()), 0);
}

}  // namespace
