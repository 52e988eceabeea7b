// Hostile files and scripts: control bytes escaped, runaway numbers, a manual
// script naming a loaded monster's slot.

#include "dice.h"
#include "engine_env.h"
#include "escaped_text.h"
#include "memory_generation.h"

namespace {

struct Hostile : EngineEnv {
  // The report of a script read from memory, its dice seeded alike.
  std::string report(const std::string &script) {
    seed_dice(3);
    text_report sink;
    interpret_text(script, tables, sink);
    return sink.text();
  }
};

const std::string SCRIPT_HEAD = "1 2 2024\n1 1 1\n[POS: \n[COM: \n----------\n";

}  // namespace

// Quoted text in messages: every control byte escaped, both sides of each
// range kept as it is; UTF-8 untouched, a C1 control escaped in any form.
TEST(Escaped, ControlBytesAndNothingElse) {
  const std::pair<std::string, std::string> cases[] = {
      {"\x1B]0;T\a", "\\x1B]0;T\\x07"},
      {"\x1F \x7E", "\\x1F \x7E"},
      {"\x7F", "\\x7F"},
      {"\x80\x9F", "\\x80\\x9F"},
      {"\xA0\xE9", "\xA0\xE9"},
      {"\xC2\x9B", "\\xC2\\x9B"},
      {"\xC2\xA0", "\xC2\xA0"},
      {"\xC3\x89\xE2\x82", "\xC3\x89\xE2\\x82"},
      {"a\nb", "a\\x0Ab"},
      {std::string("\0", 1), "\\x00"}};
  for (const auto &[text, shown] : cases) EXPECT_EQ(escaped_text(text), shown);
  EXPECT_EQ(escaped_text("a\nb\r", true), "a\nb\\x0D");
}

// Numbers beyond the settings' ranges act as the nearest bound everywhere.
TEST_F(Hostile, RunawayScriptNumbersActAsTheirBounds) {
  const std::string body =
      "\n----------\nMANUAL-GENERATION\n< L1_METAL >\n< L1_COINS >\n"
      "< L1_GEMJJ >\n< L1_MILIT >\n< L1_MAGIC >\n< L1_OTHER >\n< L1_METAL >\n"
      "END-OF-SECTION\n";
  auto all = [&](std::string n) {  // CDF, highest CDF, JewEL and Station
    return report(SCRIPT_HEAD + "0 0 " + n + " " + n + " " + n + " " + n +
                  " 0" + body);
  };
  EXPECT_EQ(all("2147483647"),
            report(SCRIPT_HEAD + "0 0 99 99 80 10 0" + body));
  EXPECT_EQ(all("-2147483648"), report(SCRIPT_HEAD + "0 0 1 1 0 -1 0" + body));
}

// Slot 89 of a manual script is no monster, even with 90 loaded.
TEST_F(Hostile, AManualReportNamesNoMonsterWhenEverySlotIsFilled) {
  for (int i = 0; i < MAX_MONSTERS; ++i)
    tables.monsters[i] = {"Beast", "Grp", nullptr, 0, 0, 0};
  tables.monster_count = MAX_MONSTERS;
  const std::string text = report(
      SCRIPT_HEAD +
      "0 89 1 1 0 -1 0\n----------\nMANUAL-GENERATION\nEND-OF-SECTION\n");
  EXPECT_NE(text.find("\nMonster    : Manual generation\n"), std::string::npos)
      << text;
}
