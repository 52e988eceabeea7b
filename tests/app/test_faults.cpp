// The command line against hostile files and a hostile machine: bytes that
// are not UTF-8, a full disk, an output that cannot be written, special
// files where the program's files belong.
#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include "app_env.h"

namespace {

namespace fs = std::filesystem;
using Faults = AppEnv;
using arg_list = std::vector<std::string>;

const std::string HAND =
    "1 2 2020\n3 4 5\n[POS: Mill\n[COM: Note\n----------\n4 89 20 30 0 -1\n"
    "----------\nMANUAL-GENERATION\n[ caf\xE9\n]\n< L1_COINS \xE9 >\n";

// A sample file with line `n` replaced.
void replace_line(const char *file, int n, const std::string &with) {
  std::string text = slurp(file), out;
  std::size_t start = 0;
  for (int line = 1; start < text.size(); ++line) {
    std::size_t end = text.find('\n', start) + 1;
    out += line == n ? with + "\n" : text.substr(start, end - start);
    start = end;
  }
  spit(file, out);
}

// A Latin-1 name, group, portable text, lair name, script text and keyword:
// JSON never aborts and carries U+FFFD, text keeps the bytes, check warns.
TEST_F(Faults, BytesThatAreNotUtf8) {
  replace_line("monster.hxi", 3, "Lurk\xE9r Mire\xE9 3 0x2 0x10000 Caf\xE9");
  replace_line("area.hxi", 2, "Open_Gr\xE9und 3 6 8 9 10");
  spit("latin.hxs", HAND + "END-OF-SECTION\n");
  for (const arg_list &a :
       {arg_list{"roll", "--monster", "2", "--format", "json", "--count", "2",
                 "--append"},
        arg_list{"run", "latin.hxs", "--format", "json"},
        arg_list{"stats", "--monster", "2", "-n", "9", "--format", "json"}}) {
    ran r = cli(a);
    EXPECT_EQ(r.status, 0) << a[0] << r.err;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
      EXPECT_TRUE(nlohmann::json::accept(line)) << line;
    EXPECT_TRUE(a[0] == "stats" || holds(r.out, "\xEF\xBF\xBD")) << a[0];
  }
  EXPECT_TRUE(
      holds(slurp("default.hxo"), "Monster    : Mire\xE9, Lurk\xE9r\n"));
  EXPECT_TRUE(holds(cli({"run", "latin.hxs"}).out, "caf\xE9\n"));
  ran check = cli({"check"});
  EXPECT_EQ(check.status, 0);
  EXPECT_EQ(check.out,
            "monster.hxi:3: monster 2: warning: the name is not valid UTF-8\n"
            "monster.hxi:3: monster 2 (Lurk\xE9r): warning: the group is not "
            "valid UTF-8\n"
            "monster.hxi:3: monster 2 (Lurk\xE9r): warning: the portable text "
            "is not valid UTF-8\n"
            "area.hxi:2: area 1: warning: the name is not valid UTF-8\n");
}

// Past the file size limit --append adds whole reports or none, says so and
// ends with status 1; the file holds exactly the reports before.
TEST_F(Faults, AppendPastTheSizeLimit) {
  {
    SizeLimit limit(8 * 1024);
    ran r =
        cli({"roll", "--count", "100", "--append", "--seed", "4"}, "/dev/null");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "hoardex: cannot write default.hxo; the report was not "
              "appended, the file is as it was\n");
  }
  const std::string kept = slurp("default.hxo");
  ASSERT_GT(kept.size(), 4000u);
  const std::string all = cli({"roll", "--count", "100", "--seed", "4"}).out;
  EXPECT_EQ(all.substr(0, kept.size() + 77), kept + REPORT_RULE);
}

// init copies through temporary files: a full disk leaves nothing, and what
// is there but empty or no regular file is reported, not kept.
TEST_F(Faults, InitCopiesWholeFilesOrNone) {
  auto init = [](const std::string &err, int limit) {
    SizeLimit room(limit);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(copy_sample_files(HOARDEX_DATA_DIR), 1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), err);
    return out;
  };
  fs::remove("monster.hxi");
  fs::create_directory("monster.hxi");
  spit("area.hxi", "");
  EXPECT_EQ(init("hoardex: monster.hxi is not a regular file; remove it to "
                 "have the sample file\nhoardex: area.hxi is an empty file; "
                 "remove it to have the sample file\n",
                 1 << 20),
            "kept setup.hxi (already here)\n");
  EXPECT_TRUE(fs::is_directory("monster.hxi") && slurp("area.hxi").empty());
  for (const char *name : {"monster.hxi", "area.hxi", "setup.hxi"})
    fs::remove(name);
  init("hoardex: cannot write monster.hxi: File too large\n", 1000);
  std::vector<std::string> names;
  for (const auto &e : fs::directory_iterator("."))
    names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (arg_list{"area.hxi", "setup.hxi"}));
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
    EXPECT_EQ(r.status, 2) << path;
    EXPECT_TRUE(holds(r.err, std::string("--script-out: ") + path)) << r.err;
    EXPECT_EQ(r.out, "") << path;
  }
  EXPECT_EQ(slurp("setup.hxi"), setup);
  EXPECT_FALSE(fs::exists("default.hxo"));
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

// Standard output that cannot be written: every command says so and ends
// with status 1.
TEST_F(Faults, FailedStandardOutputIsAnError) {
  spit("hand.hxs", HAND + "END-OF-SECTION\n");
  for (const arg_list &a :
       {arg_list{"roll"}, arg_list{"roll", "--format", "json"},
        arg_list{"run", "hand.hxs"},
        arg_list{"run", "hand.hxs", "--format", "json"}, arg_list{"check"},
        arg_list{"check", "--explain"}, arg_list{"stats", "-n", "5"},
        arg_list{"stats", "-n", "5", "--format", "json"},
        arg_list{"stats", "-n", "5", "--format", "csv"}, arg_list{"init"},
        arg_list{"--help"}}) {
    ran r = cli(a, "/dev/full");
    EXPECT_EQ(r.status, 1) << a[0];
    EXPECT_TRUE(holds(r.err,
                      "hoardex: cannot write the standard output: No "
                      "space left on device\n"))
        << a[0] << ": " << r.err;
  }
}

// A setup.hxi that start-up refuses is refused by every command, and
// --append then writes nothing.
TEST_F(Faults, RefusedSetupFileStopsEveryCommand) {
  for (int kind = 0; kind < 3; ++kind) {
    fs::remove("setup.hxi");
    if (kind == 0) mkfifo("setup.hxi", 0644);
    if (kind == 1) fs::create_directory("setup.hxi");
    if (kind == 2) spit("setup.hxi", std::string(5 << 20, ' '));
    for (const arg_list &a :
         {arg_list{"roll", "--append"}, arg_list{"stats", "-n", "2"}}) {
      ran r = cli(a);
      EXPECT_EQ(r.status, 1) << a[0];
      EXPECT_EQ(r.err, kind == 2 ? "setup.hxi: larger than 4 MiB\n"
                                 : "setup.hxi: not a regular file\n");
      EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(fs::exists("default.hxo"));
  }
}

// What a command says of a file it cannot use: the program's message, the
// hint for a missing file, the reason on its own line; check names a
// portable class outside the classes, which loads as before.
TEST_F(Faults, MessagesOfFilesThatCannotBeUsed) {
  fs::create_directory("folder.hxs");
  ran folder = cli({"run", "folder.hxs"});
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.out + folder.err,
            "hoardex: cannot read the script folder.hxs\n"
            "folder.hxs: not a regular file\n");
  EXPECT_TRUE(holds(cli({"run", "none.hxs"}).err,
                    "none.hxs: No such file or directory\n"));
  spit("cut.hxs", HAND);
  ran cut = cli({"run", "cut.hxs"});
  EXPECT_EQ(cut.err, "hoardex: cut.hxs: reading stopped at line 12\n");
  EXPECT_TRUE(cut.status == 1 && holds(cut.out, "caf\xE9\n"));

  replace_line("monster.hxi", 3, "Bog_Lurker Mirewight 3 0x2 0xFFFFFFFF _");
  ran r = cli({"check", "--explain"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(holds(r.out,
                    "monster.hxi:3: monster 2 (Bog_Lurker): the portable "
                    "class 65535 is outside 0 to 26\n"));
  EXPECT_TRUE(
      holds(r.out, "portable class 65535 (not a class: no class items)"));
  EXPECT_EQ(cli({"roll"}).status, 0);

  fs::remove("monster.hxi");
  fs::create_symlink("monster.hxi", "monster.hxi");  // cannot be opened
  for (const char *command : {"roll", "stats"})
    EXPECT_EQ(cli({command}).err,
              "Cannot open monster information file!\n"
              "monster.hxi: Too many levels of symbolic links\n");
  EXPECT_EQ(cli({"check"}).out,
            "monster.hxi: Too many levels of symbolic links\n");
  fs::remove("monster.hxi");
  for (const arg_list &a : {arg_list{"roll"}, arg_list{"stats"},
                            arg_list{"check"}, arg_list{"run", "x.hxs"}}) {
    ran missing = cli(a);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "Cannot open monster information file!\n"
              "Make sure 'monster.hxi' is in current directory.\n" +
                  missing_file_hint() + "\n")
        << a[0];
  }
}

}  // namespace
