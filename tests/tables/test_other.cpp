// Other treasure: the main table and its exceptional re-rolls, statues, the
// size and size-to-value tables, and the single line break.
#include "table_tests.h"

TEST(OtherExceptional, SizeRowsGiveTextAndMultiplier) {
  // clang-format off
  const struct { int large_or_small, roll; const char *text; float size; } cases[] = {
      {5, 30, ", exceptionally large +10%", 1.1f}, {1, 56, ", exceptionally large +25%", 1.25f},
      {6, 1, ", exceptionally small -10%", 0.9f}, {6, 61, ", exceptionally small -30%", 0.7f},
      // clang-format on
  };
  for (const auto &c : cases) {
    char text[EXC_TXT_SIZE] = "stale";
    EXPECT_FLOAT_EQ(other_exceptional_size(c.large_or_small, c.roll, text),
                    c.size);
    EXPECT_STREQ(text, c.text);
  }
}

TEST(OtherExceptional, SizeValueGoesByTheNearestHundredth) {
  EXPECT_FLOAT_EQ(other_size_value(1.25f), 1.1f);
  EXPECT_FLOAT_EQ(other_size_value(0.7f), 0.9f);  // stored a little below 0.7
  EXPECT_FLOAT_EQ(other_size_value(1.0f * 1.2f), 1.0f);
  EXPECT_FLOAT_EQ(other_size_value(1.306f), 1.2f);  // 1.31, past the 1.3 row
  EXPECT_FLOAT_EQ(other_size_value(0.104f), 0.3f);  // 0.10, not 0.11
}

TEST(OtherMain, MainRowsAndExceptionalReRolls) {
  const std::string other =
      "Other : Other item, Referee's choice (see book IV)";
  // clang-format off
  const struct { int maintype; std::string text; int statueval = 12, lines = 1, excep_1 = 0, excep_2 = 0, qualmult = 0, sizemult = 0, sizesl = 0; } cases[] = {
      {1, "Statue, size * 0.1 CC\n", 2}, {5, "Statue, size * 4.0 CC\n", 20}, {6, "0 Eating utensil(s), mod. * 0.0 BB\n"},
      {97, other + "\n"},
      // Quality re-rolls row excep_1 - 2, size row excep_2 - 3.
      {99, "Statue, exceptionally good, size * 3.0 CC\n", 12, 1, 1, 50, 3, 50, 1},
      {98, "Statue, exceptionally large +25%, size * 1.1 CC\n", 10, 1, 50, 1, 3, 56, 5},
      {99, "Statue, exceptionally good, exceptionally small -75%, size * 4.0 CC\n", 20, 1, 100, 8, 2, 98, 6},
      // Broken once at the last blank by column 79.
      {98, other + ", exceptionally large +100%,\n     value * 1.5\n", 12, 2, 50, 100, 3, 100, 1},
      {100, other + ", exceptionally good,\n     exceptionally large +100%, value * 3.0\n", 12, 2, 100, 100, 2, 100, 1},
      // clang-format on
  };
  for (const auto &c : cases) {
    dice_record dice{};
    other_dice &o = dice.other;
    o.d100_maintype = c.maintype, o.d100_excep_1 = c.excep_1;
    o.d100_excep_2 = c.excep_2, o.d6_2_exc_qualmult = c.qualmult;
    o.d100_exc_sizemult = c.sizemult, o.d10_exc_sizesl = c.sizesl;
    o.d10_2_statueval = c.statueval;
    EXPECT_EQ(other_main(out, &dice), c.lines) << c.maintype;
    EXPECT_EQ(std::string(out.text()), c.text);
  }
}

TEST(OtherLineBreak, BreaksOnceAtTheLastBlankUpToColumn79) {
  const std::string a40(40, 'a'), x79(79, 'x');
  const std::string full = a40 + " " + std::string(RESULT_TEXT_SIZE - 42, 'b');
  // clang-format off
  const struct { std::string text; int lines; std::string broken; } cases[] = {
      {a40 + " " + std::string(38, 'b'), 1, a40 + " " + std::string(38, 'b') + "\n"},  // 79 characters
      {x79 + " ", 2, x79 + "\n     \n"}, {x79 + "z tail", 1, x79 + "z tail\n"},  // no blank by 79
      {full, 2, a40 + "\n     " + full.substr(41, RESULT_TEXT_SIZE - 48) + "\n"},  // cut, line end kept
      // clang-format on
  };
  for (const auto &c : cases) {
    out.clear();
    out.append(c.text.c_str());
    EXPECT_EQ(other_break_line(out), c.lines) << c.text;
    EXPECT_EQ(std::string(out.text()), c.broken);
  }
}
