// Books, scrolls and maps: table ends, exceptional quality raising the row,
// coded scrolls, treasure scrolls with their accurate map, map accuracy.
#include "table_tests.h"

// clang-format off
// Book kind `kind` (books up to 4), scroll kind `scroll` (scrolls up to 7, then
// maps); 5 spells (Law, EL 5), medicinal EL 11, map roll 4, area 3, quality x 2.
static all_dice written_dice(int kind, int scroll) {
  all_dice dice{};
  other_dice &o = dice.other;
  o.d10_book_kind = kind, o.d10_scroll_kind = scroll, o.d6_a1_book_excq = 2, o.d6_numspell = 5, o.d6_a2_EL = 5;
  o.d10_alignment = 5, o.d10_2_medicEL = 11, o.d6_scrollmap = 4, o.d10_map_area = 3;
  return dice;
}

TEST(OtherWritten, BooksScrollsMapsAccuracyAndExceptionalItems) {
  const struct { int book, numspell, alignment, el; uint32_t t_spec; const char *text; } books[] = {
      { 78, 5,  5, 5, 0, "Book : Autobiography, 4.0 SC"},
      {100, 1,  1, 3, 0, "Book : Minor spell book, contains 0 Chaos spell, EL 3, 5.0 GC"},
      // Quality: 15 rows up, value x 2, never x the 9 in t_spec; a minor spell book holds half the spells.
      { 85, 5,  5, 5, quality(9), "Book : Minor spell book, contains 2 Law spell, EL 5, exceptionally good, 10.0 GC"},
      { 94, 5,  5, 5, quality(9), "Book : Major spell book, contains 5 Law spell, EL 5, exceptionally good, 30.0 GC"},
      {100, 1, 10, 8, quality(2), "Book : Tome, EL 12, exceptionally good, 100.0 GC"},
      // Size: 3 x 1.5; both: 15 x 2 x 1.0 (0.9 is worth 1.0).
      {  1, 5,  5, 5, sized(1, 100), "Book : Common text, exceptionally large +100%, 4.5 CC"},
      { 84, 5,  5, 5, quality(9) | sized(6, 1), "Book : Magical journal, exceptionally good, exceptionally small -10%, 30.0 SC"},
  };
  for (const auto &c : books) {
    all_dice d = written_dice(4, 1);
    d.other.d100_book = c.book, d.other.d6_numspell = c.numspell, d.other.d10_alignment = c.alignment, d.other.d6_a2_EL = c.el;
    EXPECT_EQ(text_of([&] { other_bookmain(&d, c.t_spec); }), c.text) << c.book;
  }
  const struct { int scroll, coded, medic_el, scrollmap; uint32_t t_spec; std::string text; } scrolls[] = {
      {  1,   1, 11, 4, 0, "Scroll : Old Message, value 0.0 "},
      { 51,   1, 11, 4, 0, "Scroll : Medicinal Text, 4 formulas, EL 11, value 7.0 SC"},
      { 71,   1, 11, 4, 0, "Scroll : Magical Formula, EL 5, value 3.0 GC"},
      { 88,   1, 11, 4, 0, "Scroll : Spell Scroll, 1 EL 5 Law spell, value 2.0 GC"},
      { 89,   1, 11, 4, 0, "Scroll : Spell Scroll, 2 EL 5 Law spells, value 3.0 GC"},
      { 95,   1, 11, 4, 0, "Scroll : Spell Scroll, 4 EL 5 Law spells, value 10.0 GC"},
      // Treasure scrolls: 5 x 11 GC with the map of roll 4 + 14; coded: 2 x 5 x 2.
      { 96,   1,  7, 6, 0, "Scroll : Treasure scroll, value 35.0 GC, Unlimited Treasure Map, accurate"},
      { 99,   1, 11, 4, 0, "Scroll : Treasure scroll, value 55.0 GC, 1000 GC Treasure Map, 15.0 GC, accurate"},
      {100,  41, 11, 4, 0, "Coded Scroll : Formula, value 6.0 SC"},
      {100,  96,  2, 1, 0, "Coded Scroll : Treasure scroll, value 20.0 GC, 320 GC Treasure Map, 3.0 GC, accurate"},
      // Quality: 15 rows up and x 2 (not the 9), the carried map ordinary; size: 3 x 0.8.
      { 84,   1,  3, 2, quality(9), "Scroll : Treasure scroll, exceptionally good, value 30.0 GC, 500 GC Treasure Map, 7.0 GC, accurate"},
      { 85,  50, 11, 4, quality(9), "Coded Scroll : Formula, exceptionally good, value 12.0 SC"},
      { 41,   1, 11, 4, sized(6, 91), "Scroll : Formula, exceptionally small -50%, value 2.4 SC"},
  };
  for (const auto &c : scrolls) {
    all_dice dice = written_dice(5, 7);
    other_dice &o = dice.other;
    o.d100_scroll = c.scroll, o.d100_coded = c.coded, o.d10_2_medicEL = c.medic_el, o.d6_scrollmap = c.scrollmap;
    o.d100_map_accu = 99;  // a carried map is accurate all the same, its roll and accuracy recorded
    EXPECT_EQ(text_of([&] { other_bookmain(&dice, c.t_spec); }), c.text) << c.scroll;
    if (c.scroll == 99) { EXPECT_EQ(o.d10_2_map, 18); EXPECT_EQ(o.d100_map_accu, 0); }
  }
  const struct { int roll, area, accu; uint32_t t_spec; const char *text; int raised; } maps[] = {
      { 1,  1,  0, 0, "10 GC Treasure Map, 7.0 CC, accurate", 1},
      {35,  1,  0, 0, "Unlimited Treasure Map, accurate", 35},
      // Areas 3 and 4; accuracy: the roll plus the map roll, or 30 and 50 for the odd maps.
      {13, 3, 45, 0, "Other World Map, 10.0 GC, major area's, accurate", 13}, {13, 4, 46, 0, "Other World Map, 10.0 GC, detailed area, inaccurate", 13},
      {14, 1, 25, 0, "Metaphysical Map, 50.0 GC, accurate", 14},               {14, 1, 26, 0, "Metaphysical Map, 50.0 GC, inaccurate", 14},
      // Quality: roll 2 + 15, value x 2; the raised roll counts for accuracy.
      { 2,  1, 58, quality(9), "1500 GC Treasure Map, 20.0 GC, exceptionally good, accurate", 17},
      { 2,  1, 59, quality(9), "1500 GC Treasure Map, 20.0 GC, exceptionally good, inaccurate", 17},
      { 5,  1,  0, quality(9), "Unlimited Treasure Map, exceptionally good, accurate", 20},
      // Size: 3 x 1.2; both: 2 x 1.2 on roll 4 + 15.
      { 7,  1,  0, sized(1, 88), "City Map, 3.6 BB, exceptionally large +50%, accurate", 7},
      { 4,  1,  0, quality(9) | sized(1, 80), "3600 GC Treasure Map, 120.0 GC, exceptionally good, exceptionally large +40%, accurate", 19},
  };
  for (const auto &c : maps) {
    all_dice d = written_dice(5, 8);
    d.other.d10_2_map = c.roll, d.other.d10_map_area = c.area, d.other.d100_map_accu = c.accu;
    EXPECT_EQ(text_of([&] { other_bookmain(&d, c.t_spec); }), c.text) << c.roll << " " << c.accu;
    EXPECT_EQ(d.other.d10_2_map, c.raised);
  }
}
// clang-format on
