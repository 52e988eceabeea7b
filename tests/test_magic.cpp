// Magic category entry: the main magic table, the line breaking of magic
// texts and the ends of the six power lists. test_longest_texts sweeps the
// main routine over every item kind and power row.
#include <gtest/gtest.h>

#include "support/table_tests.h"
#include "tr_magic.h"

namespace {

// clang-format off
TEST(MagicLists, EndsOutsideValuesAndExactRows) {
  const struct { void (*list)(int); int value; const char *text; } cases[] = {
      // Exact-value lists append nothing outside their range.
      {magic_align, 1, ""}, {magic_align, 2, "Other Forces"}, {magic_align, 6, "Elder"}, {magic_align, 12, "Sidh Elder"},
      {magic_align, 13, ""}, {magic_cure, 1, ""}, {magic_cure, 2, "Insanity"}, {magic_cure, 13, ""},
      {magic_cure, 12, "(Two of the List, roll manually)"}, {magic_curse, 0, ""}, {magic_curse, 1, "Emotional "},
      {magic_curse, 3, "Mental "}, {magic_curse, 4, ""},
      // Immunity: 0 (a total immunity rolled 1) is two powers inside the
      // storm row; both ends are open, as are those of the other two lists.
      {magic_immunity, -1, "Storm Powers"}, {magic_immunity, 0, "Two Powers, roll manually"},
      {magic_immunity, 1, "Storm Powers"}, {magic_immunity, 5, "Storm Powers"}, {magic_immunity, 6, "Fire Powers"},
      {magic_immunity, 99, "Other Powers"}, {magic_immunity, 100, "Total Immunity, roll manually"},
      {magic_immunity, 250, "Total Immunity, roll manually"}, {magic_detect, -7, "Gold"}, {magic_detect, 10, "Gold"},
      {magic_detect, 11, "Copper"}, {magic_detect, 96, "Altar"}, {magic_detect, 97, "Other"}, {magic_detect, 101, "Other"},
      {magic_dedic, 0, "Slay a Creature"}, {magic_dedic, 16, "Protect Law"}, {magic_dedic, 99, "Slay Balance Forces"},
      {magic_dedic, 100, "Slay Other"}, {magic_dedic, 101, "Slay Other"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(text_of([&] { c.list(c.value); }), c.text) << c.value;
}

TEST(MagicMain, MainTableRowBoundaries) {
  // Power row 35, MEL 7 with EL 3 (under the cap of 4), 9 ounces, an animal
  // part; each row is checked at both its ends.
  const struct { int lo, hi; const char *text; } rows[] = {
      {  0,  25, "Potion of Luck, MEL 7  EL 3, 9 ounces\n"},       { 26,  35, "Powder of Luck, MEL 7  EL 3, 9 ounces\n"},
      { 36,  44, "Natural Magic Item : Boar Tusk\n"},               { 45,  49, "Jeweled Item of Attribute Effect, MEL 7  EL 3\n"},
      { 50,  50, "Named Item : Staff, MEL 14  EL 6\n"},             { 51,  55, "Other Treasure of Protection, MEL 7  EL 3\n"},
      { 56,  66, "Amulet of Luck, MEL 7  EL 3, 9 ounces\n"},        { 67,  75, "Talisman of Attribute Effect, MEL 7  EL 3\n"},
      { 76,  90, "Magical "} /* the prefix only */,                  { 91,  96, "Wand of Attribute Effect, MEL 7  EL 3\n"},
      { 97,  99, "Staff of Attribute Effect, MEL 7  EL 3\n"},       {100, 101, "Special Magic Item, MEL 14  EL 6\n"},
  };
  for (const auto &row : rows)
    for (int maintype : {row.lo, row.hi}) {
      all_dice d{};
      magic_dice &m = d.magic;
      m.d100_maintype = maintype, m.d100_subtype = 35, m.d6_2_MEL = 7, m.d10_EL = 3;
      m.d10_2_potion_amount = 9, m.d3star_NMI_type = 2, m.d100_named_sub = 50;
      const int lines = magic_main(&d);
      const std::string got = con_trs_txt;
      EXPECT_EQ(row.lo == 76 ? got.substr(0, 8) : got, row.text) << maintype;
      EXPECT_TRUE(row.lo == 76 || lines == 1) << maintype;
    }
}
// clang-format on

std::string a(int n) { return std::string(n, 'a'); }

// clang-format off
TEST(MagicBreakLines, BreaksAtTheLastBlankAtOrBefore79_159_239) {
  const std::string in5 = "\n     ";
  std::string words;  // 320 characters: four or more breaks' worth
  for (int i = 0; i < 32; ++i) words += a(9) + (i < 31 ? " " : "\n");
  const struct { std::string in, out; int lines; } cases[] = {
      // 79 characters with the line end: one line, untouched. 80: the last of
      // two blanks before index 79 breaks; a blank at index 79 itself breaks.
      {a(40) + " " + a(37) + "\n", a(40) + " " + a(37) + "\n", 1},
      {a(20) + " " + a(19) + " " + a(38) + "\n", a(20) + " " + a(19) + in5 + a(38) + "\n", 2},
      {a(79) + " " + a(5) + " " + a(5) + "\n", a(79) + in5 + a(5) + " " + a(5) + "\n", 2},
      // 159: still one break; the continuation line may pass 80. 160: breaks
      // near 159 and 79. 239: two breaks, the blank at 182 stays. 240: three.
      {a(70) + " " + a(70) + " " + a(16) + "\n", a(70) + in5 + a(70) + " " + a(16) + "\n", 2},
      {a(70) + " " + a(70) + " " + a(17) + "\n", a(70) + in5 + a(70) + in5 + a(17) + "\n", 3},
      {a(60) + " " + a(60) + " " + a(60) + " " + a(55) + "\n", a(60) + in5 + a(60) + in5 + a(60) + " " + a(55) + "\n", 3},
      {a(60) + " " + a(60) + " " + a(60) + " " + a(56) + "\n", a(60) + in5 + a(60) + in5 + a(60) + in5 + a(56) + "\n", 4},
      // The break for 159 fell before 79, so the search from 79 finds the
      // last of the inserted blanks and breaks there.
      {a(10) + " " + a(150) + "\n", a(10) + "\n    " + in5 + a(150) + "\n", 3},
      // Left whole: no blank at all, the only blank past 79, 320 characters.
      {a(85) + "\n", a(85) + "\n", 1}, {a(90) + " " + a(5) + "\n", a(90) + " " + a(5) + "\n", 1}, {words, words, 1},
  };
  for (const auto &c : cases) {
    trs_clear();
    trs_append(c.in.c_str());
    EXPECT_EQ(magic_breaklines(), c.lines) << c.in.size();
    EXPECT_EQ(std::string(con_trs_txt), c.out) << c.in.size();
  }
}
// clang-format on

}  // namespace
