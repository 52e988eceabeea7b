// Magic category entry: the main magic table, the line breaking of magic
// texts and the ends of the six power lists.
#include "table_tests.h"
#include "tr_magic.h"

// clang-format off
TEST(MagicLists, EndsOutsideValuesAndExactRows) {
  const struct { void (*list)(int); int value; const char *text; } cases[] = {
      // Exact-value lists append nothing outside their range; 0 is an exact
      // immunity row inside the storm row; the other lists' low ends are open.
      {magic_alignment_list, 1, ""}, {magic_alignment_list, 2, "Other Forces"}, {magic_alignment_list, 12, "Sidh Elder"}, {magic_alignment_list, 13, ""},
      {magic_cure_list, 1, ""}, {magic_cure_list, 2, "Insanity"}, {magic_cure_list, 12, "(Two of the List, roll manually)"}, {magic_cure_list, 13, ""},
      {magic_curse_list, 0, ""}, {magic_curse_list, 1, "Emotional "}, {magic_curse_list, 3, "Mental "}, {magic_curse_list, 4, ""},
      {magic_immunity_list, -1, "Storm Powers"}, {magic_immunity_list, 0, "Two Powers, roll manually"}, {magic_immunity_list, 1, "Storm Powers"},
      {magic_immunity_list, 5, "Storm Powers"}, {magic_immunity_list, 6, "Fire Powers"}, {magic_immunity_list, 99, "Other Powers"}, {magic_immunity_list, 100, "Total Immunity, roll manually"},
      {magic_detection_list, -7, "Gold"}, {magic_detection_list, 10, "Gold"}, {magic_detection_list, 11, "Copper"}, {magic_detection_list, 96, "Altar"}, {magic_detection_list, 97, "Other"},
      {magic_dedication_list, 0, "Slay a Creature"}, {magic_dedication_list, 16, "Protect Law"}, {magic_dedication_list, 99, "Slay Balance Forces"}, {magic_dedication_list, 100, "Slay Other"},
  };
  for (const auto &c : cases) EXPECT_EQ(text_of([&] { c.list(c.value); }), c.text) << c.value;
}

TEST(MagicMain, MainTableRowBoundaries) {
  // Both ends of every row: power row 35, MEL 7, EL 3, 9 ounces, an animal part.
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
      magic_main(&d);  // its line count: see the sweeps in test_longest_texts
      EXPECT_EQ(std::string(con_trs_txt).substr(0, row.lo == 76 ? 8 : std::string::npos), row.text) << maintype;
    }
}

TEST(MagicBreakLines, BreaksAtTheLastBlankAtOrBefore79_159_239) {
  const auto a = [](int n) { return std::string(n, 'a'); };
  const std::string in5 = "\n     ";
  std::string words;  // 320 characters: four or more breaks' worth
  for (int i = 0; i < 32; ++i) words += a(9) + (i < 31 ? " " : "\n");
  const struct { std::string in, out; int lines; } cases[] = {
      // 79 characters with the line end: untouched; 80: the last blank at or before 79 breaks.
      {a(40) + " " + a(37) + "\n", a(40) + " " + a(37) + "\n", 1},
      {a(20) + " " + a(19) + " " + a(38) + "\n", a(20) + " " + a(19) + in5 + a(38) + "\n", 2},
      {a(79) + " " + a(5) + " " + a(5) + "\n", a(79) + in5 + a(5) + " " + a(5) + "\n", 2},
      // 159: one break (the next line may pass 80); 160: two; 239: two; 240: three.
      {a(70) + " " + a(70) + " " + a(16) + "\n", a(70) + in5 + a(70) + " " + a(16) + "\n", 2},
      {a(70) + " " + a(70) + " " + a(17) + "\n", a(70) + in5 + a(70) + in5 + a(17) + "\n", 3},
      {a(60) + " " + a(60) + " " + a(60) + " " + a(55) + "\n", a(60) + in5 + a(60) + in5 + a(60) + " " + a(55) + "\n", 3},
      {a(60) + " " + a(60) + " " + a(60) + " " + a(56) + "\n", a(60) + in5 + a(60) + in5 + a(60) + in5 + a(56) + "\n", 4},
      // The break for 159 fell before 79, so 79 breaks at the last inserted blank.
      {a(10) + " " + a(150) + "\n", a(10) + "\n    " + in5 + a(150) + "\n", 3},
      // Left whole: no blank at all, the only blank past 79, 320 characters.
      {a(85) + "\n", a(85) + "\n", 1}, {a(90) + " " + a(5) + "\n", a(90) + " " + a(5) + "\n", 1}, {words, words, 1},
  };
  for (const auto &c : cases) {
    trs_clear();
    trs_append(c.in.c_str());
    EXPECT_EQ(magic_break_lines(), c.lines) << c.in.size();
    EXPECT_EQ(std::string(con_trs_txt), c.out) << c.in.size();
  }
}
// clang-format on
