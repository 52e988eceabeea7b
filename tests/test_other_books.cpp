// Books, scrolls and maps: every row of their tables, exceptional quality
// raising the row, coded scrolls, treasure scrolls with their accurate map,
// and the map's accuracy.
#include <gtest/gtest.h>

#include <string>

#include "tr_other.h"
#include "trtext.h"

namespace {

constexpr uint32_t quality(int mult) {
  return EXC_QUALITY | static_cast<uint32_t>(mult) << 4;
}
constexpr uint32_t size(int smla, int roll) {
  return EXC_SIZE | static_cast<uint32_t>(roll) << 12 |
         static_cast<uint32_t>(smla) << 20;
}

// Dice of the written treasure; each case sets the rows it walks.
all_dice written_dice() {
  all_dice dice{};
  dice.other.d6_a1_book_excq = 2;
  dice.other.d6_numspell = 5;
  dice.other.d6_a2_EL = 5;
  dice.other.d10_alignment = 5;  // "Law"
  dice.other.d10_2_medicEL = 11;
  dice.other.d6_scrollmap = 4;
  dice.other.d10_map_area = 3;
  return dice;
}

// clang-format off
TEST(OtherBook, KindRows) {
  struct {
    int book;
    uint32_t t_spec;
    const char *text;
  } const cases[] = {
      {  1, 0, "Book : Common text, 3.0 CC"},
      { 20, 0, "Book : Common text, 3.0 CC"},
      { 21, 0, "Book : Legal text, 2.0 CC"},
      { 28, 0, "Book : Legal text, 2.0 CC"},
      { 29, 0, "Book : Ribald literature, 7.0 CC"},
      { 33, 0, "Book : Ribald literature, 7.0 CC"},
      { 34, 0, "Book : Other literature, 1.0 SC"},
      { 40, 0, "Book : Other literature, 1.0 SC"},
      { 41, 0, "Book : Cultural text, 5.0 SC"},
      { 50, 0, "Book : Cultural text, 5.0 SC"},
      { 51, 0, "Book : General history, 1.0 SC"},
      { 65, 0, "Book : General history, 1.0 SC"},
      { 66, 0, "Book : Specific history, 3.0 SC"},
      { 75, 0, "Book : Specific history, 3.0 SC"},
      { 76, 0, "Book : Biography, 2.0 SC"},
      { 77, 0, "Book : Biography, 2.0 SC"},
      { 78, 0, "Book : Autobiography, 4.0 SC"},
      { 79, 0, "Book : Philosophical journal, 2.0 GC"},
      { 85, 0, "Book : Philosophical journal, 2.0 GC"},
      { 86, 0, "Book : Travel journal, 6.0 SC"},
      { 95, 0, "Book : Travel journal, 6.0 SC"},
      { 96, 0, "Book : Magical journal, 15.0 SC"},
      { 99, 0, "Book : Magical journal, 15.0 SC"},
      {100, 0, "Book : Minor spell book, contains 2 Law spell, EL 5, 5.0 GC"},
      // Exceptional quality: 15 rows up, value x 2, never x the 9 in t_spec.
      { 84, quality(9), "Book : Magical journal, exceptionally good, 30.0 SC"},
      { 85, quality(9), "Book : Minor spell book, contains 2 Law spell, EL 5, exceptionally good, 10.0 GC"},
      { 93, quality(9), "Book : Minor spell book, contains 2 Law spell, EL 5, exceptionally good, 10.0 GC"},
      { 94, quality(9), "Book : Major spell book, contains 5 Law spell, EL 5, exceptionally good, 30.0 GC"},
      { 99, quality(9), "Book : Major spell book, contains 5 Law spell, EL 5, exceptionally good, 30.0 GC"},
      {100, quality(9), "Book : Tome, EL 9, exceptionally good, 100.0 GC"},
      // Size: 3 x 1.5; both: 15 x 2 x 1.0 (0.9 is worth 1.0).
      {  1, size(1, 100), "Book : Common text, exceptionally large +100%, 4.5 CC"},
      { 84, quality(9) | size(6, 1), "Book : Magical journal, exceptionally good, exceptionally small -10%, 30.0 SC"},
  };
  for (const auto &c : cases) {
    all_dice dice = written_dice();
    dice.other.d100_book = c.book;
    trs_clear();
    other_book(&dice, c.t_spec);
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.book;
  }
}

TEST(OtherBook, SpellCountsAndAlignments) {
  struct {
    int book, numspell, alignment, el;
    uint32_t t_spec;
    const char *text;
  } const cases[] = {
      {100, 1,  1, 3, 0, "Book : Minor spell book, contains 0 Chaos spell, EL 3, 5.0 GC"},
      {100, 6,  3, 8, 0, "Book : Minor spell book, contains 3 Chaos spell, EL 8, 5.0 GC"},
      {100, 6,  4, 3, 0, "Book : Minor spell book, contains 3 Law spell, EL 3, 5.0 GC"},
      {100, 6,  6, 3, 0, "Book : Minor spell book, contains 3 Law spell, EL 3, 5.0 GC"},
      {100, 6,  7, 3, 0, "Book : Minor spell book, contains 3 Balance spell, EL 3, 5.0 GC"},
      {100, 6,  8, 3, 0, "Book : Minor spell book, contains 3 Balance spell, EL 3, 5.0 GC"},
      {100, 6,  9, 3, 0, "Book : Minor spell book, contains 3 Elder spell, EL 3, 5.0 GC"},
      { 95, 1, 10, 8, quality(2), "Book : Major spell book, contains 1 Elder spell, EL 8, exceptionally good, 30.0 GC"},
      {100, 1, 10, 8, quality(2), "Book : Tome, EL 12, exceptionally good, 100.0 GC"},
  };
  for (const auto &c : cases) {
    all_dice dice = written_dice();
    dice.other.d100_book = c.book;
    dice.other.d6_numspell = c.numspell;
    dice.other.d10_alignment = c.alignment;
    dice.other.d6_a2_EL = c.el;
    trs_clear();
    other_book(&dice, c.t_spec);
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.book;
  }
}

TEST(OtherScroll, KindRows) {
  // Treasure scrolls: 5 x 11 = 55 GC and the map of roll 4 + 14 = 18.
  const std::string map18 = ", 1000 GC Treasure Map, 15.0 GC, accurate";
  struct {
    int scroll;
    std::string text;
  } const cases[] = {
      { 1, "Scroll : Old Message, value 0.0 "},
      {10, "Scroll : Old Message, value 0.0 "},
      {11, "Scroll : Valuable Message, value 1.0 CC"},
      {15, "Scroll : Valuable Message, value 1.0 CC"},
      {16, "Scroll : Inventory, value 3.0 BB"},
      {25, "Scroll : Inventory, value 3.0 BB"},
      {26, "Scroll : Old Letter, value 0.0 "},
      {35, "Scroll : Old Letter, value 0.0 "},
      {36, "Scroll : Valuable Letter, value 1.0 SC"},
      {40, "Scroll : Valuable Letter, value 1.0 SC"},
      {41, "Scroll : Formula, value 3.0 SC"},
      {50, "Scroll : Formula, value 3.0 SC"},
      {51, "Scroll : Medicinal Text, 4 formulas, EL 11, value 7.0 SC"},
      {57, "Scroll : Medicinal Text, 4 formulas, EL 11, value 7.0 SC"},
      {58, "Scroll : Old Proclamation, value 3.0 CC"},
      {65, "Scroll : Old Proclamation, value 3.0 CC"},
      {66, "Scroll : Valuable Proclamation, value 10.0 SC"},
      {70, "Scroll : Valuable Proclamation, value 10.0 SC"},
      {71, "Scroll : Magical Formula, EL 5, value 3.0 GC"},
      {80, "Scroll : Magical Formula, EL 5, value 3.0 GC"},
      {81, "Scroll : Spell Scroll, 1 EL 5 Law spell, value 2.0 GC"},
      {88, "Scroll : Spell Scroll, 1 EL 5 Law spell, value 2.0 GC"},
      {89, "Scroll : Spell Scroll, 2 EL 5 Law spells, value 3.0 GC"},
      {92, "Scroll : Spell Scroll, 2 EL 5 Law spells, value 3.0 GC"},
      {93, "Scroll : Spell Scroll, 4 EL 5 Law spells, value 10.0 GC"},
      {95, "Scroll : Spell Scroll, 4 EL 5 Law spells, value 10.0 GC"},
      {96, "Scroll : Treasure scroll, value 55.0 GC" + map18},
      {99, "Scroll : Treasure scroll, value 55.0 GC" + map18},
  };
  for (const auto &c : cases) {
    all_dice dice = written_dice();
    dice.other.d100_scroll = c.scroll;
    trs_clear();
    other_scroll(&dice, 0);
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.scroll;
  }
}

TEST(OtherScroll, CodedAndExceptionalScrolls) {
  struct {
    int scroll, coded, medic_el, scrollmap;
    uint32_t t_spec;
    const char *text;
  } const cases[] = {
      {100,   1, 11, 4, 0, "Coded Scroll : Old Message, value 0.0 "},
      {100,  41, 11, 4, 0, "Coded Scroll : Formula, value 6.0 SC"},
      // A coded treasure scroll: 2 x 5 x 2, with an accurate map.
      {100,  96,  2, 1, 0, "Coded Scroll : Treasure scroll, value 20.0 GC, 320 GC Treasure Map, 3.0 GC, accurate"},
      // Treasure and spell scroll: 2 x 10 + 2; map roll 20 has no value.
      {100, 100,  2, 6, 0, "Coded Scroll : Treasure and Spell Scroll, 1 EL 5 Law spell, value 22.0 GC, Unlimited Treasure Map, accurate"},
      { 96,   1,  7, 6, 0, "Scroll : Treasure scroll, value 35.0 GC, Unlimited Treasure Map, accurate"},
      // Quality: 15 rows up and x 2 (the 9 in t_spec unused); the map it
      // carries is an ordinary one.
      {  1,   1, 11, 4, quality(9), "Scroll : Inventory, exceptionally good, value 6.0 BB"},
      { 84,   1,  3, 2, quality(9), "Scroll : Treasure scroll, exceptionally good, value 30.0 GC, 500 GC Treasure Map, 7.0 GC, accurate"},
      { 85,  50, 11, 4, quality(9), "Coded Scroll : Formula, exceptionally good, value 12.0 SC"},
      // Size: 3 x 0.8.
      { 41,   1, 11, 4, size(6, 91), "Scroll : Formula, exceptionally small -50%, value 2.4 SC"},
  };
  for (const auto &c : cases) {
    all_dice dice = written_dice();
    dice.other.d100_scroll = c.scroll;
    dice.other.d100_coded = c.coded;
    dice.other.d10_2_medicEL = c.medic_el;
    dice.other.d6_scrollmap = c.scrollmap;
    dice.other.d100_map_accu = 99;  // a carried map is accurate all the same
    trs_clear();
    other_scroll(&dice, c.t_spec);
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.scroll;
  }
}
// clang-format on

TEST(OtherScroll, TreasureScrollWritesItsMapIntoTheRecord) {
  all_dice dice = written_dice();
  dice.other.d100_scroll = 97;
  dice.other.d6_scrollmap = 3;
  dice.other.d10_2_map = 2;
  dice.other.d100_map_accu = 80;
  trs_clear();
  other_scroll(&dice, 0);
  EXPECT_EQ(dice.other.d10_2_map, 17);
  EXPECT_EQ(dice.other.d100_map_accu, 0);
}

// clang-format off
TEST(OtherMap, MapRows) {
  struct {
    int roll, area;
    const char *text;
  } const cases[] = {
      { 1,  1, "10 GC Treasure Map, 7.0 CC, accurate"},
      { 2,  1, "10 GC Treasure Map, 7.0 CC, accurate"},
      { 3,  1, "20 GC Treasure Map, 2.0 SC, accurate"},
      { 4,  1, "40 GC Treasure Map, 3.0 SC, accurate"},
      { 5,  1, "80 GC Treasure Map, 5.0 SC, accurate"},
      { 6,  1, "160 GC Treasure Map, 2.0 GC, accurate"},
      { 7,  1, "City Map, 3.0 BB, accurate"},
      { 8,  1, "Province Map, 7.0 BB, accurate"},
      { 9,  1, "National Map, 3.0 CC, accurate"},
      {10,  1, "Area Map, 7.0 CC, accurate"},
      {11,  1, "Continental Map, 3.0 SC, accurate"},
      {12,  1, "World Map, 2.0 GC, accurate"},
      {13,  1, "Other World Map, 10.0 GC, major area's, accurate"},
      {13,  3, "Other World Map, 10.0 GC, major area's, accurate"},
      {13,  4, "Other World Map, 10.0 GC, detailed area, accurate"},
      {13, 10, "Other World Map, 10.0 GC, detailed area, accurate"},
      {14,  1, "Metaphysical Map, 50.0 GC, accurate"},
      {15,  1, "320 GC Treasure Map, 3.0 GC, accurate"},
      {16,  1, "500 GC Treasure Map, 7.0 GC, accurate"},
      {17,  1, "750 GC Treasure Map, 10.0 GC, accurate"},
      {18,  1, "1000 GC Treasure Map, 15.0 GC, accurate"},
      {19,  1, "1500 GC Treasure Map, 50.0 GC, accurate"},
      {20,  1, "Unlimited Treasure Map, accurate"},
      {35,  1, "Unlimited Treasure Map, accurate"},
  };
  for (const auto &c : cases) {
    all_dice dice = written_dice();
    dice.other.d10_2_map = c.roll;
    dice.other.d10_map_area = c.area;
    trs_clear();
    other_map(&dice, 0);
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.roll;
  }
}

TEST(OtherMap, AccuracyAndExceptionalMaps) {
  struct {
    int roll, accu;
    uint32_t t_spec;
    const char *text;
    int raised;
  } const cases[] = {
      {13, 45, 0, "Other World Map, 10.0 GC, major area's, accurate", 13},
      {13, 46, 0, "Other World Map, 10.0 GC, major area's, inaccurate", 13},
      {14, 25, 0, "Metaphysical Map, 50.0 GC, accurate", 14},
      {14, 26, 0, "Metaphysical Map, 50.0 GC, inaccurate", 14},
      { 2, 73, 0, "10 GC Treasure Map, 7.0 CC, accurate", 2},
      { 2, 74, 0, "10 GC Treasure Map, 7.0 CC, inaccurate", 2},
      {20, 55, 0, "Unlimited Treasure Map, accurate", 20},
      {20, 56, 0, "Unlimited Treasure Map, inaccurate", 20},
      // Quality: roll 2 + 15, value x 2; the raised roll counts for accuracy.
      { 2, 58, quality(9), "1500 GC Treasure Map, 20.0 GC, exceptionally good, accurate", 17},
      { 2, 59, quality(9), "1500 GC Treasure Map, 20.0 GC, exceptionally good, inaccurate", 17},
      { 5,  0, quality(9), "Unlimited Treasure Map, exceptionally good, accurate", 20},
      // Size: 3 x 1.2; both: 2 x 1.2 on roll 4 + 15.
      { 7,  0, size(1, 88), "City Map, 3.6 BB, exceptionally large +50%, accurate", 7},
      { 4,  0, quality(9) | size(1, 80), "3600 GC Treasure Map, 120.0 GC, exceptionally good, exceptionally large +40%, accurate", 19},
  };
  for (const auto &c : cases) {
    all_dice dice = written_dice();
    dice.other.d10_2_map = c.roll;
    dice.other.d100_map_accu = c.accu;
    trs_clear();
    other_map(&dice, c.t_spec);
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.roll << " " << c.accu;
    EXPECT_EQ(dice.other.d10_2_map, c.raised);
  }
}

TEST(OtherBookmain, BookScrollOrMap) {
  struct {
    int book_kind, scroll_kind;
    const char *text;
  } const cases[] = {
      { 1,  1, "Book : Common text, 3.0 CC\n"},
      { 4, 10, "Book : Common text, 3.0 CC\n"},
      { 5,  1, "Scroll : Formula, value 3.0 SC\n"},
      {10,  7, "Scroll : Formula, value 3.0 SC\n"},
      { 5,  8, "City Map, 3.0 BB, accurate\n"},
      {10, 10, "City Map, 3.0 BB, accurate\n"},
  };
  for (const auto &c : cases) {
    all_dice dice = written_dice();
    dice.other.d100_maintype = 81;
    dice.other.d10_book_kind = c.book_kind;
    dice.other.d10_scroll_kind = c.scroll_kind;
    dice.other.d100_book = 1;
    dice.other.d100_scroll = 41;
    dice.other.d10_2_map = 7;
    EXPECT_EQ(other_main(&dice), 1);
    EXPECT_EQ(std::string(con_trs_txt), c.text) << c.book_kind << " " << c.scroll_kind;
  }
}
// clang-format on

}  // namespace
