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

// Start-up names a missing or bad file, and then nothing stays loaded; its
// note counts the entries after the counts and says when no settings are
// saved yet, which is no fault.
TEST_F(InFolder, LoadsTheFilesOrSaysWhichIsMissingOrBad) {
  const char *mon = "2 A _ 1 0 B _ 1 0", *are = "1 Cave 1 2 3 4 5";
  const std::string fresh =
                        "No saved settings yet: starting with the defaults.",
                    check = "; hoardex check shows where.";
  // `loaded`: 10 * monsters + lairs; a failure leaves the tables as they were
  // (no monsters, two lairs).
  // clang-format off
  const struct { const char *monster, *area, *setup, *err, *saved; int loaded; std::string note; } cases[] = {
      {mon, nullptr, nullptr, "Cannot open area information file!\nMake sure 'area.hxi' is in current directory.\n", nullptr, 2, ""},
      {"2 A _ 1 0 B _ 1", are, nullptr, "monster.hxi: monster 2 of 2 is cut short by the end of the file\n", nullptr, 2, ""},
      {mon, are, "hoard\n1 0 7 9 12\n0 0 0 -2147483392\n3 4 9999\n", "", "hoard\n1 0 7 9 12\n0 0 0 256\n3 4 9999\n", 21, ""},
      {mon, are, nullptr, "", DEFAULTS, 21, fresh},
      {"1 A _ 1 0 B _ 1 0x2 0 _ C _ 2", "1 Cave 1 2 3 4 5 Hut 1", nullptr, "", DEFAULTS, 11, "Left out after the counts: 2 monsters, 1 lair" + check + "\n" + fresh},
      {"1 A _ 1 0 B", are, DEFAULTS, "", DEFAULTS, 11, "1 monster after the count was left out" + check},
      {"1 A _ 1 0", are, DEFAULTS, "", DEFAULTS, 11, ""},
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
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.err) << c.monster;
    EXPECT_EQ(note, c.note) << c.monster;
    EXPECT_EQ(r, c.saved ? dialog_status::done : dialog_status::failed)
        << c.monster;
    EXPECT_EQ(tables.monster_count * 10 + tables.area_count, c.loaded)
        << c.monster;
    if (!c.saved) continue;
    EXPECT_STREQ(game.comment, " ");
    ASSERT_EQ(save_settings("check", config), 0);
    EXPECT_EQ(slurp("check"), c.saved);
  }
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
