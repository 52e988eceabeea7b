// What happens to the user's files when the disk or the folder fails them:
// an output file that cannot be opened or written, a settings file that
// cannot be saved, and two programs appending to one output file at once.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine.h"
#include "hoardex.h"
#include "infofiles.h"
#include "screen.h"

namespace {

const char OUTPUT_MSG[] =
    "Cannot write output file! Treasure generation failed. Hit any key.";
const char SAVE_MSG[] = "Cannot save current settings! Hit any key.";
const std::string OPENING = std::string(75, '-') + "\n\n";
constexpr uid_t NOBODY = 65534;

std::string read_all(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void write_all(const std::string &path, const std::string &text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A fresh folder that is the current directory for the test's life, with the
// sample tables loaded and the default settings.
class SafetyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/hoardex-safety-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    ASSERT_NE(getcwd(old_cwd_, sizeof old_cwd_), nullptr);
    ASSERT_EQ(chdir(dir_.c_str()), 0);
    char err[256];
    std::string data = HOARDEX_DATA_DIR;
    FILE *f = std::fopen((data + "/monster.hxi").c_str(), "r");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(load_monsters(f, "monster.hxi", err, sizeof err), 0) << err;
    std::fclose(f);
    f = std::fopen((data + "/area.hxi").c_str(), "r");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(load_areas(f, "area.hxi", err, sizeof err), 0) << err;
    std::fclose(f);
    default_settings();
    Dice = &dice_;
    set_screen(&screen_);
  }

  void TearDown() override {
    set_screen(nullptr);
    Dice = nullptr;
    free_monsters();
    ASSERT_EQ(chdir(old_cwd_), 0);
    std::string cmd = "chmod -R u+w '" + dir_ + "'; rm -rf '" + dir_ + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
  }

  // A manual script of `items` items, each after a literal text naming it
  // with `tag`, so the report shows whose it is and whether it is whole.
  static std::string script(const std::string &tag, int items) {
    std::string s =
        "1 2 2024\n1 1 1\n[POS: here\n[COM: now\n----------\n"
        "0 89 5 5 10 -1\n----------\nMANUAL-GENERATION\n";
    static const char *const kinds[] = {"L1_OTHER", "L1_GEMJJ", "L1_MILIT",
                                        "L1_MAGIC", "L1_METAL", "L1_COINS"};
    for (int i = 0; i < items; ++i) {
      s += "[ " + tag + " " + std::to_string(i) + "\n]\n";
      s += std::string("< ") + kinds[i % 6] + " >\n";
    }
    s += "[ " + tag + " end\n]\nEND-OF-SECTION\n";
    return s;
  }

  // Runs the interpreter on a script; returns what it wrote to the standard
  // error stream.
  std::string run(const std::string &text) {
    write_all(std::string(script_name) + ".hxs", text);
    testing::internal::CaptureStderr();
    run_script_con(18);
    return testing::internal::GetCapturedStderr();
  }

  // Runs fn in a child process as the user nobody, where folder permissions
  // hold (root passes them). Returns the child's exit status.
  static int as_nobody(void (*fn)()) {
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
      if (getuid() == 0 && (setgid(NOBODY) != 0 || setuid(NOBODY) != 0))
        _exit(90);
      if (!std::freopen("/dev/null", "w", stderr)) _exit(92);
      fn();
      _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
  }

  std::string dir_;
  char old_cwd_[4096];
  all_dice dice_{};
  MemScreen screen_;
};

// ------------------------------------------------------------ the output

// The disk fills during the append: the file size limit stands in for the
// disk, so the earlier reports fit and the new one does not.
TEST_F(SafetyTest, AFullDiskKeepsTheEarlierReportsWhole) {
  EXPECT_EQ(run(script("first", 5)), "");
  EXPECT_EQ(run(script("second", 5)), "");
  std::string earlier = read_all("default.hxo");
  ASSERT_EQ(earlier.find(OPENING), 0u);
  ASSERT_NE(earlier.find(OPENING, 1), std::string::npos);

  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  struct rlimit small = old;
  small.rlim_cur = earlier.size() + 200;
  auto old_handler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string err = run(script("third", 400));
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, old_handler);

  EXPECT_EQ(err, OUTPUT_MSG);
  EXPECT_NE(screen_.line(25).find(OUTPUT_MSG), std::string::npos);
  EXPECT_EQ(read_all("default.hxo"), earlier);

  // Room again: the next report is appended after the earlier ones.
  EXPECT_EQ(run(script("fourth", 2)), "");
  std::string now = read_all("default.hxo");
  EXPECT_EQ(now.compare(0, earlier.size(), earlier), 0);
  EXPECT_NE(now.find("fourth end", earlier.size()), std::string::npos);
}

TEST_F(SafetyTest, AReadOnlyFolderIsReported) {
  write_all("temp.hxs", script("a", 2));
  ASSERT_EQ(chmod("temp.hxs", 0644), 0);
  ASSERT_EQ(chmod(".", 0555), 0);
  int status = as_nobody([] {
    MemScreen screen;
    set_screen(&screen);
    run_script_con(18);
    bool shown = screen.line(25).find(OUTPUT_MSG) != std::string::npos;
    _exit(shown ? 0 : 1);
  });
  EXPECT_EQ(status, 0) << "the message did not reach the prompt line";
  EXPECT_NE(access("default.hxo", F_OK), 0);
}

TEST_F(SafetyTest, AReadOnlyOutputKeepsItsReports) {
  EXPECT_EQ(run(script("first", 4)), "");
  std::string earlier = read_all("default.hxo");
  ASSERT_EQ(chmod("default.hxo", 0444), 0);
  ASSERT_EQ(chmod(".", 0755), 0);
  int status = as_nobody([] {
    MemScreen screen;
    set_screen(&screen);
    run_script_con(18);
    _exit(screen.line(25).find(OUTPUT_MSG) != std::string::npos ? 0 : 1);
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(read_all("default.hxo"), earlier);
}

// --------------------------------------------------------- the settings

const char OLD_SETUP[] = "mine\n3 2 40 60 12\n5 20 30 256\n14 7 1203\n";

TEST_F(SafetyTest, ASaveIntoAReadOnlyFolderLeavesTheOldSettings) {
  write_all("setup.hxi", OLD_SETUP);
  ASSERT_EQ(chmod("setup.hxi", 0644), 0);
  ASSERT_EQ(chmod(".", 0555), 0);
  int status = as_nobody([] {
    info.c_CDF = 99;
    MemScreen screen;
    screen.push_keys("y");
    set_screen(&screen);
    int left = exit_and_save();
    _exit(left == 0 && screen.line(25).find(SAVE_MSG) == 1 ? 0 : 1);
  });
  EXPECT_EQ(status, 0) << "the failure was not shown on the prompt line";
  EXPECT_EQ(read_all("setup.hxi"), OLD_SETUP);
  EXPECT_EQ(std::system("test $(ls -A | wc -l) -eq 1"), 0)
      << "a temporary file was left behind";
}

TEST_F(SafetyTest, ASaveOnAFullDiskLeavesTheOldSettings) {
  write_all("setup.hxi", OLD_SETUP);
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto old_handler = signal(SIGXFSZ, SIG_IGN);
  // Room for no byte, then for half the file: both saves fail.
  for (rlim_t room : {rlim_t{0}, rlim_t{20}}) {
    struct rlimit small = old;
    small.rlim_cur = room;
    info.c_CDF = 99;
    screen_.push_keys("y ");
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int left = exit_and_save();
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(screen_.line(25).find(SAVE_MSG), 1u);
    EXPECT_EQ(read_all("setup.hxi"), OLD_SETUP);
    EXPECT_EQ(std::system("test $(ls -A | wc -l) -eq 1"), 0)
        << "a temporary file was left behind";
  }
  signal(SIGXFSZ, old_handler);
}

// ------------------------------------------------------ two programs at once

// Two processes interpret long scripts against one output file at the same
// moment, several times over. Each report must be one whole report of one
// process, its texts in order, never mixed with the other's.
TEST_F(SafetyTest, TwoProgramsNeverInterleaveTheirReports) {
  constexpr int ITEMS = 3000;
  constexpr int ROUNDS = 4;
  write_all("tempa.hxs", script("alpha", ITEMS));
  write_all("tempb.hxs", script("bravo", ITEMS));
  for (int round = 0; round < ROUNDS; ++round) {
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::fflush(nullptr);
    pid_t kids[2];
    for (int k = 0; k < 2; ++k) {
      kids[k] = fork();
      if (kids[k] == 0) {
        close(gate[1]);
        char c;
        // Both start when the gate closes.
        if (read(gate[0], &c, 1) != 0) _exit(91);
        std::snprintf(script_name, sizeof script_name, "%s",
                      k == 0 ? "tempa" : "tempb");
        MemScreen screen;
        set_screen(&screen);
        run_script_con(18);
        _exit(screen.line(25).find("Hit any key to continue.") == 1 ? 0 : 1);
      }
    }
    close(gate[0]);
    close(gate[1]);
    for (pid_t kid : kids) {
      int status = 0;
      waitpid(kid, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
  }

  std::string all = read_all("default.hxo");
  std::vector<std::string> reports;
  for (std::size_t at = 0; at < all.size();) {
    std::size_t next = all.find(OPENING, at + 1);
    if (next == std::string::npos) next = all.size();
    reports.push_back(all.substr(at, next - at));
    at = next;
  }
  ASSERT_EQ(reports.size(), 2u * ROUNDS);
  int alphas = 0;
  for (const std::string &r : reports) {
    ASSERT_EQ(r.find(OPENING), 0u);
    bool alpha = r.find("\nalpha ") != std::string::npos;
    bool bravo = r.find("\nbravo ") != std::string::npos;
    ASSERT_NE(alpha, bravo) << "a report holds texts of both programs";
    alphas += alpha;
    const std::string tag = alpha ? "alpha" : "bravo";
    std::size_t at = 0;
    for (int i = 0; i < ITEMS; ++i) {
      at = r.find("\n" + tag + " " + std::to_string(i) + "\n", at);
      ASSERT_NE(at, std::string::npos) << tag << " text " << i << " missing";
    }
    ASSERT_NE(r.find("\n" + tag + " end\n", at), std::string::npos);
    EXPECT_EQ(r.compare(r.size() - 8, 8, "\n-----\n\n"), 0);
  }
  EXPECT_EQ(alphas, ROUNDS);
}

}  // namespace
