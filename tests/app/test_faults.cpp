// The command line against hostile files: bytes that are not UTF-8, init's
// copies whole or none, the program's own files refused as a script's output,
// and a refused setup file.
#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include "app_env.h"

namespace {

namespace fs = std::filesystem;
using Faults = AppEnv;

const std::string HAND = MANUAL_HEAD + "[ caf\xE9\n]\n< L1_COINS \xE9 >\n";

// A sample file with line `n` replaced.
void replace_line(const char *file, int n, const std::string &with) {
  std::istringstream in(slurp(file));
  std::string out, line;
  for (int k = 1; std::getline(in, line); ++k)
    out += (k == n ? with : line) + "\n";
  spit(file, out);
}

// A Latin-1 name, group, portable text, lair name, script text and keyword:
// JSON never aborts and carries U+FFFD, text keeps the bytes, check warns.
TEST_F(Faults, BytesThatAreNotUtf8) {
  replace_line("monster.hxi", 3, "Lurk\xE9r Mire\xE9 3 0x2 0x10000 Caf\xE9");
  replace_line("area.hxi", 2, "Open_Gr\xE9und 3 6 8 9 10");
  spit("latin.hxs", HAND + "END-OF-SECTION\n");
  for (const arg_list &a :
       {arg_list{"roll", "--monster", "2", "--format", "json", "--append"},
        arg_list{"run", "latin.hxs", "--format", "json"},
        arg_list{"list", "--format", "json"},
        arg_list{"stats", "--monster", "2", "-n", "9", "--format", "json"}}) {
    ran r = cli(a);
    EXPECT_TRUE(r.status == 0 && nlohmann::json::accept(r.out)) << a[0];
    EXPECT_TRUE(a[0] == "stats" || holds(r.out, "\xEF\xBF\xBD")) << a[0];
  }
  EXPECT_TRUE(
      holds(slurp("default.hxo"), "Monster    : Mire\xE9, Lurk\xE9r\n"));
  EXPECT_TRUE(holds(cli({"run", "latin.hxs"}).out, "caf\xE9\n"));
  const std::string utf8 = " is not valid UTF-8\n",
                    entry = "monster 2 (Lurk\xE9r)";
  ran check = cli({"check"});
  EXPECT_EQ(check.status, 0);
  EXPECT_EQ(check.out, "monster.hxi:3: monster 2: warning: the name" + utf8 +
                           "monster.hxi:3: " + entry + ": warning: the group" +
                           utf8 + "monster.hxi:3: " + entry +
                           ": warning: the portable text" + utf8 +
                           "area.hxi:2: area 1: warning: the name" + utf8);
}

// init copies through temporary files: a full disk leaves nothing, and what
// is there but empty or no regular file is reported, not kept.
TEST_F(Faults, InitCopiesWholeFilesOrNone) {
  auto init = [](const std::string &err, rlim_t room) {
    SizeLimit limit(room);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(copy_sample_files(HOARDEX_DATA_DIR), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), err);
    return testing::internal::GetCapturedStdout();
  };
  fs::remove("monster.hxi");
  fs::create_directory("monster.hxi");
  spit("area.hxi", "");
  const std::string keep = "; remove it to have the sample file\n";
  EXPECT_EQ(init("hoardex: monster.hxi is not a regular file" + keep +
                     "hoardex: area.hxi is an empty file" + keep,
                 1 << 20),
            "kept setup.hxi (already here)\n");
  EXPECT_TRUE(fs::is_directory("monster.hxi") && slurp("area.hxi").empty());
  for (const char *name : {"monster.hxi", "area.hxi", "setup.hxi"})
    fs::remove(name);
  init("hoardex: cannot write monster.hxi: File too large\n", 1000);
  arg_list names;
  for (const auto &e : fs::directory_iterator(".")) names.push_back(e.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (arg_list{"./area.hxi", "./setup.hxi"}));
  EXPECT_EQ(slurp("area.hxi"), slurp(HOARDEX_DATA_DIR "/area.hxi"));
}

// --script-out never touches the program's own files or the stream of the
// reports; '-' puts the script after them; a file is replaced whole.
TEST_F(Faults, ScriptOutRefusesTheProgramsFiles) {
  fs::create_directory("folder");
  const std::string setup = slurp("setup.hxi");
  for (const char *path :
       {"monster.hxi", "area.hxi", "setup.hxi", "./setup.hxi", "default.hxo",
        "folder", "/dev/stdout", ".out"}) {
    ran r = cli({"roll", "--append", "--script-out", path});
    EXPECT_TRUE(r.status == 2 && r.out.empty()) << path;
    EXPECT_TRUE(holds(r.err, std::string("--script-out: ") + path)) << r.err;
  }
  EXPECT_TRUE(slurp("setup.hxi") == setup && !fs::exists("default.hxo"));
  fs::remove("setup.hxi");  // absent files are refused by any spelling too
  const std::string here = "../" + fs::current_path().filename().string();
  for (const std::string &path :
       {std::string("./setup.hxi"), here + "/setup.hxi",
        std::string("folder/../default.hxo")}) {
    EXPECT_EQ(cli({"roll", "--script-out", path}).status, 2) << path;
    EXPECT_FALSE(fs::exists("setup.hxi") || fs::exists("default.hxo"));
  }
  ran dash = cli({"roll", "--count", "3", "--seed", "8", "--script-out", "-"});
  spit("kept.hxs", "an older script, longer than nothing\n");
  ran file =
      cli({"roll", "--count", "3", "--seed", "8", "--script-out", "kept.hxs"});
  EXPECT_EQ(dash.status + file.status, 0);
  EXPECT_EQ(dash.out, file.out + slurp("kept.hxs"));
  EXPECT_TRUE(holds(slurp("kept.hxs"), "LAIR-TREASURE\n"));
  for (const auto &e : fs::directory_iterator("."))
    EXPECT_FALSE(holds(e.path(), "kept.hxs.")) << e.path();
}

// A setup.hxi that start-up refuses is refused by every command (they load
// it alike), and --append then writes nothing.
TEST_F(Faults, RefusedSetupFileStopsEveryCommand) {
  for (int kind = 0; kind < 3; ++kind) {
    fs::remove("setup.hxi");
    if (kind == 0) mkfifo("setup.hxi", 0644);
    if (kind == 1) fs::create_directory("setup.hxi");
    if (kind == 2) spit("setup.hxi", std::string(5 << 20, ' '));
    ran r = cli({"roll", "--append"});
    EXPECT_TRUE(r.status == 1 && r.out.empty()) << kind;
    EXPECT_EQ(r.err, kind == 2 ? "setup.hxi: larger than 4 MiB\n"
                               : "setup.hxi: not a regular file\n");
    EXPECT_FALSE(fs::exists("default.hxo"));
  }
}

}  // namespace
