// Other treasure: the main table and its exceptional re-rolls, the size and
// size-to-value tables, statues and the single line break.
#include <gtest/gtest.h>

#include <string>

#include "tr_other.h"
#include "trtext.h"

namespace {

// clang-format off
TEST(OtherExceptional, SizeRowsTextsAndValueMultipliers) {
  struct {
    int smla, roll;
    const char *text;
    float size, val;
  } const cases[] = {
      { 1,   1, ", exceptionally large +10%",  1.1f,  1.0f},
      { 5,  30, ", exceptionally large +10%",  1.1f,  1.0f},
      { 1,  31, ", exceptionally large +20%",  1.2f,  1.0f},
      { 1,  55, ", exceptionally large +20%",  1.2f,  1.0f},
      { 1,  56, ", exceptionally large +25%",  1.25f, 1.1f},
      { 1,  70, ", exceptionally large +25%",  1.25f, 1.1f},
      { 1,  71, ", exceptionally large +30%",  1.3f,  1.1f},
      { 1,  79, ", exceptionally large +30%",  1.3f,  1.1f},
      { 1,  80, ", exceptionally large +40%",  1.4f,  1.2f},
      { 1,  87, ", exceptionally large +40%",  1.4f,  1.2f},
      { 1,  88, ", exceptionally large +50%",  1.5f,  1.2f},
      { 1,  93, ", exceptionally large +50%",  1.5f,  1.2f},
      { 1,  94, ", exceptionally large +60%",  1.6f,  1.2f},
      { 1,  96, ", exceptionally large +60%",  1.6f,  1.2f},
      { 1,  97, ", exceptionally large +70%",  1.7f,  1.3f},
      { 1,  98, ", exceptionally large +70%",  1.7f,  1.3f},
      { 1,  99, ", exceptionally large +80%",  1.8f,  1.4f},
      { 5, 100, ", exceptionally large +100%", 2.0f,  1.5f},
      { 6,   1, ", exceptionally small -10%",  0.9f,  1.0f},
      {10,  30, ", exceptionally small -10%",  0.9f,  1.0f},
      { 6,  31, ", exceptionally small -20%",  0.8f,  1.0f},
      { 6,  60, ", exceptionally small -20%",  0.8f,  1.0f},
      { 6,  61, ", exceptionally small -30%",  0.7f,  0.9f},
      { 6,  80, ", exceptionally small -30%",  0.7f,  0.9f},
      { 6,  81, ", exceptionally small -40%",  0.6f,  0.8f},
      { 6,  90, ", exceptionally small -40%",  0.6f,  0.8f},
      { 6,  91, ", exceptionally small -50%",  0.5f,  0.8f},
      { 6,  95, ", exceptionally small -50%",  0.5f,  0.8f},
      { 6,  96, ", exceptionally small -60%",  0.4f,  0.7f},
      { 6,  97, ", exceptionally small -70%",  0.3f,  0.6f},
      { 6,  98, ", exceptionally small -75%",  0.25f, 0.5f},
      { 6,  99, ", exceptionally small -80%",  0.2f,  0.4f},
      {10, 100, ", exceptionally small -90%",  0.1f,  0.3f},
  };
  for (const auto &c : cases) {
    char t_txt[EXC_TXT_SIZE] = "stale";
    float size = other_exsize(c.smla, c.roll, t_txt);
    EXPECT_STREQ(t_txt, c.text) << c.smla << " " << c.roll;
    EXPECT_FLOAT_EQ(size, c.size) << c.smla << " " << c.roll;
    EXPECT_FLOAT_EQ(other_exstoval(size), c.val) << c.smla << " " << c.roll;
  }
}
// clang-format on

TEST(OtherExceptional, SizeToValueOnTabledDecimals) {
  // Multipliers however they were produced, as long as they carry the tabled
  // decimal value; an ordinary size of 1.0 is worth its value.
  struct {
    float size, val;
  } const cases[] = {
      {1.2f, 1.0f},        {static_cast<float>(1.2), 1.0f},
      {1.0f * 1.2f, 1.0f}, {1.25f, 1.1f},
      {0.25f, 0.5f},       {2.0f, 1.5f},
      {0.1f, 0.3f},        {1.0f, 1.0f},
  };
  for (const auto &c : cases)
    EXPECT_FLOAT_EQ(other_exstoval(c.size), c.val) << c.size;
}

TEST(OtherExceptional, QualityText) {
  char t_txt[EXC_TXT_SIZE] = "";
  EXPECT_FLOAT_EQ(other_exqual(7, t_txt), 7.0f);
  EXPECT_STREQ(t_txt, ", exceptionally good");
}

TEST(OtherStatue, ValueRows) {
  const char *values[] = {"0.1", "0.2", "0.4", "0.5", "0.6", "0.7", "0.8",
                          "0.9", "1.0", "1.0", "1.0", "1.2", "1.4", "1.6",
                          "1.8", "2.0", "2.5", "3.0", "4.0"};
  for (int roll = 2; roll <= 20; ++roll) {
    trs_clear();
    other_statue(roll, 0);
    EXPECT_EQ(std::string(con_trs_txt),
              std::string("Statue, size * ") + values[roll - 2] + " CC")
        << roll;
  }
}

// A record whose item routines of this category all give a known text.
all_dice main_dice() {
  all_dice dice{};
  dice.other.d10_2_statueval = 12;
  dice.other.d10_book_kind = 1;
  dice.other.d100_book = 1;
  dice.other.d6_clothes = 3;
  dice.other.d100_cloth_value = 30;
  dice.other.d100_cloth_length = 40;
  return dice;
}

const std::string OTHER_ITEM =
    "Other : Other item, Referee's choice (see book IV)";

// clang-format off
TEST(OtherMain, MainTableRows) {
  struct {
    int maintype;
    std::string text;
  } const cases[] = {
      { 1, "Statue, size * 1.0 CC\n"},
      { 5, "Statue, size * 1.0 CC\n"},
      {80, "Book : Common text, 3.0 CC\n"},
      {83, "Book : Common text, 3.0 CC\n"},
      {84, "3 piece(s) of clothing\n"},
      {85, "3 piece(s) of clothing\n"},  // forced by "L2_CLOTHING"
      {88, "3 piece(s) of clothing\n"},
      {89, "40.0 yards of cloth, 80.0 CC\n"},
      {92, "40.0 yards of cloth, 80.0 CC\n"},
      {93, "Musical instrument\n"},
      {96, "Musical instrument\n"},
      {97, OTHER_ITEM + "\n"},
  };
  for (const auto &c : cases) {
    all_dice dice = main_dice();
    dice.other.d100_maintype = c.maintype;
    EXPECT_EQ(other_main(&dice), 1) << c.maintype;
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.maintype;
  }
  // Rows 6 to 79 belong to the household goods, never to a statue or a book.
  for (int maintype : {6, 79}) {
    all_dice dice = main_dice();
    dice.other.d100_maintype = maintype;
    other_main(&dice);
    std::string text = con_trs_txt;
    EXPECT_NE(text.rfind("Statue", 0), 0u) << maintype;
    EXPECT_NE(text.rfind("Book", 0), 0u) << maintype;
  }
}

TEST(OtherMain, ExceptionalReRolls) {
  struct {
    int maintype, excep_1, excep_2, qualmult, sizemult, sizesl, statueval, lines;
    std::string text;
  } const cases[] = {
      // Quality: row excep_1 - 2, here -1 and 5, a statue.
      { 99,   1,  50,  3,  50, 1, 12, 1, "Statue, exceptionally good, size * 3.0 CC\n"},
      {100,   7,  50,  3,  50, 1, 12, 1, "Statue, exceptionally good, size * 3.0 CC\n"},
      // Size: row excep_2 - 3, here -2, a statue worth 1.0 x 1.1.
      { 98,  50,   1,  3,  56, 5, 10, 1, "Statue, exceptionally large +25%, size * 1.1 CC\n"},
      // Both: row excep_2 - 3 = 5; 4.0 x 2 x 0.5.
      { 99, 100,   8,  2,  98, 6, 20, 1, "Statue, exceptionally good, exceptionally small -75%, size * 4.0 CC\n"},
      // Size alone reaching the other item, 90 characters, broken at 78.
      { 98,  50, 100,  3, 100, 1, 12, 2, OTHER_ITEM + ", exceptionally large +100%,\n     value * 1.5\n"},
      // Quality alone reaching it: the blank at position 79 takes the break.
      { 99,  99,  50, 12,  50, 1, 12, 2, OTHER_ITEM + ", exceptionally good, value *\n     12.0\n"},
      // Both: 2 x 1.5.
      {100, 100, 100,  2, 100, 1, 12, 2, OTHER_ITEM + ", exceptionally good,\n     exceptionally large +100%, value * 3.0\n"},
  };
  for (const auto &c : cases) {
    all_dice dice = main_dice();
    dice.other.d100_maintype = c.maintype;
    dice.other.d100_excep_1 = c.excep_1;
    dice.other.d100_excep_2 = c.excep_2;
    dice.other.d6_2_exc_qualmult = c.qualmult;
    dice.other.d100_exc_sizemult = c.sizemult;
    dice.other.d10_exc_sizesl = c.sizesl;
    dice.other.d10_2_statueval = c.statueval;
    EXPECT_EQ(other_main(&dice), c.lines) << c.text;
    EXPECT_EQ(std::string(con_trs_txt), c.text);
  }
}
// clang-format on

TEST(OtherLineBreak, BreaksOnceAtLastBlankUpToColumn79) {
  const std::string a40(40, 'a'), b38(38, 'b'), x75(75, 'x'), x79(79, 'x');
  std::string words;  // 170 characters, a blank at every tenth
  for (int i = 0; i < 17; ++i) words += "abcdefghi ";
  words.pop_back();
  words += "j";
  struct {
    std::string text;
    int lines;
    std::string broken;
  } const cases[] = {
      {a40 + " " + b38, 1, a40 + " " + b38 + "\n"},  // 79 characters
      {x75 + " yyyy", 2, x75 + "\n     yyyy\n"},
      {x79 + " ", 2, x79 + "\n     \n"},
      {x79 + "z tail", 1, x79 + "z tail\n"},  // no blank in the first 80
      {words, 2, words.substr(0, 79) + "\n     " + words.substr(80) + "\n"},
  };
  for (const auto &c : cases) {
    trs_clear();
    trs_append(c.text.c_str());
    EXPECT_EQ(other_linebreak(), c.lines) << c.text;
    EXPECT_EQ(std::string(con_trs_txt), c.broken);
  }
}

TEST(OtherLineBreak, FullBufferStaysInBoundsAndEndsWithNewline) {
  std::string text =
      std::string(40, 'a') + " " + std::string(TRS_TXT_SIZE - 1 - 41, 'b');
  trs_clear();
  trs_append(text.c_str());
  ASSERT_EQ(trs_length(), static_cast<std::size_t>(TRS_TXT_SIZE - 1));
  EXPECT_EQ(other_linebreak(), 2);
  std::string got = con_trs_txt;
  EXPECT_EQ(got.size(), static_cast<std::size_t>(TRS_TXT_SIZE - 1));
  EXPECT_EQ(got.substr(0, 46), std::string(40, 'a') + "\n     ");
  EXPECT_EQ(got.find('\n', 41), got.size() - 1);
}

}  // namespace
