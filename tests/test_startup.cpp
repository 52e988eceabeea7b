// Start-up from the current folder (missing and malformed files, the
// settings file or the defaults) and the save and exit questions with the
// atomic save of the settings file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "hoardex.h"
#include "infofiles.h"
#include "screen.h"

namespace {

const char DEFAULTS[] = "default\n0 0 1 1 0\n0 0 0 0\n1 1 1\n";

void put(const char *name, const char *text) {
  if (text) std::ofstream(name) << text;
}
std::string get(const char *name) {
  std::ostringstream ss;
  ss << std::ifstream(name).rdbuf();
  return ss.str();
}

// Runs each test inside a fresh folder, the program's current directory.
class InFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/hxstartXXXXXX";
    dir_ = mkdtemp(tmpl);
    ASSERT_EQ(chdir(dir_.c_str()), 0);
    default_settings();
    set_screen(&s);
  }
  void TearDown() override {
    set_screen(nullptr);
    free_monsters();
    std::system(("rm -rf " + dir_).c_str());
  }
  std::string dir_;
  MemScreen s;
};

TEST_F(InFolder, LoadsTheFilesOrSaysWhichIsMissingOrBad) {
  const char *mon = "2 A _ 1 0 B _ 1 0", *are = "1 Cave 1 2 3 4 5";
  const struct {
    const char *monster, *area, *setup, *err, *saved;
  } cases[] = {
      // clang-format off
      {nullptr, are, nullptr, "Cannot open monster information file!\nMake sure 'monster.hxi' is in current directory.", nullptr},
      {mon, nullptr, nullptr, "Cannot open area information file!\nMake sure 'area.hxi' is in current directory.", nullptr},
      {"2 A _ 1 0 B _ 1", are, nullptr, "monster.hxi: monster 2 of 2 is cut short by the end of the file\n", nullptr},
      {mon, "1 Cave 1 2 3 4", nullptr, "area.hxi: area 1 of 1 is cut short by the end of the file\n", nullptr},
      {mon, are, nullptr, "Cannot open setup information file!\nMake sure 'setup.hxi' is in current directory.", DEFAULTS},
      {mon, are, "hoard\n1 0 7 9 12\n0 0 0 -2147483392\n3 4 9999\n", "", "hoard\n1 0 7 9 12\n0 0 0 -2147483392\n3 4 9999\n"},
      // clang-format on
  };
  for (const auto &c : cases) {
    std::system("rm -f *.hxi");
    put("monster.hxi", c.monster);
    put("area.hxi", c.area);
    put("setup.hxi", c.setup);
    info.c_CDF = 50;  // replaced by the settings file or the defaults
    std::snprintf(comm_txt, sizeof comm_txt, "%s", "old");
    testing::internal::CaptureStderr();
    int r = load_info_files();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.err);
    EXPECT_EQ(r, c.saved ? 0 : 1) << c.err;
    EXPECT_EQ(max_mon, c.saved ? 2 : 0);  // nothing stays loaded on failure
    if (!c.saved) continue;
    EXPECT_STREQ(comm_txt, " ");
    ASSERT_EQ(save_settings("check"), 0);
    EXPECT_EQ(get("check"), c.saved);
  }
}

TEST_F(InFolder, SaveAndExitQuestions) {
  s.push_keys("xyY");  // other keys are ignored at the save question
  EXPECT_EQ(exit_and_save(), 1);
  EXPECT_EQ(get("setup.hxi"), DEFAULTS);
  // The save question is wiped before the exit question.
  EXPECT_EQ(s.line(25), " Do you want to exit the program? (y/n) : " +
                            std::string(38, ' '));
  put("setup.hxi", "old\n");
  s.push_keys("nq");  // "n" saves nothing; any key but "y" stays
  EXPECT_EQ(exit_and_save(), 0);
  s.push_keys("\x1by");  // Escape returns at once: no exit question
  EXPECT_EQ(exit_and_save(), 0);
  EXPECT_EQ(s.line(25).substr(0, 51),
            " Do you want to save the current settings? (y/n) : ");
  // A folder where the temporary file would go makes the save fail; the
  // message waits for one key, then the menu comes back.
  std::string tmp = "setup.hxi." + std::to_string(getpid()) + ".tmp";
  ASSERT_EQ(mkdir(tmp.c_str(), 0755), 0);
  s.push_keys("ky");
  EXPECT_EQ(exit_and_save(), 0);
  EXPECT_EQ(s.line(25), " Cannot save current settings! Hit any key." +
                            std::string(37, ' '));
  EXPECT_EQ(s.keys_left(), 1u);
  EXPECT_EQ(get("setup.hxi"), "old\n");
}

TEST_F(InFolder, SavingLeavesNoTemporaryFile) {
  ASSERT_EQ(mkdir("sub", 0755), 0);
  put("sub/keep", "x");
  EXPECT_EQ(save_settings("sub"), 1);  // the rename over a full folder fails
  EXPECT_EQ(save_settings("setup.hxi"), 0);
  EXPECT_EQ(std::system("test \"$(ls -A | tr '\\n' ' ')\" = 'setup.hxi sub '"),
            0);
}

}  // namespace
