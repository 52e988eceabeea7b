// Start-up from the current folder and the save and exit questions.
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "ui_env.h"

const char DEFAULTS[] = "default\n0 0 1 1 0\n0 0 0 0\n1 1 1\n";

struct InFolder : UiEnv {
  void SetUp() override { UiEnv::SetUp(), tables.monster_count = 0; }
  void TearDown() override { free_monsters(tables), UiEnv::TearDown(); }
};

TEST_F(InFolder, LoadsTheFilesOrSaysWhichIsMissingOrBad) {
  const char *mon = "2 A _ 1 0 B _ 1 0", *are = "1 Cave 1 2 3 4 5";
  // clang-format off
  const struct { const char *monster, *area, *setup, *err, *saved; } cases[] = {
      {mon, nullptr, nullptr, "Cannot open area information file!\nMake sure 'area.hxi' is in current directory.\n", nullptr},
      {"2 A _ 1 0 B _ 1", are, nullptr, "monster.hxi: monster 2 of 2 is cut short by the end of the file\n", nullptr},
      {mon, are, "hoard\n1 0 7 9 12\n0 0 0 -2147483392\n3 4 9999\n", "", "hoard\n1 0 7 9 12\n0 0 0 256\n3 4 9999\n"},
      {mon, are, nullptr, "", DEFAULTS},  // no settings saved yet: no fault
      // clang-format on
  };
  for (const auto &c : cases) {
    for (auto [name, text] : {std::pair{"monster.hxi", c.monster},
                              {"area.hxi", c.area},
                              {"setup.hxi", c.setup}})
      text ? spit(name, text) : void(std::filesystem::remove(name));
    config.cdf = 50, std::strcpy(game.comment, "old");  // replaced at start-up
    testing::internal::CaptureStderr();
    std::string note;
    dialog_status r = load_info_files(game, nullptr, &note);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.err);
    EXPECT_EQ(note, c.saved && !c.setup ? "No saved settings yet: starting "
                                          "with the defaults."
                                        : "");
    EXPECT_EQ(r, c.saved ? dialog_status::done : dialog_status::failed)
        << c.err;
    EXPECT_EQ(tables.monster_count,
              c.saved ? 2 : 0);  // nothing stays loaded on failure
    if (!c.saved) continue;
    EXPECT_STREQ(game.comment, " ");
    ASSERT_EQ(save_settings("check", config), 0);
    EXPECT_EQ(slurp("check"), c.saved);
  }
}

TEST_F(InFolder, EntriesAfterTheCountsAreCountedForTheFirstNote) {
  spit("monster.hxi", "1 A _ 1 0 B _ 1 0x2 0 _ C _ 2");
  spit("area.hxi", "1 Cave 1 2 3 4 5 Hut 1");
  std::string note;
  ASSERT_EQ(load_info_files(game, nullptr, &note), dialog_status::done);
  EXPECT_EQ(tables.monster_count * 10 + tables.area_count, 11);
  EXPECT_EQ(note,
            "Left out after the counts: 2 monsters, 1 lair; hoardex check "
            "shows where.\nNo saved settings yet: starting with the defaults.");
  spit("area.hxi", "1 Cave 1 2 3 4 5");
  spit("monster.hxi", "1 A _ 1 0 B");
  spit("setup.hxi", DEFAULTS);
  ASSERT_EQ(load_info_files(game, nullptr, &note), dialog_status::done);
  EXPECT_EQ(note,
            "1 monster after the count was left out; hoardex check "
            "shows where.");
  spit("monster.hxi", "1 A _ 1 0");
  ASSERT_EQ(load_info_files(game, nullptr, &note), dialog_status::done);
  EXPECT_EQ(note, "");
}

TEST_F(InFolder, SaveAndExitQuestionsAndTheAtomicSave) {
  screen.push_keys("xYY");  // other keys are ignored at the save question
  EXPECT_EQ(ask_save_and_exit(game), dialog_status::done);
  EXPECT_EQ(screen.line(24).substr(0, 76),
            " setup.hxi keeps the settings and the game date, not position "
            "and comments. ");
  EXPECT_EQ(slurp("setup.hxi"), DEFAULTS);
  // The save question is wiped before the exit question.
  EXPECT_EQ(screen.line(25), " Do you want to exit the program? (y/n) : " +
                                 std::string(38, ' '));
  spit("setup.hxi", "old\n");
  // "n" saves nothing and any key but "y" stays; Escape returns at once.
  screen.push_keys("nq\x1by");
  EXPECT_EQ(ask_save_and_exit(game), dialog_status::left);
  EXPECT_EQ(ask_save_and_exit(game), dialog_status::left);
  EXPECT_EQ(screen.line(25).substr(0, 51),
            " Do you want to save the current settings? (y/n) : ");
}
