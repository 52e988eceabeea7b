// The command line against hostile files and a hostile machine: bytes that
// are not UTF-8, a full disk, an output that cannot be written, special
// files where the program's files belong.
#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include "app_env.h"

namespace {

namespace fs = std::filesystem;
using Faults = AppEnv;

std::vector<std::string> lines_of(const std::string &text) {
  std::vector<std::string> lines;
  std::size_t start = 0, end;
  while ((end = text.find('\n', start)) != std::string::npos) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool holds(const std::string &text, const std::string &part) {
  return text.find(part) != std::string::npos;
}

// The sample files with one changed line: monster 2 (or area 1) replaced.
void replace_line(const char *file, int line, const std::string &with) {
  std::vector<std::string> lines = lines_of(slurp(file));
  lines[line - 1] = with;
  std::string text;
  for (const std::string &l : lines) text += l + "\n";
  spit(file, text);
}

// A Latin-1 name, group, portable text, lair name, script text and keyword:
// JSON never aborts and carries U+FFFD, text keeps the bytes, check warns.
TEST_F(Faults, BytesThatAreNotUtf8) {
  replace_line("monster.hxi", 3,
               "Bog_Lurk\xE9r Mire\xE9 3 0x2 0x10000 Caf\xE9_charms");
  replace_line("area.hxi", 2, "Open_Gr\xE9und 3 6 8 9 10");
  spit("latin.hxs",
       "1 2 2020\n3 4 5\n[POS: Mill\n[COM: Note\n----------\n"
       "0 1 20 30 7 4\n----------\nMANUAL-GENERATION\n[ caf\xE9\n]\n"
       "< L1_COINS \xE9 >\nEND-OF-SECTION\n");
  const std::string replaced = "\xEF\xBF\xBD";
  for (const std::vector<std::string> &args :
       {std::vector<std::string>{"roll", "--monster", "2", "--format", "json",
                                 "--count", "2", "--append"},
        {"run", "latin.hxs", "--format", "json"},
        {"stats", "--monster", "2", "-n", "20", "--format", "json"}}) {
    ran r = cli(args);
    EXPECT_EQ(r.status, 0) << args[0] << r.err;
    for (const std::string &line : lines_of(r.out))
      EXPECT_TRUE(nlohmann::json::accept(line)) << line;
    if (args[0] != "stats") {
      EXPECT_TRUE(holds(r.out, replaced)) << args[0];
    }
  }
  EXPECT_TRUE(holds(slurp("default.hxo"), "Monster    : Mire\xE9, Bog Lurk\xE9r\n"));
  ran text = cli({"run", "latin.hxs"});
  EXPECT_TRUE(holds(text.out, "caf\xE9\n"));
  ran check = cli({"check"});
  EXPECT_EQ(check.status, 0);
  EXPECT_EQ(check.out,
            "monster.hxi:3: monster 2: warning: the name is not valid UTF-8\n"
            "monster.hxi:3: monster 2 (Bog_Lurk\xE9r): warning: the group is "
            "not valid UTF-8\n"
            "monster.hxi:3: monster 2 (Bog_Lurk\xE9r): warning: the portable "
            "text is not valid UTF-8\n"
            "area.hxi:2: area 1: warning: the name is not valid UTF-8\n");
}

// A portable class outside the classes passes the loading as before, but
// check names it and the explanation says it is none.
TEST_F(Faults, PortableClassOutsideTheClasses) {
  replace_line("monster.hxi", 3, "Bog_Lurker Mirewight 3 0x2 0xFFFFFFFF _");
  ran r = cli({"check", "--explain"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(holds(r.out,
                    "monster.hxi:3: monster 2 (Bog_Lurker): the portable "
                    "class 65535 is outside 0 to 26\n"));
  EXPECT_TRUE(holds(r.out, "portable class 65535 (not a class: no class items)"));
  EXPECT_EQ(cli({"roll"}).status, 0);
}

// Past the file size limit --append adds whole reports or none, says so and
// ends with status 1; the file holds exactly the reports before.
TEST_F(Faults, AppendPastTheSizeLimit) {
  {
    SizeLimit limit(8 * 1024);
    ran r = cli({"roll", "--count", "100", "--append", "--seed", "4"},
                "/dev/null");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "hoardex: cannot write default.hxo; the report was not "
              "appended, the file is as it was\n");
  }
  const std::string kept = slurp("default.hxo");
  ASSERT_GT(kept.size(), 4000u);
  ran again = cli({"roll", "--count", "100", "--seed", "4"});
  EXPECT_EQ(again.out.substr(0, kept.size()), kept);
  EXPECT_EQ(again.out.substr(kept.size(), 77),
            std::string(75, '-') + "\n\n");  // the next report starts there
}

// init copies through temporary files: a full disk leaves nothing, and what
// is there but empty or no regular file is reported, not kept.
TEST_F(Faults, InitCopiesWholeFilesOrNone) {
  fs::remove("monster.hxi");
  fs::create_directory("monster.hxi");
  spit("area.hxi", "");
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  int status = copy_sample_files(HOARDEX_DATA_DIR);
  std::string out = testing::internal::GetCapturedStdout();
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 1);
  EXPECT_EQ(out, "kept setup.hxi (already here)\n");
  EXPECT_EQ(err,
            "hoardex: monster.hxi is not a regular file; remove it to have "
            "the sample file\n"
            "hoardex: area.hxi is an empty file; remove it to have the "
            "sample file\n");
  EXPECT_TRUE(fs::is_directory("monster.hxi"));
  EXPECT_EQ(slurp("area.hxi"), "");

  fs::remove("monster.hxi");
  fs::remove("area.hxi");
  fs::remove("setup.hxi");
  {
    SizeLimit limit(1000);  // smaller than monster.hxi only
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    status = copy_sample_files(HOARDEX_DATA_DIR);
    out = testing::internal::GetCapturedStdout();
    err = testing::internal::GetCapturedStderr();
  }
  EXPECT_EQ(status, 1);
  EXPECT_EQ(err, "hoardex: cannot write monster.hxi: File too large\n");
  std::vector<std::string> names;
  for (const auto &e : fs::directory_iterator("."))
    if (e.path().filename().string()[0] != '.')
      names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"area.hxi", "setup.hxi"}));
  EXPECT_EQ(slurp("area.hxi"), slurp(HOARDEX_DATA_DIR "/area.hxi"));
}

// --script-out never touches the program's own files or the stream of the
// reports; '-' puts the script after them; a file is replaced whole.
TEST_F(Faults, ScriptOutRefusesTheProgramsFiles) {
  fs::create_directory("folder");
  const std::string setup = slurp("setup.hxi");
  for (const char *path :
       {"monster.hxi", "area.hxi", "setup.hxi", "./setup.hxi", "default.hxo",
        "folder", "/dev/stdout", ".stdout"}) {
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
  ASSERT_EQ(dash.status, 0);
  ASSERT_EQ(file.status, 0);
  EXPECT_EQ(dash.out, file.out + slurp("kept.hxs"));
  EXPECT_TRUE(holds(slurp("kept.hxs"), "LAIR-TREASURE\n"));
  EXPECT_EQ(std::count_if(fs::directory_iterator("."), fs::directory_iterator(),
                          [](const fs::directory_entry &e) {
                            return holds(e.path().string(), "kept.hxs.");
                          }),
            0);
}

// Standard output that cannot be written: every command says so and ends
// with status 1.
TEST_F(Faults, FailedStandardOutputIsAnError) {
  spit("hand.hxs",
       "1 2 2020\n3 4 5\n[POS: Mill\n[COM: Note\n----------\n"
       "4 89 20 30 0 -1\n----------\nMANUAL-GENERATION\n< L1_COINS >\n"
       "END-OF-SECTION\n");
  for (const std::vector<std::string> &args :
       {std::vector<std::string>{"roll"},
        {"roll", "--format", "json"},
        {"run", "hand.hxs"},
        {"run", "hand.hxs", "--format", "json"},
        {"check"},
        {"check", "--explain"},
        {"stats", "-n", "5"},
        {"stats", "-n", "5", "--format", "json"},
        {"stats", "-n", "5", "--format", "csv"},
        {"init"},
        {"--help"}}) {
    ran r = cli(args, "/dev/full");
    EXPECT_EQ(r.status, 1) << args[0];
    EXPECT_TRUE(holds(r.err, "hoardex: cannot write the standard output: No "
                             "space left on device\n"))
        << args[0] << ": " << r.err;
  }
}

// A setup.hxi that start-up refuses is refused by every command, and
// --append then writes nothing.
TEST_F(Faults, RefusedSetupFileStopsEveryCommand) {
  const struct {
    std::function<void()> make;
    const char *refusal;
  } setups[] = {
      {[] { mkfifo("setup.hxi", 0644); }, "setup.hxi: not a regular file\n"},
      {[] { fs::create_directory("setup.hxi"); },
       "setup.hxi: not a regular file\n"},
      {[] { spit("setup.hxi", std::string(5 << 20, ' ')); },
       "setup.hxi: larger than 4 MiB\n"},
  };
  for (const auto &s : setups) {
    fs::remove("setup.hxi");
    s.make();
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"roll", "--append"}, {"stats", "-n", "2"}}) {
      ran r = cli(args);
      EXPECT_EQ(r.status, 1) << args[0];
      EXPECT_EQ(r.err, s.refusal);
      EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(fs::exists("default.hxo"));
  }
}

// What a command says of a file it cannot use: the program's message, the
// hint for a missing file, the reason on its own line.
TEST_F(Faults, MessagesOfFilesThatCannotBeUsed) {
  fs::create_directory("folder.hxs");
  ran folder = cli({"run", "folder.hxs"});
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.out, "");
  EXPECT_EQ(folder.err,
            "hoardex: cannot read the script folder.hxs\n"
            "folder.hxs: not a regular file\n");
  EXPECT_TRUE(holds(cli({"run", "none.hxs"}).err,
                    "none.hxs: No such file or directory\n"));

  fs::remove("monster.hxi");
  fs::create_symlink("monster.hxi", "monster.hxi");  // cannot be opened
  for (const char *command : {"roll", "stats"}) {
    ran r = cli({command});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "Cannot open monster information file!\n"
              "monster.hxi: Too many levels of symbolic links\n")
        << command;
  }
  ran check = cli({"check"});  // a problem of the file, as check lists them
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out, "monster.hxi: Too many levels of symbolic links\n");
  fs::remove("monster.hxi");
  for (const char *command : {"roll", "stats", "check", "run"}) {
    ran r = cli({command, "x.hxs"});
    if (std::string(command) != "run") r = cli({command});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cannot open monster information file!\n"
                     "Make sure 'monster.hxi' is in current directory.\n" +
                         missing_file_hint() + "\n")
        << command;
  }
}

}  // namespace
