// Other treasure: the main table and its exceptional re-rolls, statues, the
// size and size-to-value tables, and the single line break.
#include "table_tests.h"

// clang-format off
TEST(OtherExceptional, SizeRowsTextsAndValueMultipliers) {
  // Boundaries; the last rows and +50% to +100%, -50% to -90% show in the goods' texts.
  const struct { int smla, roll; const char *text; float size, val; } cases[] = {
      { 5,  30, ", exceptionally large +10%",  1.1f,  1.0f}, { 1,  31, ", exceptionally large +20%",  1.2f,  1.0f},
      { 1,  56, ", exceptionally large +25%",  1.25f, 1.1f}, { 6,   1, ", exceptionally small -10%",  0.9f,  1.0f},
      { 6,  61, ", exceptionally small -30%",  0.7f,  0.9f},
  };
  for (const auto &c : cases) {
    char t_txt[EXC_TXT_SIZE] = "stale";
    float size = other_exceptional_size(c.smla, c.roll, t_txt);
    EXPECT_STREQ(t_txt, c.text) << c.smla << " " << c.roll;
    EXPECT_FLOAT_EQ(size, c.size) << c.smla << " " << c.roll;
    EXPECT_FLOAT_EQ(other_size_value(size), c.val) << c.smla << " " << c.roll;
  }
  // However a multiplier was produced, its decimal value decides; 1.0 is worth 1.0.
  EXPECT_FLOAT_EQ(other_size_value(static_cast<float>(1.2)), 1.0f);
  EXPECT_FLOAT_EQ(other_size_value(1.0f * 1.2f), 1.0f);
  EXPECT_FLOAT_EQ(other_size_value(1.0f), 1.0f);
}

TEST(OtherMain, MainTableRowsAndExceptionalReRolls) {
  const std::string other = "Other : Other item, Referee's choice (see book IV)";
  const struct { int maintype; std::string text; int statueval = 12, lines = 1, excep_1 = 0, excep_2 = 0, qualmult = 0, sizemult = 0, sizesl = 0; } cases[] = {
      // Statues: the value rows; roll 4 is worth 0.4, not 0.3.
      {1, "Statue, size * 0.1 CC\n", 2}, {3, "Statue, size * 0.4 CC\n", 4}, {5, "Statue, size * 4.0 CC\n", 20},
      {6, "0 Eating utensil(s), mod. * 0.0 BB\n"}, {79, "Art work, 0.0 SC\n"},
      {80, "Book : Common text, 3.0 CC\n"}, {83, "Book : Common text, 3.0 CC\n"}, {84, "3 piece(s) of clothing\n"},
      {85, "3 piece(s) of clothing\n"},  // forced by "L2_CLOTHING"
      {88, "3 piece(s) of clothing\n"}, {89, "40.0 yards of cloth, 80.0 CC\n"}, {92, "40.0 yards of cloth, 80.0 CC\n"},
      {93, "Musical instrument\n"}, {96, "Musical instrument\n"}, {97, other + "\n"},
      // Quality re-rolls row excep_1 - 2, size row excep_2 - 3: statues of rows -1, -2, 5.
      { 99, "Statue, exceptionally good, size * 3.0 CC\n", 12, 1, 1, 50, 3, 50, 1},
      { 98, "Statue, exceptionally large +25%, size * 1.1 CC\n", 10, 1, 50, 1, 3, 56, 5},  // 1.0 x 1.1
      { 99, "Statue, exceptionally good, exceptionally small -75%, size * 4.0 CC\n", 20, 1, 100, 8, 2, 98, 6},  // 4.0 x 2 x 0.5
      // The other item: size alone, 90 characters broken at 78; quality alone, the
      // blank at 79 breaks; both on row 100 (exceptional too), 2 x 1.5.
      { 98, other + ", exceptionally large +100%,\n     value * 1.5\n", 12, 2, 50, 100, 3, 100, 1},
      { 99, other + ", exceptionally good, value *\n     12.0\n", 12, 2, 99, 50, 12, 50, 1},
      {100, other + ", exceptionally good,\n     exceptionally large +100%, value * 3.0\n", 12, 2, 100, 100, 2, 100, 1},
  };
  for (const auto &c : cases) {
    all_dice dice{};
    other_dice &o = dice.other;
    o.d100_maintype = c.maintype, o.d100_excep_1 = c.excep_1, o.d100_excep_2 = c.excep_2, o.d6_2_exc_qualmult = c.qualmult;
    o.d100_exc_sizemult = c.sizemult, o.d10_exc_sizesl = c.sizesl, o.d10_2_statueval = c.statueval;
    o.d10_book_kind = 1, o.d100_book = 1, o.d6_clothes = 3, o.d100_cloth_value = 30, o.d100_cloth_length = 40;
    EXPECT_EQ(other_main(&dice), c.lines) << c.maintype;
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.maintype;
  }
}

TEST(OtherLineBreak, BreaksOnceAtLastBlankUpToColumn79) {
  const std::string a40(40, 'a'), b38(38, 'b'), x79(79, 'x');
  std::string words;  // 170 characters, a blank at every tenth
  for (int i = 0; i < 17; ++i) words += "abcdefghi ";
  words.back() = 'j';
  const std::string full = a40 + " " + std::string(TRS_TXT_SIZE - 42, 'b');
  const struct { std::string text; int lines; std::string broken; } cases[] = {
      {a40 + " " + b38, 1, a40 + " " + b38 + "\n"},  // 79 characters
      {x79 + " ", 2, x79 + "\n     \n"},
      {x79 + "z tail", 1, x79 + "z tail\n"},  // no blank in the first 80
      {words, 2, words.substr(0, 79) + "\n     " + words.substr(80) + "\n"},
      {full, 2, a40 + "\n     " + full.substr(41, TRS_TXT_SIZE - 48) + "\n"},  // in bounds, line end kept
  };
  for (const auto &c : cases) {
    trs_clear();
    trs_append(c.text.c_str());
    EXPECT_EQ(other_break_line(), c.lines) << c.text;
    EXPECT_EQ(std::string(con_trs_txt), c.broken);
  }
}
// clang-format on
