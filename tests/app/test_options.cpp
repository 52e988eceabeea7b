// The command line's options: defaults, both sides of every range, decimal
// numbers only, empty values, and the settings they give.
#include "app_env.h"

namespace {

// The arguments parsed as the program parses them; the status -1 means a
// command is to run.
int parse(std::vector<std::string> args, command_line &out) {
  args.insert(args.begin(), "hoardex");
  std::vector<const char *> argv;
  for (const std::string &a : args) argv.push_back(a.c_str());
  testing::internal::CaptureStderr();
  testing::internal::CaptureStdout();
  int status = parse_command_line(static_cast<int>(argv.size()), argv.data(),
                                  out);
  testing::internal::GetCapturedStdout();
  testing::internal::GetCapturedStderr();
  return status;
}

TEST(Options, DefaultsOfEveryCommand) {
  command_line c;
  ASSERT_EQ(parse({}, c), -1);
  EXPECT_EQ(c.chosen, command::screen);
  EXPECT_FALSE(c.screen_seed);
  ASSERT_EQ(parse({"roll"}, c), -1);
  EXPECT_EQ(c.chosen, command::roll);
  EXPECT_EQ(c.roll.count, 1);
  EXPECT_EQ(c.roll.format, output_format::text);
  EXPECT_FALSE(c.roll.append || c.roll.seed || !c.roll.script_out.empty());
  const setting_options &o = c.roll.settings;
  EXPECT_FALSE(o.cdf || o.group_cdf || o.jeweler_el || o.station || o.mel ||
               o.cel);
  command_line s;
  ASSERT_EQ(parse({"stats"}, s), -1);
  EXPECT_EQ(s.stats.generations, 1000);
  EXPECT_EQ(s.stats.format, output_format::text);
  command_line k;
  ASSERT_EQ(parse({"check"}, k), -1);
  EXPECT_EQ(k.chosen, command::check);
  EXPECT_FALSE(k.explain);
  ASSERT_EQ(parse({"check", "--explain"}, k), -1);
  EXPECT_TRUE(k.explain);
  // A seed before the command is the command's unless it names its own.
  command_line r;
  ASSERT_EQ(parse({"--seed", "5", "run", "x.hxs"}, r), -1);
  EXPECT_EQ(r.run.seed, 5u);
  EXPECT_EQ(r.run.script, "x.hxs");
  ASSERT_EQ(parse({"--seed", "5", "stats", "--seed", "6"}, r), -1);
  EXPECT_EQ(r.stats.seed, 6u);
}

// Each number option at its bounds and one past them, on both sides.
TEST(Options, EveryRangeHoldsBothBounds) {
  struct bound {
    const char *command, *option;
    long lo, hi;
    std::function<long(const command_line &)> value;
  };
  auto setting = [](std::optional<int> setting_options::*field) {
    return [field](const command_line &c) {
      const setting_options &o =
          c.chosen == command::roll ? c.roll.settings : c.stats.settings;
      return static_cast<long>((o.*field).value_or(-999));
    };
  };
  const bound bounds[] = {
      {"roll", "--cdf", 1, 99, setting(&setting_options::cdf)},
      {"stats", "--group-cdf", 1, 99, setting(&setting_options::group_cdf)},
      {"roll", "--jeweler-el", 0, 80, setting(&setting_options::jeweler_el)},
      {"stats", "--station", 0, 10, setting(&setting_options::station)},
      {"roll", "--mel", 0, 50, setting(&setting_options::mel)},
      {"stats", "--cel", 0, 50, setting(&setting_options::cel)},
      {"roll", "--count", 1, 1000000,
       [](const command_line &c) { return static_cast<long>(c.roll.count); }},
      {"stats", "-n", 1, 10000000,
       [](const command_line &c) { return c.stats.generations; }},
  };
  for (const bound &b : bounds) {
    for (long v : {b.lo, b.hi}) {
      command_line c;
      ASSERT_EQ(parse({b.command, b.option, std::to_string(v)}, c), -1)
          << b.option << " " << v;
      EXPECT_EQ(b.value(c), v) << b.option;
    }
    for (long v : {b.lo - 1, b.hi + 1}) {
      command_line c;
      EXPECT_EQ(parse({b.command, b.option, std::to_string(v)}, c), 2)
          << b.option << " " << v;
    }
  }
}

// Numbers are decimal whatever they look like; blanks around any value are
// dropped alike; an empty value is refused.
TEST(Options, NumbersAreDecimalAndValuesNotEmpty) {
  struct given {
    std::vector<std::string> args;
    long want;  // -1: refused with status 2
  };
  auto cdf = [](const command_line &c) { return *c.roll.settings.cdf; };
  const given cases[] = {
      {{"roll", "--cdf", "010"}, 10},  {{"roll", "--cdf", "099"}, 99},
      {{"roll", "--cdf", " 8 "}, 8},   {{"roll", "--cdf", "8\t"}, 8},
      {{"roll", "--cdf", "0x10"}, -1}, {{"roll", "--cdf", "+5"}, -1},
      {{"roll", "--cdf", "5e1"}, -1},  {{"roll", "--cdf", ""}, -1},
      {{"roll", "--cdf", "0100"}, -1},
  };
  for (const given &g : cases) {
    command_line c;
    int status = parse(g.args, c);
    if (g.want < 0) {
      EXPECT_EQ(status, 2) << g.args[2];
    } else {
      ASSERT_EQ(status, -1) << g.args[2];
      EXPECT_EQ(cdf(c), g.want) << g.args[2];
    }
  }
  command_line c;
  ASSERT_EQ(parse({"roll", "--count", "0010", "--seed", "010"}, c), -1);
  EXPECT_EQ(c.roll.count, 10);
  EXPECT_EQ(c.roll.seed, 10u);
  for (const char *seed : {"", "0x8", "-1", "99999999999"})
    EXPECT_EQ(parse({"roll", "--seed", seed}, c), 2) << seed;
  for (const char *option :
       {"--monster", "--lair", "--yes", "--game-date", "--position",
        "--comment", "--script-out"}) {
    EXPECT_EQ(parse({"roll", option, ""}, c), 2) << option;
    EXPECT_EQ(parse({"roll", option, "  "}, c), 2) << option;
  }
  EXPECT_EQ(parse({"run", ""}, c), 2);
  EXPECT_EQ(parse({"roll", "--format", "csv"}, c), 2);
  ASSERT_EQ(parse({"stats", "--format", "csv"}, c), -1);
  EXPECT_EQ(c.stats.format, output_format::csv);
  ASSERT_EQ(parse({"run", "a", "--format", "json"}, c), -1);
  EXPECT_EQ(c.run.format, output_format::json);
}

using Settings = AppEnv;

// The settings options over the sample files: records by number or name,
// the answers, the game date and the texts, each refused past its bounds.
TEST_F(Settings, OptionsGiveTheSettingsOrARefusal) {
  loaded_session s;
  std::string err;
  ASSERT_EQ(load_tables(s.tables, err), 0) << err;
  struct given {
    setting_options o;
    const char *refusal;  // part of the message, "" for none
  };
  const std::string long_text(TEXT_SIZE - 1, 'a');
  const given cases[] = {
      {{.monster = "1"}, ""},
      {{.monster = "46"}, ""},
      {{.monster = "0"}, "--monster: the number must be 1 to 46"},
      {{.monster = "47"}, "--monster: the number must be 1 to 46"},
      {{.monster = "mirewight, MIRE_HAG"}, ""},
      {{.monster = "mirewight"},
       "close matches: 2 Mirewight, Bog Lurker, 3 Mirewight, Mire Hag"},
      {{.lair = "14"}, ""},
      {{.lair = "15"}, "--lair: the number must be 1 to 14"},
      {{.lair = "sunken temple"}, ""},
      {{.yes = "King,magic-user"}, ""},
      {{.yes = "none"}, ""},
      {{.yes = ","}, "--yes: an empty answer name; the answers are others, "
                     "king, elite, humanoid, male, exceptional, dressed, "
                     "intelligent, magic-user, or none alone"},
      {{.yes = "king,"}, "--yes: an empty answer name"},
      {{.yes = "queen"}, "--yes: no answer named 'queen'"},
      {{.yes = "none,king"}, "--yes: no answer named 'none'"},
      {{.game_date = "1/1/1"}, ""},
      {{.game_date = "99/99/9999"}, ""},
      {{.game_date = " 3 / 4 / 5 "}, ""},
      {{.game_date = "0/1/1"}, "the day 0 is not in range 1 to 99"},
      {{.game_date = "100/1/1"}, "the day 100 is not in range 1 to 99"},
      {{.game_date = "1/0/1"}, "the month 0 is not in range 1 to 99"},
      {{.game_date = "1/100/1"}, "the month 100 is not in range 1 to 99"},
      {{.game_date = "1/1/0"}, "the year 0 is not in range 1 to 9999"},
      {{.game_date = "1/1/10000"}, "the year 10000 is not in range 1 to 9999"},
      {{.game_date = "4294967297/1/1"},
       "the day 4294967297 is not in range 1 to 99"},
      {{.game_date = "1/1"}, "--game-date: D/M/Y in decimal"},
      {{.game_date = "1/1/1/1"}, "--game-date: D/M/Y in decimal"},
      {{.game_date = "1/1/0x1"}, "--game-date: D/M/Y in decimal"},
      {{.position = long_text}, ""},
      {{.position = long_text + "a"}, "--position: at most 59 letters"},
      {{.comment = "a;b"}, "--comment: at most 59 letters"},
  };
  for (const given &g : cases) {
    s.config = settings{};
    std::string refusal = apply_setting_options(g.o, s);
    if (*g.refusal == '\0')
      EXPECT_EQ(refusal, "");
    else
      EXPECT_NE(refusal.find(g.refusal), std::string::npos) << refusal;
  }
  // What the accepted values set.
  s.config = settings{};
  ASSERT_EQ(apply_setting_options({.monster = "46",
                                   .lair = "sunken_temple",
                                   .yes = "others,king",
                                   .game_date = "3/4/1021",
                                   .position = "By the ford"},
                                  s),
            "");
  EXPECT_EQ(s.config.monster_index, 45);
  EXPECT_EQ(s.config.lair_index, 3);
  EXPECT_EQ(s.config.answers, MAY_HAVE_OTHERS | KING);
  EXPECT_EQ(s.config.game_day, 3);
  EXPECT_EQ(s.config.game_month, 4);
  EXPECT_EQ(s.config.game_year, 1021);
  EXPECT_STREQ(s.position, "By the ford");
  EXPECT_STREQ(s.comment, " ");
  ASSERT_EQ(apply_setting_options({.yes = "none"}, s), "");
  EXPECT_EQ(s.config.answers, 0u);
}

}  // namespace
