// Other treasure: the main table and its exceptional re-rolls, statues, the
// size and size-to-value tables, and the single line break.
#include <gtest/gtest.h>

#include "support/table_tests.h"

namespace {

// clang-format off
TEST(OtherExceptional, SizeRowsTextsAndValueMultipliers) {
  const struct { int smla, roll; const char *text; float size, val; } cases[] = {
      { 1,   1, ", exceptionally large +10%",  1.1f,  1.0f}, { 5,  30, ", exceptionally large +10%",  1.1f,  1.0f},
      { 1,  31, ", exceptionally large +20%",  1.2f,  1.0f}, { 1,  56, ", exceptionally large +25%",  1.25f, 1.1f},
      { 1,  99, ", exceptionally large +80%",  1.8f,  1.4f}, { 5, 100, ", exceptionally large +100%", 2.0f,  1.5f},
      { 6,   1, ", exceptionally small -10%",  0.9f,  1.0f}, { 6,  61, ", exceptionally small -30%",  0.7f,  0.9f},
      { 6,  98, ", exceptionally small -75%",  0.25f, 0.5f}, {10, 100, ", exceptionally small -90%",  0.1f,  0.3f},
  };
  for (const auto &c : cases) {
    char t_txt[EXC_TXT_SIZE] = "stale";
    float size = other_exsize(c.smla, c.roll, t_txt);
    EXPECT_STREQ(t_txt, c.text) << c.smla << " " << c.roll;
    EXPECT_FLOAT_EQ(size, c.size) << c.smla << " " << c.roll;
    EXPECT_FLOAT_EQ(other_exstoval(size), c.val) << c.smla << " " << c.roll;
  }
  // Multipliers however they were produced, as long as they carry the tabled
  // decimal value; an ordinary size of 1.0 is worth its value.
  EXPECT_FLOAT_EQ(other_exstoval(static_cast<float>(1.2)), 1.0f);
  EXPECT_FLOAT_EQ(other_exstoval(1.0f * 1.2f), 1.0f);
  EXPECT_FLOAT_EQ(other_exstoval(1.0f), 1.0f);
}

const std::string OTHER_ITEM = "Other : Other item, Referee's choice (see book IV)";

TEST(OtherMain, MainTableRowsAndExceptionalReRolls) {
  const struct { int maintype; std::string text; int statueval = 12, lines = 1, excep_1 = 0, excep_2 = 0, qualmult = 0, sizemult = 0, sizesl = 0; } cases[] = {
      // Statues: the value rows; roll 4 is worth 0.4, not 0.3.
      {1, "Statue, size * 0.1 CC\n", 2}, {3, "Statue, size * 0.4 CC\n", 4}, {5, "Statue, size * 4.0 CC\n", 20},
      {80, "Book : Common text, 3.0 CC\n"}, {83, "Book : Common text, 3.0 CC\n"}, {84, "3 piece(s) of clothing\n"},
      {85, "3 piece(s) of clothing\n"},  // forced by "L2_CLOTHING"
      {88, "3 piece(s) of clothing\n"}, {89, "40.0 yards of cloth, 80.0 CC\n"}, {92, "40.0 yards of cloth, 80.0 CC\n"},
      {93, "Musical instrument\n"}, {96, "Musical instrument\n"}, {97, OTHER_ITEM + "\n"},
      // Quality: row excep_1 - 2, here -1 and 5, a statue.
      { 99, "Statue, exceptionally good, size * 3.0 CC\n", 12, 1, 1, 50, 3, 50, 1},
      {100, "Statue, exceptionally good, size * 3.0 CC\n", 12, 1, 7, 50, 3, 50, 1},
      // Size: row excep_2 - 3, here -2, a statue worth 1.0 x 1.1.
      { 98, "Statue, exceptionally large +25%, size * 1.1 CC\n", 10, 1, 50, 1, 3, 56, 5},
      // Both: row excep_2 - 3 = 5; 4.0 x 2 x 0.5.
      { 99, "Statue, exceptionally good, exceptionally small -75%, size * 4.0 CC\n", 20, 1, 100, 8, 2, 98, 6},
      // Size alone reaching the other item, 90 characters, broken at 78.
      { 98, OTHER_ITEM + ", exceptionally large +100%,\n     value * 1.5\n", 12, 2, 50, 100, 3, 100, 1},
      // Quality alone reaching it: the blank at position 79 takes the break.
      { 99, OTHER_ITEM + ", exceptionally good, value *\n     12.0\n", 12, 2, 99, 50, 12, 50, 1},
      // Both: 2 x 1.5.
      {100, OTHER_ITEM + ", exceptionally good,\n     exceptionally large +100%, value * 3.0\n", 12, 2, 100, 100, 2, 100, 1},
  };
  for (const auto &c : cases) {
    all_dice dice{};
    other_dice &o = dice.other;
    o.d100_maintype = c.maintype, o.d100_excep_1 = c.excep_1, o.d100_excep_2 = c.excep_2;
    o.d6_2_exc_qualmult = c.qualmult, o.d100_exc_sizemult = c.sizemult, o.d10_exc_sizesl = c.sizesl;
    o.d10_2_statueval = c.statueval, o.d10_book_kind = 1, o.d100_book = 1, o.d6_clothes = 3;
    o.d100_cloth_value = 30, o.d100_cloth_length = 40;
    EXPECT_EQ(other_main(&dice), c.lines) << c.maintype;
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.maintype;
  }
  for (int maintype : {6, 79}) {  // household goods, neither statue nor book
    all_dice dice{};
    dice.other.d100_maintype = maintype;
    other_main(&dice);
    const std::string text = con_trs_txt;
    EXPECT_TRUE(text.rfind("Statue", 0) && text.rfind("Book", 0)) << text;
  }
}
// clang-format on

TEST(OtherLineBreak, BreaksOnceAtLastBlankUpToColumn79) {
  const std::string a40(40, 'a'), b38(38, 'b'), x75(75, 'x'), x79(79, 'x');
  std::string words;  // 170 characters, a blank at every tenth
  for (int i = 0; i < 17; ++i) words += "abcdefghi ";
  words.back() = 'j';
  // A full buffer stays in bounds and keeps its line end.
  const std::string full = a40 + " " + std::string(TRS_TXT_SIZE - 42, 'b');
  const struct {
    std::string text;
    int lines;
    std::string broken;
  } cases[] = {
      {a40 + " " + b38, 1, a40 + " " + b38 + "\n"},  // 79 characters
      {x75 + " yyyy", 2, x75 + "\n     yyyy\n"},
      {x79 + " ", 2, x79 + "\n     \n"},
      {x79 + "z tail", 1, x79 + "z tail\n"},  // no blank in the first 80
      {words, 2, words.substr(0, 79) + "\n     " + words.substr(80) + "\n"},
      {full, 2, a40 + "\n     " + full.substr(41, TRS_TXT_SIZE - 48) + "\n"},
  };
  for (const auto &c : cases) {
    trs_clear();
    trs_append(c.text.c_str());
    EXPECT_EQ(other_linebreak(), c.lines) << c.text;
    EXPECT_EQ(std::string(con_trs_txt), c.broken);
  }
}

}  // namespace
