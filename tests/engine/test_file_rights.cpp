// The files the program writes: each file it creates is as readable as the
// umask allows, and a file replaced through a link keeps the link.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "atomic_file.h"
#include "engine_env.h"

namespace {

using FileRights = EngineEnv;

TEST_F(FileRights, CreatedFilesAreAsReadableAsTheUmaskAllows) {
  for (mode_t mask : {022, 002}) {
    mode_t old = umask(mask);
    for (auto f : {"default.hxo", "temp.hxs", "setup.hxi"}) unlink(f);
    script_file script;
    ASSERT_EQ(
        write_automatic_script_file(script, SCRIPT_PATH, game.generation()),
        generation_status::done);
    text_report report;
    EXPECT_EQ(interpret_open_script(script.stream, "default", tables, report),
              generation_status::done);
    close_script(script);
    EXPECT_EQ(save_settings("setup.hxi", config), 0);
    umask(old);
    for (auto f : {"default.hxo", "temp.hxs", "setup.hxi"}) {
      struct stat st {};
      ASSERT_EQ(stat(f, &st), 0) << f;
      EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask) << f;
    }
  }
}

// A file replaced whole through a link: the link stays and its target gets
// the new content; a link that leads nowhere is left alone.
TEST_F(FileRights, ReplacingThroughALinkKeepsTheLink) {
  mkdir("shared", 0755);
  unlink("setup.hxi");
  ASSERT_EQ(symlink("shared/setup.hxi", "setup.hxi"), 0);
  std::string error;
  EXPECT_FALSE(replace_file("setup.hxi", "new\n", error));
  struct stat st {};
  ASSERT_EQ(lstat("setup.hxi", &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(close(open("shared/setup.hxi", O_WRONLY | O_CREAT, 0644)), 0);
  EXPECT_TRUE(replace_file("setup.hxi", "new\n", error)) << error;
  ASSERT_EQ(lstat("setup.hxi", &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(slurp("shared/setup.hxi"), "new\n");
}

}  // namespace
