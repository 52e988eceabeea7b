// Magic category entry: the main magic table, the line breaking of magic
// texts, the six power lists, and a sweep of the main routine over every
// item kind and power row.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tr_magic.h"
#include "trtext.h"

namespace {

struct list_row {
  int lo, hi;
  const char *text;
};

std::string listed(void (*list)(int), int value) {
  trs_clear();
  list(value);
  return con_trs_txt;
}

// Both ends of every row, then values outside the rows.
void expect_list(void (*list)(int), const std::vector<list_row> &rows,
                 const std::vector<std::pair<int, const char *>> &outside) {
  for (const list_row &row : rows) {
    EXPECT_EQ(listed(list, row.lo), row.text) << row.lo;
    EXPECT_EQ(listed(list, row.hi), row.text) << row.hi;
  }
  for (const auto &[value, text] : outside)
    EXPECT_EQ(listed(list, value), text) << value;
}

TEST(MagicLists, AlignmentAppendsNothingOutside2To12) {
  expect_list(magic_align,
              {{2, 2, "Other Forces"},
               {3, 4, "Balance"},
               {5, 6, "Elder"},
               {7, 7, "Chaos"},
               {8, 9, "Law"},
               {10, 10, "Kotothi"},
               {11, 11, "Shamanic Elder"},
               {12, 12, "Sidh Elder"}},
              {{1, ""}, {0, ""}, {-3, ""}, {13, ""}});
}

TEST(MagicLists, CureAppendsNothingOutside2To12) {
  expect_list(magic_cure,
              {{2, 2, "Insanity"},
               {3, 7, "Physical Injury"},
               {8, 9, "Poison"},
               {10, 10, "Disease and Plague"},
               {11, 11, "Energy Point Loss"},
               {12, 12, "(Two of the List, roll manually)"}},
              {{1, ""}, {13, ""}});
}

TEST(MagicLists, CurseAppendsNothingOutside1To3) {
  expect_list(magic_curse,
              {{1, 1, "Emotional "}, {2, 2, "Physical "}, {3, 3, "Mental "}},
              {{0, ""}, {4, ""}});
}

TEST(MagicLists, ImmunityZeroIsTwoPowersAndBothEndsAreOpen) {
  expect_list(magic_immunity,
              {{1, 5, "Storm Powers"},
               {6, 9, "Fire Powers"},
               {10, 12, "Water Powers"},
               {13, 13, "Chaos Powers"},
               {14, 18, "Iron"},
               {19, 23, "Other Metals"},
               {24, 27, "Aerial Powers"},
               {28, 31, "Disease and Plague"},
               {32, 35, "Energy Loss"},
               {36, 38, "Poison"},
               {39, 39, "Law Powers"},
               {40, 42, "Telepathic Powers"},
               {43, 46, "Sea Powers"},
               {47, 50, "Desert Powers"},
               {51, 61, "a Spell"},
               {62, 65, "Special Attribute"},
               {66, 66, "Astral Powers"},
               {67, 67, "Balance Powers"},
               {68, 68, "Elder Powers"},
               {69, 72, "Death Powers"},
               {73, 76, "Hell Powers"},
               {77, 77, "Sidh Powers"},
               {78, 81, "Darkness Powers"},
               {82, 85, "Light Powers"},
               {86, 87, "Necromantic Powers"},
               {88, 88, "Shamanic Powers"},
               {89, 91, "Detection"},
               {92, 93, "Shadow Powers"},
               {94, 96, "Earth Powers"},
               {97, 99, "Other Powers"}},
              {{0, "Two Powers, roll manually"},
               {-1, "Storm Powers"},
               {-40, "Storm Powers"},
               {100, "Total Immunity, roll manually"},
               {250, "Total Immunity, roll manually"}});
}

TEST(MagicLists, DetectionIsOpenAtBothEnds) {
  expect_list(magic_detect,
              {{1, 10, "Gold"},
               {11, 16, "Copper"},
               {17, 21, "Iron"},
               {22, 30, "Natural Magic"},
               {31, 35, "Ward Pacts"},
               {36, 43, "all types of Traps"},
               {44, 55, "a Creature Type"},
               {56, 60, "a Supernatural Force"},
               {61, 65, "any Permanent Spell"},
               {66, 73, "Silver"},
               {74, 77, "Brass"},
               {78, 80, "Other Metal"},
               {81, 85, "Mana"},
               {86, 87, "Secret Passages"},
               {88, 88, "Poison"},
               {89, 95, "a Specific Race"},
               {96, 96, "Altar"},
               {97, 100, "Other"}},
              {{0, "Gold"}, {-7, "Gold"}, {101, "Other"}});
}

TEST(MagicLists, DedicationIsOpenAtBothEnds) {
  expect_list(magic_dedic,
              {{1, 15, "Slay a Creature"},
               {16, 20, "Protect Law"},
               {21, 25, "Protect the Elder"},
               {26, 30, "Protect the Sidh"},
               {31, 35, "Protect Shamanic Elder"},
               {36, 45, "Slay a race"},
               {46, 55, "Slay Guardians"},
               {56, 65, "Protect a Creature"},
               {66, 70, "Protect Chaos"},
               {71, 75, "Protect the Kotothi"},
               {76, 80, "Preserve the Balance"},
               {81, 88, "Protect a specific race"},
               {89, 94, "Slay Magic-Users"},
               {95, 96, "Slay Law"},
               {97, 98, "Slay Chaos"},
               {99, 99, "Slay Balance Forces"},
               {100, 100, "Slay Other"}},
              {{0, "Slay a Creature"}, {101, "Slay Other"}});
}

TEST(MagicLists, ListsAppendToWhatIsThere) {
  trs_clear();
  trs_append("Repel or Banish ");
  magic_align(11);
  EXPECT_STREQ(con_trs_txt, "Repel or Banish Shamanic Elder");
}

// A record whose rolls give one short text per family: power row 35, MEL 7
// with EL 3 (under the cap of 4), 9 ounces, an animal part.
all_dice main_dice(int maintype) {
  all_dice d{};
  d.magic.d100_maintype = maintype;
  d.magic.d100_subtype = 35;
  d.magic.d6_2_MEL = 7;
  d.magic.d10_EL = 3;
  d.magic.d10_2_potion_amount = 9;
  d.magic.d3star_NMI_type = 2;
  d.magic.d100_named_sub = 50;
  return d;
}

TEST(MagicMain, MainTableRowBoundaries) {
  const char *potion = "Potion of Luck, MEL 7  EL 3, 9 ounces\n";
  const char *powder = "Powder of Luck, MEL 7  EL 3, 9 ounces\n";
  const char *nmi = "Natural Magic Item : Boar Tusk\n";
  const char *jeweled = "Jeweled Item of Attribute Effect, MEL 7  EL 3\n";
  const char *named = "Named Item : Staff, MEL 14  EL 6\n";
  const char *other = "Other Treasure of Protection, MEL 7  EL 3\n";
  const char *amulet = "Amulet of Luck, MEL 7  EL 3, 9 ounces\n";
  const char *talisman = "Talisman of Attribute Effect, MEL 7  EL 3\n";
  const char *wand = "Wand of Attribute Effect, MEL 7  EL 3\n";
  const char *staff = "Staff of Attribute Effect, MEL 7  EL 3\n";
  const char *special = "Special Magic Item, MEL 14  EL 6\n";
  const std::vector<std::pair<int, const char *>> cases = {
      {0, potion},    {1, potion},   {25, potion},   {26, powder},
      {35, powder},   {36, nmi},     {44, nmi},      {45, jeweled},
      {49, jeweled},  {50, named},   {51, other},    {55, other},
      {56, amulet},   {66, amulet},  {67, talisman}, {75, talisman},
      {91, wand},     {96, wand},    {97, staff},    {99, staff},
      {100, special}, {101, special}};
  for (const auto &[maintype, text] : cases) {
    all_dice d = main_dice(maintype);
    EXPECT_EQ(magic_main(&d), 1) << maintype;
    EXPECT_STREQ(con_trs_txt, text) << maintype;
  }
}

TEST(MagicMain, MagicalMilitaryRowsStartWithTheirPrefix) {
  for (int maintype : {76, 80, 90}) {
    all_dice d = main_dice(maintype);
    magic_main(&d);
    EXPECT_EQ(std::string(con_trs_txt).rfind("Magical ", 0), 0u) << maintype;
  }
}

TEST(MagicMain, ElderAlignmentNamesElder) {
  all_dice d = main_dice(92);
  d.magic.d100_subtype = 87;
  d.magic.d6_2_alignment = 6;
  magic_main(&d);
  EXPECT_STREQ(con_trs_txt,
               "Wand of Magic Power, alignment Elder, MEL 7  EL 3\n");
}

std::string a(int n) { return std::string(n, 'a'); }

struct broken_text {
  std::string text;
  int lines;
};

broken_text break_lines(const std::string &text) {
  trs_clear();
  trs_append(text.c_str());
  int lines = magic_breaklines();
  return {con_trs_txt, lines};
}

TEST(MagicBreakLines, BreaksAtTheLastBlankAtOrBefore79_159_239) {
  const std::string in5 = "\n     ";
  struct {
    std::string in, out;
    int lines;
  } cases[] = {
      // 79 characters with the line end: one line, untouched.
      {a(40) + " " + a(37) + "\n", a(40) + " " + a(37) + "\n", 1},
      // 80: the last of two blanks before index 79 breaks.
      {a(20) + " " + a(19) + " " + a(38) + "\n",
       a(20) + " " + a(19) + in5 + a(38) + "\n", 2},
      // A blank at index 79 itself breaks; the later one stays.
      {a(79) + " " + a(5) + " " + a(5) + "\n",
       a(79) + in5 + a(5) + " " + a(5) + "\n", 2},
      // 159: still one break; the continuation line may pass 80.
      {a(70) + " " + a(70) + " " + a(16) + "\n",
       a(70) + in5 + a(70) + " " + a(16) + "\n", 2},
      // 160: breaks near 159 and 79.
      {a(70) + " " + a(70) + " " + a(17) + "\n",
       a(70) + in5 + a(70) + in5 + a(17) + "\n", 3},
      // 239: two breaks; the blank at 182 stays.
      {a(60) + " " + a(60) + " " + a(60) + " " + a(55) + "\n",
       a(60) + in5 + a(60) + in5 + a(60) + " " + a(55) + "\n", 3},
      // 240: three breaks.
      {a(60) + " " + a(60) + " " + a(60) + " " + a(56) + "\n",
       a(60) + in5 + a(60) + in5 + a(60) + in5 + a(56) + "\n", 4},
      // The break for 159 fell before 79, so the search from 79 finds the
      // last of the inserted blanks and breaks there.
      {a(10) + " " + a(150) + "\n", a(10) + "\n    " + in5 + a(150) + "\n", 3},
  };
  for (const auto &c : cases) {
    broken_text got = break_lines(c.in);
    EXPECT_EQ(got.text, c.out) << c.in.size();
    EXPECT_EQ(got.lines, c.lines) << c.in.size();
  }
}

TEST(MagicBreakLines, TextsLeftWhole) {
  std::string long_text;
  for (int i = 0; i < 31; ++i) long_text += a(9) + " ";
  long_text += a(9) + "\n";  // 320 characters: four or more breaks' worth
  const std::string cases[] = {
      a(85) + "\n",               // no blank at all
      a(90) + " " + a(5) + "\n",  // the only blank lies past 79
      long_text,
  };
  for (const std::string &text : cases) {
    broken_text got = break_lines(text);
    EXPECT_EQ(got.text, text) << text.size();
    EXPECT_EQ(got.lines, 1) << text.size();
  }
}

// Each field at the least or the most its dice give, chosen by one bit of
// mask per field.
void set_extremes(all_dice &d, unsigned mask) {
  int bit = 0;
  auto pick = [&](int32_t &field, int lo, int hi) {
    field = (mask >> (bit++ % 32)) & 1 ? hi : lo;
  };
  magic_dice &m = d.magic;
  pick(m.d6_2_MEL, 2, 12);
  pick(m.d10_EL, 1, 10);
  pick(m.d10_2_potion_amount, 2, 20);
  pick(m.d6_2_cure, 2, 12);
  pick(m.d6_2_alignment, 2, 12);
  pick(m.d100_detection, 1, 100);
  pick(m.d100_immunity, 1, 100);
  pick(m.d100_total_imm, 1, 100);
  pick(m.d100_dedication, 1, 100);
  pick(m.d3star_curse, 1, 3);
  pick(m.d3star_NMI_type, 1, 3);
  pick(m.d10_2_NMI_amount, 2, 20);
  pick(m.d2star_NMI_amount, 1, 2);
  pick(m.d100_HCM, 1, 100);
  pick(m.d100_DAM, 1, 100);
  pick(m.d100_othermagic, 1, 100);
  pick(m.d3star_other_100, 1, 3);
  pick(m.d100_other_3_1, 1, 100);
  pick(m.d100_other_3_2, 1, 100);
  pick(m.d100_other_3_3, 1, 100);
  pick(m.d100_named_sub, 1, 100);
  milit_dice &w = d.milit;
  pick(w.d100_maintype, 1, 100);
  pick(w.d10_NumberFound, 1, 10);
  pick(w.d10_NonHumanM, 1, 10);
  pick(w.d100_NHM_type, 1, 100);
  pick(w.d100_sub_type, 1, 100);
  pick(w.d6_2_amount, 2, 12);
  pick(w.d10_2_amount, 2, 20);
}

TEST(MagicMain, EveryKindAndPowerRowGivesConsistentLines) {
  const unsigned masks[] = {0u, ~0u, 0x55555555u, 0xAAAAAAAAu, 0x0F0F0F0Fu};
  for (unsigned mask : masks) {
    for (int maintype = 1; maintype <= 100; ++maintype) {
      for (int subtype = 1; subtype <= 100; ++subtype) {
        all_dice d{};
        set_extremes(d, mask);
        d.magic.d100_maintype = maintype;
        d.magic.d100_subtype = subtype;
        const int lines = magic_main(&d);
        const std::string text = con_trs_txt;
        int ends = 0;
        for (char c : text) ends += c == '\n';
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '\n') << text;
        EXPECT_GE(lines, 1) << text;
        EXPECT_LE(lines, 4) << text;
        EXPECT_EQ(lines, ends) << text;
        EXPECT_LE(text.find('\n'), 79u) << text;
      }
    }
  }
}

}  // namespace
