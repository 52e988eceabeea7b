// The command line's options: defaults, both sides of every range, and the
// settings they give.
#include "app_env.h"

namespace {

// The arguments parsed as the program parses them: -1 when a command is to
// run, else the exit status.
int parse(std::vector<std::string> args, command_line &out) {
  args.insert(args.begin(), "hoardex");
  std::vector<const char *> argv;
  for (const std::string &a : args) argv.push_back(a.c_str());
  testing::internal::CaptureStderr();
  testing::internal::CaptureStdout();
  out = command_line{};
  int status =
      parse_command_line(static_cast<int>(argv.size()), argv.data(), out);
  testing::internal::GetCapturedStdout();
  testing::internal::GetCapturedStderr();
  return status;
}

// Every number option by its name.
std::map<std::string, long> numbers(const command_line &c) {
  const setting_choices &o =
      c.chosen == command::stats ? c.stats.settings : c.roll.request.settings;
  auto n = [](const std::string &text) {  // -1: not given
    return text.empty() ? -1L : static_cast<long>(read_decimal(text).value());
  };
  return {{"--cdf", n(o.cdf)},
          {"--group-cdf", n(o.group_cdf)},
          {"--jeweler-el", n(o.jeweler_el)},
          {"--station", n(o.station)},
          {"--mel", n(o.mel)},
          {"--cel", n(o.cel)},
          {"--count", n(c.roll.request.count)},
          {"-n", n(c.stats.generations)},
          {"--seed", n(c.roll.request.seed)}};
}

TEST(Options, DefaultsAndBothSidesOfEveryRange) {
  command_line c;
  ASSERT_EQ(parse({"roll"}, c), -1);
  ASSERT_EQ(parse({"--seed", "5", "stats", "--seed", "6"}, c), -1);
  EXPECT_EQ(c.stats.seed, "6");  // a seed before the command unless its own
  const struct {
    const char *command, *option;
    long lo, hi;
  } ranges[] = {
      {"roll", "--cdf", 1, 99},        {"stats", "--group-cdf", 1, 99},
      {"roll", "--jeweler-el", 0, 80}, {"stats", "--station", 0, 10},
      {"roll", "--mel", 0, 50},        {"stats", "--cel", 0, 50},
      {"roll", "--count", 1, 1000000}, {"stats", "-n", 1, 10000000}};
  for (const auto &r : ranges) {
    for (long v : {r.lo, r.hi}) {
      ASSERT_EQ(parse({r.command, r.option, std::to_string(v)}, c), -1)
          << r.option << " " << v;
      EXPECT_EQ(numbers(c)[r.option], v) << r.option;
    }
    for (long v : {r.lo - 1, r.hi + 1})
      EXPECT_EQ(parse({r.command, r.option, std::to_string(v)}, c), 2)
          << r.option << " " << v;
  }
}

using Settings = AppEnv;

// The settings options over the sample files: records by number or name,
// the answers, the game date and the texts, each refused past its bounds.
TEST_F(Settings, OptionsGiveTheSettingsOrARefusal) {
  loaded_session s;
  std::string err;
  ASSERT_EQ(load_tables(s.tables, err), 0) << err;
  const std::string text(POSITION_COMMENT_SIZE - 1, 'a'), day = "the day ";
  const std::pair<setting_choices, std::string> cases[] = {
      {{.monster = "46"}, ""},
      {{.monster = "0"}, "--monster: the number must be 1 to 46"},
      {{.monster = "47"}, "--monster: the number must be 1 to 46"},
      {{.monster = "mirewight, MIRE_HAG"}, ""},
      {{.monster = "mirewight"},  // a part several hold: one a line
       "'mirewight' fits several:\n  2: Mirewight, Bog Lurker\n  3: "
       "Mirewight, Mire Hag\n  29: Mirewight, Marsh Gulper"},
      {{.monster = "DUSK", .lair = "wiz"}, ""},  // a part one name holds
      {{.monster = "mrie_hag"},
       "no match for 'mrie_hag'; close matches:\n  3: Mirewight, Mire Hag"},
      {{.lair = "xyzzy"}, "no match for 'xyzzy'; 'hoardex list' shows them"},
      {{.lair = "15"}, "--lair: the number must be 1 to 14"},
      {{.yes = "King,magic-user"}, ""},
      {{.yes = ","},
       "--yes: an empty answer name; the answers are others, "
       "king, elite, humanoid, male, exceptional, dressed, "
       "intelligent, magic-user, or none alone"},
      {{.yes = "none,king"}, "--yes: no answer named 'none'"},
      {{.game_date = "99/99/9999"}, ""},
      {{.game_date = "0/1/1"}, day + "0 is not in range 1 to 99"},
      {{.game_date = "100/1/1"}, day + "100 is not in range 1 to 99"},
      {{.game_date = "1/0/1"}, "the month 0 is not in range 1 to 99"},
      {{.game_date = "1/100/1"}, "the month 100 is not in range 1 to 99"},
      {{.game_date = "1/1/0"}, "the year 0 is not in range 1 to 9999"},
      {{.game_date = "1/1/10000"}, "the year 10000 is not in range 1 to 9999"},
      {{.game_date = "4294967297/1/1"}, day + "4294967297 is not in range"},
      {{.game_date = "1/1"}, "--game-date: D/M/Y in decimal"},
      {{.game_date = "1/1/0x1"}, "--game-date: D/M/Y in decimal"},
      {{.position = text}, ""},
      {{.position = text + "a"}, "--position: at most 59 letters"},
  };
  for (const auto &[options, refusal] : cases) {
    std::string got = apply_setting_choices(options, s);
    EXPECT_TRUE(refusal.empty() ? got.empty() : holds(got, refusal)) << got;
  }
  s.config = settings{};
  ASSERT_EQ(apply_setting_choices({.lair = "sunken_temple",
                                   .yes = "others,king",
                                   .game_date = " 3 / 4 / 1021 ",
                                   .position = "By the ford"},
                                  s),
            "");
  const settings &g = s.config;
  EXPECT_EQ(
      (std::vector<int>{g.lair_index, g.game_day, g.game_month, g.game_year}),
      (std::vector<int>{3, 3, 4, 1021}));
  EXPECT_EQ(s.config.answers, MAY_HAVE_OTHERS | KING);
  EXPECT_EQ(std::string(s.position) + "|" + s.comment, "By the ford| ");
  ASSERT_EQ(apply_setting_choices({.yes = "none"}, s), "");
  EXPECT_EQ(s.config.answers, 0u);
}

// A name found only after the count at the top of its file says so; a
// group's CDF below the creature's is kept with a warning, an equal one not.
TEST_F(Settings, WhatTheCommandsSayOfTheirSettings) {
  spit("monster.hxi", slurp("monster.hxi") + "Grell_Thing _ 0 0x0\n");
  spit("area.hxi", slurp("area.hxi") + "Grell_Pit 1 2 3 4 5\n");
  const std::string grell = cli({"roll", "--monster", "grell"}).err;
  EXPECT_TRUE(holds(grell,
                    "\n1 monster after the count was left out; "
                    "hoardex check shows where.\n"))
      << grell;
  EXPECT_TRUE(holds(cli({"stats", "--lair", "grell"}).err,
                    "\n1 lair after the count was left out"));
  EXPECT_FALSE(holds(cli({"roll", "--monster", "xyzzy"}).err, "left out"));
  const std::string warning =
      "hoardex: warning: the group's highest CDF (24) is below the "
      "creature's CDF (25): kept as given\n";
  EXPECT_EQ(cli({"roll", "--cdf", "25", "--group-cdf", "24"}).err, warning);
  EXPECT_EQ(cli({"stats", "-n", "1", "--cdf", "25", "--group-cdf", "25"}).err,
            "");
}

}  // namespace
