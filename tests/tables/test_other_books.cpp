// Books, scrolls and maps: exceptional quality raising the row, coded
// scrolls, treasure scrolls with their accurate map, map accuracy.
#include "table_tests.h"

// A book (kind 4), a scroll (kind 5, scroll kind 7) or a map (kind 5, scroll
// kind 8); 5 Law spells of EL 5, medicinal EL 11, map roll 4, area 3,
// quality x 2.
TEST(OtherWritten, QualityRaisesTheRowAndMapAccuracyCountsTheRaisedRoll) {
  using set = void (*)(other_dice &);
  // clang-format off
  const struct { set dice; uint32_t exc; const char *text; } cases[] = {
      {[](other_dice &o) { o.d10_book_kind = 4, o.d100_book = 78; }, 0, "Book : Autobiography, 4.0 SC"},
      {[](other_dice &o) { o.d10_book_kind = 4, o.d100_book = 100; }, 0, "Book : Minor spell book, contains 2 Law spell, EL 5, 5.0 GC"},
      {[](other_dice &o) { o.d10_book_kind = 4, o.d100_book = 100; }, quality(2), "Book : Tome, EL 9, exceptionally good, 100.0 GC"},
      {[](other_dice &o) { o.d10_book_kind = 4, o.d100_book = 84; }, quality(9) | sized(6, 1), "Book : Magical journal, exceptionally good, exceptionally small -10%, 30.0 SC"},
      // A carried map is accurate whatever its accuracy roll.
      {[](other_dice &o) { o.d100_scroll = 1, o.d100_coded = 1; }, 0, "Scroll : Old Message, value 0.0 "},
      {[](other_dice &o) { o.d100_scroll = 99, o.d100_coded = 1; }, 0, "Scroll : Treasure scroll, value 55.0 GC, 1000 GC Treasure Map, 15.0 GC, accurate"},
      {[](other_dice &o) { o.d100_scroll = 100, o.d100_coded = 41; }, 0, "Coded Scroll : Formula, value 6.0 SC"},
      {[](other_dice &o) { o.d100_scroll = 100, o.d100_coded = 100, o.d10_2_scroll_number = 2, o.d6_scrollmap = 6; }, 0,
       "Coded Scroll : Treasure and Spell Scroll, 1 EL 5 Law spell, value 22.0 GC, Unlimited Treasure Map, accurate"},
      {[](other_dice &o) { o.d100_scroll = 84, o.d100_coded = 1, o.d10_2_scroll_number = 3, o.d6_scrollmap = 2; }, quality(9),
       "Scroll : Treasure scroll, exceptionally good, value 30.0 GC, 500 GC Treasure Map, 7.0 GC, accurate"},
      {[](other_dice &o) { o.d10_scroll_kind = 8, o.d10_2_map = 1, o.d10_map_area = 1, o.d100_map_accu = 0; }, 0, "10 GC Treasure Map, 7.0 CC, accurate"},
      {[](other_dice &o) { o.d10_scroll_kind = 8, o.d10_2_map = 35, o.d10_map_area = 1, o.d100_map_accu = 0; }, 0, "Unlimited Treasure Map, accurate"},
      {[](other_dice &o) { o.d10_scroll_kind = 8, o.d10_2_map = 13, o.d100_map_accu = 45; }, 0, "Other World Map, 10.0 GC, major area's, accurate"},  // 45 + 30
      {[](other_dice &o) { o.d10_scroll_kind = 8, o.d10_2_map = 14, o.d10_map_area = 1, o.d100_map_accu = 26; }, 0, "Metaphysical Map, 50.0 GC, inaccurate"},  // 26 + 50
      {[](other_dice &o) { o.d10_scroll_kind = 8, o.d10_2_map = 2, o.d10_map_area = 1, o.d100_map_accu = 58; }, quality(9), "1500 GC Treasure Map, 20.0 GC, exceptionally good, accurate"},  // 58 + 17
      {[](other_dice &o) { o.d10_scroll_kind = 8, o.d10_2_map = 4, o.d10_map_area = 1, o.d100_map_accu = 0; }, quality(9) | sized(1, 80),
       "3600 GC Treasure Map, 120.0 GC, exceptionally good, exceptionally large +40%, accurate"},
  };
  // clang-format on
  for (const auto &c : cases) {
    dice_record d{};
    other_dice &o = d.other;
    o.d10_book_kind = 5, o.d10_scroll_kind = 7, o.d6_plus_1_exc_quality = 2;
    o.d6_numspell = 5, o.d6_plus_2_EL = 5, o.d10_alignment = 5;
    o.d10_2_scroll_number = 11, o.d6_scrollmap = 4, o.d10_map_area = 3;
    o.d100_map_accu = 99;
    c.dice(o);
    EXPECT_EQ(text_of([&] { other_written_item(out, &d, c.exc); }), c.text);
  }
}
