// Books, scrolls and maps: exceptional quality raising the row, coded
// scrolls, treasure scrolls with their accurate map, map accuracy.
#include "table_tests.h"

// Books up to kind 4, scrolls up to scroll kind 7, then maps; 5 Law spells of
// EL 5, medicinal EL 11, map roll 4, area 3, quality x 2.
static dice_record written_dice(int kind, int scroll) {
  dice_record dice{};
  other_dice &o = dice.other;
  o.d10_book_kind = kind, o.d10_scroll_kind = scroll, o.d6_a1_book_excq = 2;
  o.d6_numspell = 5, o.d6_a2_EL = 5, o.d10_alignment = 5;
  o.d10_2_medicEL = 11, o.d6_scrollmap = 4, o.d10_map_area = 3;
  return dice;
}

TEST(OtherWritten, QualityRaisesTheBookRowAndDoublesNotMultipliesTheValue) {
  // clang-format off
  const struct { int book; uint32_t exc; const char *text; } books[] = {
      {78, 0, "Book : Autobiography, 4.0 SC"}, {100, 0, "Book : Minor spell book, contains 2 Law spell, EL 5, 5.0 GC"},
      {100, quality(2), "Book : Tome, EL 9, exceptionally good, 100.0 GC"},
      {84, quality(9) | sized(6, 1), "Book : Magical journal, exceptionally good, exceptionally small -10%, 30.0 SC"},
  };
  // clang-format on
  for (const auto &c : books) {
    dice_record d = written_dice(4, 1);
    d.other.d100_book = c.book;
    EXPECT_EQ(text_of([&] { other_written_item(&d, c.exc); }), c.text);
  }
}

TEST(OtherWritten, ScrollsCodedAndTreasureScrollsWithTheirMap) {
  // clang-format off
  const struct { int scroll, coded, medic_el, scrollmap; uint32_t exc; const char *text; } scrolls[] = {
      {1, 1, 11, 4, 0, "Scroll : Old Message, value 0.0 "},
      {99, 1, 11, 4, 0, "Scroll : Treasure scroll, value 55.0 GC, 1000 GC Treasure Map, 15.0 GC, accurate"},
      {100, 41, 11, 4, 0, "Coded Scroll : Formula, value 6.0 SC"},
      {100, 100, 2, 6, 0, "Coded Scroll : Treasure and Spell Scroll, 1 EL 5 Law spell, value 22.0 GC, Unlimited Treasure Map, accurate"},
      {84, 1, 3, 2, quality(9), "Scroll : Treasure scroll, exceptionally good, value 30.0 GC, 500 GC Treasure Map, 7.0 GC, accurate"},
  };
  // clang-format on
  for (const auto &c : scrolls) {
    dice_record dice = written_dice(5, 7);
    other_dice &o = dice.other;
    o.d100_scroll = c.scroll, o.d100_coded = c.coded;
    o.d10_2_medicEL = c.medic_el, o.d6_scrollmap = c.scrollmap;
    o.d100_map_accu = 99;  // a carried map is accurate all the same
    EXPECT_EQ(text_of([&] { other_written_item(&dice, c.exc); }), c.text);
  }
}

TEST(OtherWritten, MapAccuracyCountsTheRaisedMapRoll) {
  // clang-format off
  const struct { int roll, area, accu; uint32_t exc; const char *text; } maps[] = {
      {1, 1, 0, 0, "10 GC Treasure Map, 7.0 CC, accurate"}, {35, 1, 0, 0, "Unlimited Treasure Map, accurate"},
      {13, 3, 45, 0, "Other World Map, 10.0 GC, major area's, accurate"},  // 45 + 30
      {14, 1, 26, 0, "Metaphysical Map, 50.0 GC, inaccurate"},  // 26 + 50
      {2, 1, 58, quality(9), "1500 GC Treasure Map, 20.0 GC, exceptionally good, accurate"},  // 58 + 17
      {4, 1, 0, quality(9) | sized(1, 80), "3600 GC Treasure Map, 120.0 GC, exceptionally good, exceptionally large +40%, accurate"},
  };
  // clang-format on
  for (const auto &c : maps) {
    dice_record d = written_dice(5, 8);
    d.other.d10_2_map = c.roll, d.other.d10_map_area = c.area;
    d.other.d100_map_accu = c.accu;
    EXPECT_EQ(text_of([&] { other_written_item(&d, c.exc); }), c.text);
  }
}
