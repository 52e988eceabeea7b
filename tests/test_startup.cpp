// Start-up from the current folder (missing and malformed files, the
// default settings) and the save and exit questions.
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

const char SETUP_MSG[] =
    "Cannot open setup information file!\n"
    "Make sure 'setup.hxi' is in current directory.";

// Runs the test inside a fresh folder, the program's current directory.
class InFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/hxstartXXXXXX";
    dir_ = mkdtemp(tmpl);
    old_ = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(dir_.c_str()), 0);
  }
  void TearDown() override {
    set_screen(nullptr);
    free_monsters();
    EXPECT_EQ(chdir(old_), 0);
    std::free(old_);
    std::system(("rm -rf '" + dir_ + "'").c_str());
  }
  static void put(const char *name, const std::string &text) {
    std::ofstream(name) << text;
  }
  static std::string get(const char *name) {
    std::ifstream in(name);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  // Loads the files, returning the result and what went to the error stream.
  static int load(std::string *err) {
    testing::internal::CaptureStderr();
    int r = load_info_files();
    *err = testing::internal::GetCapturedStderr();
    return r;
  }
  std::string dir_;
  char *old_ = nullptr;
};

TEST_F(InFolder, MissingSettingsTakeTheDefaults) {
  put("monster.hxi", "2 A _ 1 0 B _ 1 0\n");
  put("area.hxi", "2 Cave 1 2 3 4 5 Den 1 2 3 4 5\n");
  info.c_CDF = 50;
  std::snprintf(output_name, sizeof output_name, "%s", "other");
  std::snprintf(pos_txt, sizeof pos_txt, "%s", "somewhere");
  std::string err;
  EXPECT_EQ(load(&err), 0);
  EXPECT_EQ(err, SETUP_MSG);
  EXPECT_EQ(max_mon, 2);
  EXPECT_EQ(max_area, 2);
  EXPECT_STREQ(output_name, "default");
  EXPECT_STREQ(script_name, "temp");
  EXPECT_STREQ(pos_txt, " ");
  EXPECT_STREQ(comm_txt, " ");
  EXPECT_EQ(info.c_mon, 0);
  EXPECT_EQ(info.c_area, 0);
  EXPECT_EQ(info.c_CDF, 1);
  EXPECT_EQ(info.max_CDF, 1);
  EXPECT_EQ(info.c_JewEL, 0);
  EXPECT_EQ(info.c_mon_Stat + info.c_mon_MEL + info.c_mon_CEL, 0);
  EXPECT_EQ(info.other_mon, 0u);
  EXPECT_EQ(info.gd_day, 1);
  EXPECT_EQ(info.gd_month, 1);
  EXPECT_EQ(info.gd_year, 1);
}

TEST_F(InFolder, SettingsAreReadWhenPresent) {
  put("monster.hxi", "2 A _ 1 0 B _ 1 0\n");
  put("area.hxi", "1 Cave 1 2 3 4 5\n");
  put("setup.hxi", "hoard\n1 0 7 9 12\n0 0 0 16\n3 4 5\n");
  std::string err;
  EXPECT_EQ(load(&err), 0);
  EXPECT_EQ(err, "");
  EXPECT_STREQ(output_name, "hoard");
  EXPECT_EQ(info.c_mon, 1);
  EXPECT_EQ(info.c_JewEL, 12);
  EXPECT_EQ(info.other_mon, 16u);
}

TEST_F(InFolder, MalformedFilesGiveOneLineNamingTheFile) {
  put("monster.hxi", "2 A _ 1 0 B _ 1\n");
  put("area.hxi", "1 Cave 1 2 3 4 5\n");
  std::string err;
  EXPECT_EQ(load(&err), 1);
  EXPECT_EQ(err,
            "monster.hxi: monster 2 of 2 is cut short by the end of the "
            "file\n");
  put("monster.hxi", "1 A _ 1 0\n");
  put("area.hxi", "1 Cave 1 2 3 4\n");
  EXPECT_EQ(load(&err), 1);
  EXPECT_EQ(err, "area.hxi: area 1 of 1 is cut short by the end of the file\n");
  EXPECT_EQ(max_mon, 0);  // nothing stays loaded
}

TEST_F(InFolder, SaveQuestionWritesTheDefaultLines) {
  default_settings();
  MemScreen s;
  set_screen(&s);
  s.push_keys("xyY");
  EXPECT_EQ(exit_and_save(), 1);
  EXPECT_EQ(get("setup.hxi"), "default\n0 0 1 1 0\n0 0 0 0\n1 1 1\n");
  // The save question is wiped before the exit question.
  EXPECT_EQ(s.line(25), " Do you want to exit the program? (y/n) : " +
                            std::string(38, ' '));
}

TEST_F(InFolder, SaveAndExitAnswers) {
  default_settings();
  {
    // "n" saves nothing; any key but "y" at the exit question stays.
    MemScreen s;
    set_screen(&s);
    s.push_keys("nq");
    EXPECT_EQ(exit_and_save(), 0);
    EXPECT_EQ(s.keys_left(), 0u);
  }
  {
    // Escape at the save question returns at once: no exit question.
    MemScreen s;
    set_screen(&s);
    s.push_key(KEY_ESC);
    s.push_keys("y");
    EXPECT_EQ(exit_and_save(), 0);
    EXPECT_EQ(s.keys_left(), 1u);
    EXPECT_EQ(s.line(25).substr(0, 51),
              " Do you want to save the current settings? (y/n) : ");
  }
  {
    // Keys other than y, n and Escape are ignored at the save question.
    MemScreen s;
    set_screen(&s);
    s.push_keys("a7");
    s.push_key(KEY_CR);
    s.push_keys("Ny");
    EXPECT_EQ(exit_and_save(), 1);
  }
  EXPECT_EQ(access("setup.hxi", F_OK), -1);
}

TEST_F(InFolder, FailedSaveShowsTheMessageAndKeepsTheOldFile) {
  default_settings();
  put("setup.hxi", "old\n0 0 5 5 5\n0 0 0 0\n2 2 2\n");
  // A folder where the temporary file would go makes the save fail.
  std::string tmp = "setup.hxi." + std::to_string(getpid()) + ".tmp";
  ASSERT_EQ(mkdir(tmp.c_str(), 0755), 0);
  MemScreen s;
  set_screen(&s);
  s.push_keys("yky");
  EXPECT_EQ(exit_and_save(), 0);
  EXPECT_EQ(s.line(25), " Cannot save current settings! Hit any key." +
                            std::string(37, ' '));
  EXPECT_EQ(s.keys_left(), 1u);  // one key awaited, then back to the menu
  EXPECT_EQ(get("setup.hxi"), "old\n0 0 5 5 5\n0 0 0 0\n2 2 2\n");
  EXPECT_EQ(info.c_CDF, 1);  // the settings in memory are unchanged
}

TEST_F(InFolder, ReadOnlyFolderKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  default_settings();
  put("setup.hxi", "old\n");
  ASSERT_EQ(chmod(".", 0555), 0);
  EXPECT_EQ(save_settings("setup.hxi"), 1);
  chmod(".", 0755);
  EXPECT_EQ(get("setup.hxi"), "old\n");
}

}  // namespace
