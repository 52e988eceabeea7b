// The user's files when the disk fails them: an output or settings file that
// cannot be written whole, and two programs appending to one output at once.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "ui_env.h"

namespace {

const std::string OUTPUT_MSG =
    "Cannot write output file! Treasure generation failed. Hit any key.";

// A manual script of texts "<tag> <i>" for i below `texts`, then "<tag> end".
std::string script(const std::string &tag, int texts) {
  std::string s =
      "1 2 2024\n1 1 1\n[POS: \n[COM: \n----------\n"
      "0 89 5 5 10 -1 0\n----------\nMANUAL-GENERATION\n";
  for (int i = 0; i < texts; ++i)
    s += "[ " + tag + " " + std::to_string(i) + "\n]\n";
  return s + "[ " + tag + " end\n]\nEND-OF-SECTION\n";
}

// A file size limit stands in for a full disk while it lives.
struct SizeLimit {
  explicit SizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small{bytes, old.rlim_max};
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  }
  ~SizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
  rlimit old{};
};

using Safety = UiEnv;

// A folder, /dev/full and a file at its size limit as the output: each fails
// with the message; with room again the next report follows the earlier ones.
TEST_F(Safety, AnOutputThatCannotBeWrittenKeepsTheEarlierReports) {
  const std::string earlier = "earlier reports\n" + std::string(3000, 'x');
  spit("limit.hxo", earlier);
  std::filesystem::create_directory("default.hxo");
  std::filesystem::create_symlink("/dev/full", "full.hxo");
  spit("temp.hxs", script("new", 400));
  for (const char *name : {"default", "full", "limit"}) {
    std::strcpy(config.output_name, name);
    testing::internal::CaptureStderr();
    {
      SizeLimit room(earlier.size() + 200);
      show_generation(ss);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), OUTPUT_MSG + "\n")
        << name;
    EXPECT_EQ(screen.row(-1, 25), " " + OUTPUT_MSG) << name;
  }
  EXPECT_EQ(slurp("limit.hxo"), earlier);
  EXPECT_TRUE(std::filesystem::is_empty("default.hxo"));
  show_generation(ss);  // room again
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
    EXPECT_EQ(ask_save_and_exit(ss), 0);
  }
  EXPECT_EQ(screen.row(-1, 25), " Cannot save current settings! Hit any key.");
  EXPECT_EQ(slurp("setup.hxi"), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

// Two processes append long reports to one output at once: never mixed.
TEST_F(Safety, TwoProgramsNeverInterleaveTheirReports) {
  constexpr int ROUNDS = 2;
  spit("a.hxs", script("alpha", 2000));
  spit("b.hxs", script("bravo", 2000));
  std::string reports[2];
  for (int k = 0; k < 2; ++k) {  // each report as a process writes it alone
    spit("default.hxo", "");
    show_generation(ss, k == 0 ? "a.hxs" : "b.hxs");
    reports[k] = output();
  }
  spit("default.hxo", "");
  for (int round = 0; round < ROUNDS; ++round) {
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::fflush(nullptr);
    pid_t kids[2];
    for (int k = 0; k < 2; ++k) {
      if ((kids[k] = fork()) != 0) continue;
      close(gate[1]);
      char c;
      if (read(gate[0], &c, 1) != 0) _exit(91);  // both start as it closes
      show_generation(ss, k == 0 ? "a.hxs" : "b.hxs");
      _exit(screen.row(-1, 25) == " Hit any key to continue." ? 0 : 1);
    }
    close(gate[0]), close(gate[1]);
    for (pid_t kid : kids) {
      int status = 0;
      waitpid(kid, &status, 0);
      EXPECT_EQ(status, 0);
    }
  }
  const std::string all = output();
  int count[2] = {0, 0};
  for (std::size_t at = 0; at < all.size();) {
    int k = all.compare(at, reports[0].size(), reports[0]) == 0 ? 0 : 1;
    ASSERT_EQ(all.compare(at, reports[k].size(), reports[k]), 0)
        << "a mixed report at byte " << at;
    at += reports[k].size();
    ++count[k];
  }
  EXPECT_EQ(std::pair(count[0], count[1]), std::pair(ROUNDS, ROUNDS));
}

}  // namespace
