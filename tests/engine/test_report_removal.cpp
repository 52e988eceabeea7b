// Taking a report out of the output file, and appends that race with it.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <tuple>

#include "engine_env.h"

namespace {

std::string report(const std::string &name, const char *eol = "\n") {
  std::string text = REPORT_RULE + "Monster    : " + name + "\n\n-----\n\n",
              out;
  for (char c : text) out += c == '\n' ? std::string(eol) : std::string(1, c);
  return out;
}

// The files of the folder: a removal leaves no temporary file behind.
auto files_here = [] {
  return std::distance(std::filesystem::directory_iterator("."), {});
};

// The report at begin taken out of default.hxo as it is now.
removal remove_at(long long begin, std::string &error) {
  output_file file("default.hxo");
  return remove_report("default.hxo", file, begin, error);
}

// The same done by the user nobody, who may write the folder.
removal remove_as_nobody(long long begin) {
  chmod(".", 0777);
  pid_t child = fork();
  if (child == 0) {
    std::string error;
    _exit(setgid(65534) == 0 && setuid(65534) == 0
              ? static_cast<int>(remove_at(begin, error))
              : 99);
  }
  int status = -1;
  waitpid(child, &status, 0);
  return static_cast<removal>(WEXITSTATUS(status));
}

using Removal = EngineEnv;

}  // namespace

// With either line end, exactly the report goes and the rest stays byte for
// byte, with the file's mode; only whole reports are taken.
TEST_F(Removal, ExactlyTheReportGoesAndTheRestStaysByteForByte) {
  for (const char *eol : {"\n", "\r\n"}) {
    const std::string parts[] = {report("A", eol), report("B", eol),
                                 report("C", eol)};
    for (int gone = 0; gone < 3; ++gone) {
      std::string text, rest;
      long long at = 0;
      for (int i = 0; i < 3; ++i) {
        if (i < gone) at += static_cast<long long>(parts[i].size());
        text += parts[i];
        if (i != gone) rest += parts[i];
      }
      spit("default.hxo", text);
      chmod("default.hxo", 0640);
      EXPECT_EQ(output_file("default.hxo").report_count(), 3);
      std::string error;
      EXPECT_EQ(remove_at(at, error), removal::done) << error;
      EXPECT_EQ(output(), rest);
      struct stat st {};
      EXPECT_EQ(stat("default.hxo", &st) == 0 ? st.st_mode & 0777 : 0, 0640u);
      EXPECT_EQ(files_here(), 1);
    }
  }

  // Not a report's start, text before the first rule, a line of the rule's
  // dashes that ends its line but is no rule (cut short, two kinds of line
  // end, text after it): nothing is done. More dashes are no rule's look-alike.
  const std::string dashes(REPORT_RULE_WIDTH, '-'), a = report("A");
  const long long b = static_cast<long long>(a.size());
  std::string error;
  for (auto [text, at, result] :
       {std::tuple(a + report("B"), b - 1, removal::uncertain),
        {a + report("B"), b + 1, removal::uncertain},
        {"notes\n" + a, 0, removal::uncertain},
        {a + report("B") + dashes + "\n", b, removal::uncertain},
        {a + report("B") + dashes + "\r\n\n", b, removal::uncertain},
        {a + report("B") + dashes + "\r", b, removal::uncertain},
        {a + report("B") + dashes + "\nText\n", b, removal::uncertain},
        {a + report("B") + dashes + "\n" + a, 0, removal::done},
        {a + report("B") + dashes + "-\n", b, removal::done}}) {
    spit("default.hxo", text);
    EXPECT_EQ(remove_at(at, error), result) << text;
    EXPECT_EQ(output() == text, result != removal::done) << text;
  }
  EXPECT_EQ(remove_report("none.hxo", output_file("none.hxo"), 0, error),
            removal::changed);

  // A failed write of the new file, and a link, leave the file as it was.
  const std::string text = a + report("B");
  spit("default.hxo", text);
  {
    SizeLimit small(10);
    EXPECT_EQ(remove_at(0, error), removal::failed);
  }
  EXPECT_EQ(error, std::strerror(EFBIG));
  for (auto make_link : {symlink, link}) {  // symbolic, then hard
    ASSERT_EQ(make_link("default.hxo", "link.hxo"), 0);
    EXPECT_EQ(remove_report("link.hxo", output_file("link.hxo"), 0, error),
              removal::failed);
    EXPECT_EQ(error, "it is a link");
    EXPECT_EQ(files_here(), 2);
    unlink("link.hxo");
  }
  EXPECT_EQ(output(), text);
}

// The file is checked against what was read when it was opened: rewritten
// in place (to the same size or not) or replaced, it is left alone; grown by
// appends, the report still goes.
TEST_F(Removal, AFileChangedSinceItWasReadIsLeftAlone) {
  const std::string a = report("A"), b = report("B"), b2 = report("C");
  const long long at = static_cast<long long>(a.size());
  for (const std::string &now : {a + b2, a + a + b, b + a, a + b + a}) {
    spit("default.hxo", a + b);
    output_file opened("default.hxo");
    if (now.rfind(a + b, 0) == 0) {
      std::ofstream("default.hxo", std::ios::app) << now.substr(at + b.size());
    } else {
      spit("default.hxo", now);  // the same file, written over
    }
    std::string error;
    EXPECT_EQ(remove_report("default.hxo", opened, at, error),
              now.rfind(a + b, 0) == 0 ? removal::done : removal::changed);
    EXPECT_EQ(output(), now.rfind(a + b, 0) == 0 ? a + a : now);
  }
  spit("default.hxo", a + b);
  output_file opened("default.hxo");
  spit("new.hxo", a + b);
  ASSERT_EQ(rename("new.hxo", "default.hxo"), 0);
  std::string error;
  EXPECT_EQ(remove_report("default.hxo", opened, at, error), removal::changed);
}

// A removal needs the right to write the file, as an append does, and the new
// file keeps the owner and the mode, or nothing is done.
TEST_F(Removal, WriteProtectionOwnerAndModeAreKept) {
  if (geteuid() != 0) GTEST_SKIP() << "needs another user to act as";
  const std::string text = report("A") + report("B");
  auto file_is = [](uid_t uid, mode_t mode) {
    struct stat st {};
    return stat("default.hxo", &st) == 0 && st.st_uid == uid &&
           st.st_gid == uid && (st.st_mode & 07777) == mode;
  };
  spit("default.hxo", text);
  ASSERT_EQ(chown("default.hxo", 65534, 65534), 0);
  chmod("default.hxo", 0444);
  EXPECT_EQ(remove_as_nobody(0), removal::failed);
  EXPECT_EQ(output(), text);
  chmod("default.hxo", 0640);
  std::string error;
  EXPECT_EQ(remove_at(0, error), removal::done);  // by root, for nobody
  EXPECT_EQ(output(), report("B"));
  EXPECT_TRUE(file_is(65534, 0640));
  spit("default.hxo", text);
  ASSERT_EQ(chown("default.hxo", 0, 0), 0);
  chmod("default.hxo", 0666);
  EXPECT_EQ(remove_as_nobody(0), removal::failed);  // would take it over
  EXPECT_EQ(output(), text);
  EXPECT_TRUE(file_is(0, 0666));
}

// An append opened before the removal renamed a new file over the old one
// goes to the new file. A second process appends reports while this one
// removes others: every appended report is in the file at the end, and
// none of the removed ones.
TEST_F(Removal, AppendsDuringARemovalAreKept) {
  spit("default.hxo", report("old") + report("gone"));
  int fd = open_output_path("default.hxo");
  std::string error;
  ASSERT_EQ(remove_at(report("old").size(), error), removal::done);
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
      int out = open_output_path("default.hxo");
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
    EXPECT_EQ(remove_at(at, error), removal::done);
  }
  int status = -1;
  waitpid(child, &status, 0);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(output() == appended) << "reports lost or removed ones kept";
}
