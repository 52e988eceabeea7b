// Two copies of the program in one folder: a long manual report paged by one
// while the other generates keeps reading the script it wrote.
#include <sys/wait.h>
#include <unistd.h>

#include "dice.h"
#include "ui_env.h"

namespace {

// Stops at the first page pause of a report until the test lets it go on.
struct pausing_screen : memory_screen {
  int paused = -1;  // written when the pause is reached
  int resume = -1;  // read before going on
  int read_key() override {
    if (paused >= 0 && line(25).find("Hit any key") != std::string::npos) {
      char c = 'p';
      if (::write(paused, &c, 1) != 1 || ::read(resume, &c, 1) != 1) _exit(2);
      paused = -1;
    }
    return memory_screen::read_key();
  }
};

using TwoCopies = UiEnv;

}  // namespace

TEST_F(TwoCopies, AGenerationReadsOnlyTheScriptItWrote) {
  std::string keys;  // 2,000 items of the lair, then G and a key a page
  for (int i = 0; i < 20; ++i) keys += "1100\rn\r";
  keys += "G" + std::string(600, ' ');
  auto manual_report = [&](pausing_screen &pager) {
    pager.push_keys(keys);
    set_screen(&pager);
    seed_dice(11);
    manual_generation(game);
  };
  pausing_screen alone;
  manual_report(alone);
  const std::string expected = output();
  ASSERT_GT(slurp(SCRIPT_PATH).size(), 16u << 10);  // read in more than a piece
  spit("default.hxo", "");

  int paused[2], resume[2];
  ASSERT_EQ(pipe(paused) | pipe(resume), 0);
  std::fflush(nullptr);
  pid_t pager_copy = fork();
  if (pager_copy == 0) {
    pausing_screen paging;
    paging.paused = paused[1], paging.resume = resume[0];
    manual_report(paging);
    _exit(0);
  }
  char c;
  ASSERT_EQ(read(paused[0], &c, 1), 1);
  set_screen(&screen);
  screen.push_keys("  ");
  generate_automatic(game);  // a short script over the same temp.hxs
  ASSERT_EQ(write(resume[1], &c, 1), 1);
  int status = -1;
  waitpid(pager_copy, &status, 0);
  EXPECT_EQ(status, 0);
  const std::string both = output();
  ASSERT_GT(both.size(), expected.size());
  EXPECT_EQ(both.substr(both.size() - expected.size()), expected);
  for (int fd : {paused[0], paused[1], resume[0], resume[1]}) close(fd);
}
