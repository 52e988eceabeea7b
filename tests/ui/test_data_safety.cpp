// An output or settings file that cannot be written whole.
#include <cstring>

#include "ui_env.h"

namespace {

const std::string OUTPUT_MSG =
    "Cannot write output file! Treasure generation failed. Hit any key.";

using Safety = UiEnv;

// A folder, /dev/full and a file at its size limit as the output: each fails
// with the message; with room again the next report follows the earlier ones.
TEST_F(Safety, AnOutputThatCannotBeWrittenKeepsTheEarlierReports) {
  const std::string earlier = "earlier reports\n" + std::string(3000, 'x');
  spit("limit.hxo", earlier);
  std::filesystem::create_directory("default.hxo");
  std::filesystem::create_symlink("/dev/full", "full.hxo");
  std::string texts;  // a report of about 4 KB, longer than the room left
  for (int i = 0; i < 400; ++i) texts += "[ new " + std::to_string(i) + "\n]\n";
  spit("temp.hxs", script_head("0 89 5 5 10 -1 0") + "MANUAL-GENERATION\n" +
                       texts + "[ new end\n]\nEND-OF-SECTION\n");
  for (const char *name : {"default", "full", "limit"}) {
    std::strcpy(config.output_name, name);
    testing::internal::CaptureStderr();
    {
      SizeLimit room(earlier.size() + 200);
      show_script();
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), OUTPUT_MSG + "\n")
        << name;
    EXPECT_EQ(screen.row(-1, 25), " " + OUTPUT_MSG) << name;
  }
  EXPECT_EQ(slurp("limit.hxo"), earlier);
  EXPECT_TRUE(std::filesystem::is_empty("default.hxo"));
  show_script();  // room again
  const std::string now = slurp("limit.hxo");
  EXPECT_EQ(now.rfind(earlier + REPORT_RULE, 0), 0u);
  EXPECT_NE(now.find("\nnew end\n", earlier.size()), std::string::npos);
}

TEST_F(Safety, AFailedSettingsSaveLeavesTheOldFileWholeAndNoTemporaryFile) {
  const std::string old = "mine\n3 2 40 60 12\n5 20 30 256\n14 7 1203\n";
  spit("setup.hxi", old);
  screen.push_keys("yk");
  {
    SizeLimit room(20);  // a part of the new settings fits
    EXPECT_EQ(ask_save_and_exit(game), dialog_status::failed);
  }
  EXPECT_EQ(screen.row(-1, 25), " Cannot save current settings! Hit any key.");
  EXPECT_EQ(slurp("setup.hxi"), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

}  // namespace
