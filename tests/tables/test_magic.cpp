// Magic category entry: the main magic table, the breaking of magic texts
// into screen lines, the ends of the power lists and natural magic items.
#include "table_tests.h"
#include "tr_magic.h"

TEST(MagicLists, ExactListsAppendNothingOutsideTheirRange) {
  // clang-format off
  const struct { void (*list)(item_result &, int); int roll; const char *text; } cases[] = {
      {magic_alignment_list, 1, ""}, {magic_alignment_list, 12, "Sidh Elder"}, {magic_alignment_list, 13, ""},
      {magic_curse_list, 0, ""}, {magic_immunity_list, -1, "Storm Powers"}, {magic_immunity_list, 0, "Two Powers, roll manually"},
      // clang-format on
  };
  for (const auto &c : cases)
    EXPECT_EQ(text_of([&] { c.list(out, c.roll); }), c.text) << c.roll;
}

TEST(MagicMain, MainRowsPickTheFamily) {
  // Power row 35, MEL 7, EL 3, 9 ounces, an animal part, named row 50.
  const std::pair<int, const char *> rows[] = {
      // clang-format off
      {0, "Potion of Luck, MEL 7  EL 3, 9 ounces\n"}, {36, "Natural Magic Item : Boar Tusk\n"},
      {50, "Named Item : Staff, MEL 14  EL 6\n"}, {101, "Special Magic Item, MEL 14  EL 6\n"},
      // clang-format on
  };
  for (auto [maintype, text] : rows) {
    dice_record d{};
    magic_dice &m = d.magic;
    m.d100_maintype = maintype, m.d100_subtype = 35, m.d6_2_MEL = 7;
    m.d10_EL = 3, m.d10_2_potion_amount = 9, m.d3star_NMI_type = 2;
    m.d100_named_sub = 50;
    EXPECT_EQ(magic_main(out, &d), 1);
    EXPECT_STREQ(out.text(), text);
  }
}

TEST(MagicBreakLines, BreaksAtTheLastBlankAtOrBefore79_159_239) {
  const auto a = [](int n) { return std::string(n, 'a'); };
  const std::string in5 = "\n     ", words = [&] {
    std::string w;  // 320 characters: four breaks' worth
    for (int i = 0; i < 32; ++i) w += a(9) + (i < 31 ? " " : "\n");
    return w;
  }();
  // clang-format off
  const struct { std::string in, out; int lines; } cases[] = {
      {a(40) + " " + a(37) + "\n", a(40) + " " + a(37) + "\n", 1},  // 79 characters: whole
      {a(20) + " " + a(19) + " " + a(38) + "\n", a(20) + " " + a(19) + in5 + a(38) + "\n", 2},
      {a(79) + " " + a(5) + " " + a(5) + "\n", a(79) + in5 + a(5) + " " + a(5) + "\n", 2},
      {a(70) + " " + a(70) + " " + a(16) + "\n", a(70) + in5 + a(70) + " " + a(16) + "\n", 2},  // 159
      {a(70) + " " + a(70) + " " + a(17) + "\n", a(70) + in5 + a(70) + in5 + a(17) + "\n", 3},  // 160
      {a(60) + " " + a(60) + " " + a(60) + " " + a(56) + "\n", a(60) + in5 + a(60) + in5 + a(60) + in5 + a(56) + "\n", 4},
      {a(10) + " " + a(150) + "\n", a(10) + "\n    " + in5 + a(150) + "\n", 3},  // 79 breaks the inserted blank
      {words, words, 1},  // too long
      // clang-format on
  };
  for (const auto &c : cases) {
    out.clear();
    out.append(c.in.c_str());
    EXPECT_EQ(magic_break_lines(out), c.lines) << c.in.size();
    EXPECT_EQ(std::string(out.text()), c.out) << c.in.size();
  }
}

TEST(MagicNmi, AmountsOnlyWhereTheItemHasOne) {
  // Type, row, inside a container, amount, text.
  // clang-format off
  const struct { int type, row, in_container, amount; const char *text; } cases[] = {
      {1, 1, 1, 7, "Adingantida"}, {1, 57, 0, 7, "Hembane, 7 ounces"}, {2, 94, 0, 7, "Unicorn horn"},
      {3, 9, 0, 2, "Amethyst"}, {3, 10, 0, 1, "Antimony, 1 pound(s)"},
      {3, 74, 0, 2, "Quicksilver, 2 pound(s)"}, {1, 0, 1, 7, ""}, {2, 101, 0, 7, ""}, {4, 65, 0, 7, ""},
      // clang-format on
  };
  for (const auto &c : cases) {
    dice_record d{};
    d.magic.d3star_NMI_type = c.type, d.magic.d100_subtype = c.row;
    d.in_container = c.in_container, d.magic.d10_2_NMI_amount = c.amount;
    d.magic.d2star_NMI_amount = c.amount;
    EXPECT_EQ(text_of([&] { magic_natural_item(out, &d); }), c.text)
        << c.type << c.row;
  }
}
