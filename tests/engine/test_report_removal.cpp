// Taking a report out of the output file, and appends that race with it.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "engine_env.h"

namespace {

std::string report(const std::string &name) {
  return REPORT_RULE + "Monster    : " + name + "\n\n-----\n\n";
}

// The files of the folder: a removal leaves no temporary file behind.
auto files_here = [] {
  return std::distance(std::filesystem::directory_iterator("."), {});
};

using Removal = EngineEnv;

}  // namespace

TEST_F(Removal, ExactlyTheReportGoesAndTheRestStaysByteForByte) {
  const std::string parts[] = {"notes\n", report("A"), report("B"),
                               report("C")};
  for (int gone = 0; gone < 4; ++gone) {
    std::string text, rest;
    long long at = 0;
    for (int i = 0; i < 4; ++i) {
      if (i < gone) at += static_cast<long long>(parts[i].size());
      text += parts[i];
      if (i != gone) rest += parts[i];
    }
    spit("default.hxo", text);
    chmod("default.hxo", 0640);
    std::string error;
    EXPECT_EQ(remove_report("default.hxo", at, parts[gone], error),
              removal::done)
        << error;
    EXPECT_EQ(output(), rest);
    struct stat st {};
    EXPECT_EQ(stat("default.hxo", &st) == 0 ? st.st_mode & 0777 : 0, 0640u);
    EXPECT_EQ(files_here(), 1);
  }

  // Not the bytes shown at that place: nothing is done.
  const std::string text = report("A") + report("B");
  const long long b = static_cast<long long>(report("A").size());
  std::string error;
  for (auto [at, bytes] : {std::pair(b, report("C")),
                           {b - 1, report("B")},
                           {b + 1, report("B")},
                           {b, report("B") + "x"}}) {
    spit("default.hxo", text);
    EXPECT_EQ(remove_report("default.hxo", at, bytes, error), removal::changed);
    EXPECT_EQ(output(), text);
  }
  EXPECT_EQ(remove_report("none.hxo", 0, "x", error), removal::changed);

  // A failed write of the new file, and a link, leave the file as it was.
  rlimit old{}, small{10, (getrlimit(RLIMIT_FSIZE, &old), old.rlim_max)};
  std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_EQ(remove_report("default.hxo", 0, report("A"), error),
            removal::failed);
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(error, std::strerror(EFBIG));
  ASSERT_EQ(symlink("default.hxo", "link.hxo"), 0);
  EXPECT_EQ(remove_report("link.hxo", 0, report("A"), error), removal::failed);
  EXPECT_EQ(error, "it is a link");
  EXPECT_EQ(output(), text);
  EXPECT_EQ(files_here(), 2);
}

// An append opened before the removal renamed a new file over the old one
// goes to the new file. A second process appends reports while this one
// removes others: every appended report is in the file at the end, and
// none of the removed ones.
TEST_F(Removal, AppendsDuringARemovalAreKept) {
  spit("default.hxo", report("old") + report("gone"));
  int fd = open_output("default");
  std::string error;
  ASSERT_EQ(
      remove_report("default.hxo", report("old").size(), report("gone"), error),
      removal::done);
  EXPECT_TRUE(append_report(fd, "default.hxo", report("late")));
  EXPECT_EQ(output(), report("old") + report("late"));

  std::string seeded, appended;
  for (int i = 0; i < 40; ++i) seeded += report("seed" + std::to_string(i));
  spit("default.hxo", seeded);
  constexpr int APPENDS = 200;
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {  // opens, gives the other process a moment, appends
    int failed = 0;
    for (int i = 0; i < APPENDS; ++i) {
      int out = open_output("default");
      usleep(i % 3 * 500);
      failed += !append_report(out, "default.hxo",
                               report("child" + std::to_string(i)));
    }
    _exit(failed);
  }
  for (int i = 0; i < APPENDS; ++i)
    appended += report("child" + std::to_string(i));
  for (int i = 0; i < 40; ++i) {  // the seeds, newest first
    std::string seed = report("seed" + std::to_string(39 - i));
    std::string now = output();
    long long at = static_cast<long long>(now.find(seed));
    ASSERT_GE(at, 0);
    EXPECT_EQ(remove_report("default.hxo", at, seed, error), removal::done);
  }
  int status = -1;
  waitpid(child, &status, 0);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(output() == appended) << "reports lost or removed ones kept";
}
