// The portable treasure table: what a monster carries on its person. Writes
// the entries of a script's portable section from the monster's portable
// code and text, its generation bits and the answers to its yes/no
// questions. Every count and chance is rolled at the moment its group is
// written, so the order of the writes fixes the order of the dice.
#include "portable_writer.h"

#include "area_writer.h"
#include "dice.h"
#include "table_lookup.h"

namespace {

using pick = metal_or_jewelry;
constexpr pick METAL_OR_JEWELRY = pick::either;
constexpr pick JEWELRY = pick::jewelry;
constexpr pick METAL = pick::metal;
constexpr pick LARGE_JEWELS = pick::large_jewels;
constexpr pick JEWELS = pick::jewels;
constexpr pick GOLD_OR_LARGE_JEWELRY = pick::gold_or_large_jewelry;

constexpr char NO_PORTABLE[] = "Monster has no portable treasure.\n";
constexpr char SEE_BOOK[] = "See Book IV for portable treasure description\n";

struct portable_ctx {
  script_writer &w;
  uint32_t flags;  // generation bits and yes answers
};

bool chance(int n) { return d100() <= n; }

// A formatted text entry of the script.
using entry_text = fixed_text<80>;

void group(const portable_ctx &c, int count, pick select) {
  write_metal_or_jewelry(c.w, count, select);
}

void coin_pouch(const portable_ctx &c) {
  if (!chance(30)) return;
  c.w.text(entry_text()
               .appendf("Pouch contains %d coins of mixed type\n", d100())
               .text());
  group(c, two_d6(), JEWELS);
}

// ------------------------------------------------------------- the classes

// A portable class is the kind of what a monster carries on its person, as
// the monster file's portable code names it (the class times 0x10000): class
// N is written by class_N, in the game's own numbering; 19 and 23 to 26 are
// described in the rule book only, 0 carries nothing.

void class_none(const portable_ctx &) {}

void class_1(const portable_ctx &c) {
  if (c.flags & INTELLIGENT) {
    group(c, d3(), JEWELRY);
    group(c, d2_star(), METAL);
  } else if (chance(60)) {
    c.w.text("Wineskins, food bags and other common equipment\n");
  }
}

void class_2(const portable_ctx &c) {
  int n = (c.flags & MAGIC_USER) ? 100 : 50;
  if (chance(n)) c.w.item("L3_MAGICWEAPON");
  if (chance(n)) c.w.item("L2_CLOTHING");
  if (chance(n)) c.w.item("L1_MAGIC");
  if (chance(n)) group(c, d3(), JEWELRY);
  if (chance(n)) group(c, d3() + 1, METAL);
}

void class_3(const portable_ctx &c) {
  if (c.flags & ELITE) {
    c.w.text(entry_text()
                 .appendf("Non-ferrous Armor, AV %d\n", d3_star() + 1)
                 .text());
    group(c, d3(), METAL_OR_JEWELRY);
  }
  if (c.flags & KING) c.w.item("L1_MAGIC", "ELDER");
}

void class_4(const portable_ctx &c) {
  if (c.flags & DRESSED) {
    c.w.text("Clothing, grants EL8 Fire Resistance\n");
    c.w.item("L2_WEAPON", "ONE_ONLY");
    group(c, two_d6(), LARGE_JEWELS);
  } else {
    c.w.text(NO_PORTABLE);
  }
}

void class_6(const portable_ctx &c) {
  if (chance(40)) {
    c.w.text("Fine Clothing\nArmor\n");
    c.w.item("L2_WEAPON", "ONE_ONLY");
    if (chance(50)) c.w.text("     , Aerial Powers and Storm Powers\n");
  } else {
    c.w.text(NO_PORTABLE);
  }
}

void class_5(const portable_ctx &c) {
  if (c.flags & EXCEPTIONAL) {
    group(c, d6(), JEWELRY);
    group(c, d3(), METAL);
  }
  class_6(c);
}

void class_7(const portable_ctx &c) {
  if (chance(40)) {
    group(c, d3(), METAL);
    group(c, d2_star(), JEWELRY);
  } else {
    c.w.text(NO_PORTABLE);
  }
}

void class_8(const portable_ctx &c) {
  if (c.flags & MALE) {
    c.w.text("Crude Jewelry\n");
    c.w.item("L2_WEAPON", "ONE_ONLY");
  } else {
    c.w.text("Leather harness with metal clasp\n");
  }
}

void class_9(const portable_ctx &c) {
  if (!(c.flags & HUMANOID)) return;
  group(c, d3(), METAL);
  group(c, d2_star(), JEWELRY);
  coin_pouch(c);
}

void class_10(const portable_ctx &c) { coin_pouch(c); }

void class_11(const portable_ctx &c) { group(c, d3(), JEWELRY); }

void class_12(const portable_ctx &c) {
  if (c.flags & EXCEPTIONAL)
    c.w.text(entry_text().appendf("%d Copper Coins\n", two_d10()).text());
  else
    c.w.text(SEE_BOOK);
}

void class_13(const portable_ctx &c) {
  c.w.text((c.flags & MALE) ? "Crude Weapon\nJewelry, valueless\n"
                            : NO_PORTABLE);
}

void class_14(const portable_ctx &c) { group(c, d6(), METAL_OR_JEWELRY); }

// One jewel on 1-10, one piece of jewelry on 11-20, nothing above.
struct single_find_row {
  int hi;
  bool found;
  pick select;
};
// clang-format off
constexpr single_find_row single_find_rows[] = {
  {10,  true,  JEWELS},
  {20,  true,  JEWELRY},
  {100, false, JEWELS},
};
static_assert(bounds_ascend(single_find_rows));
// clang-format on

void class_15(const portable_ctx &c) {
  if (c.flags & MALE) {
    if (chance(30)) c.w.item("L2_WEAPON", "ONE_ONLY");
    return;
  }
  const single_find_row &find = table_row(single_find_rows, d100());
  if (find.found) group(c, 1, find.select);
  if (chance(5)) c.w.item("L1_MAGIC");
}

void class_16(const portable_ctx &c) {
  if (c.flags & MALE) {
    c.w.item("L2_WEAPON", "ONE_ONLY");
    return;
  }
  group(c, d3(), JEWELRY);
  if (chance(30)) c.w.item("L1_MAGIC");
  if (chance(30)) c.w.item("L1_COINS");
  if (chance(30)) c.w.item("L2_JEWEL");
}

void class_17(const portable_ctx &c) {
  if (chance(20)) c.w.item("L2_WEAPON", "ONE_ONLY");
  group(c, d6(), METAL_OR_JEWELRY);
}

void class_18(const portable_ctx &c) { group(c, d6(), GOLD_OR_LARGE_JEWELRY); }

void class_see_book(const portable_ctx &c) { c.w.text(SEE_BOOK); }

struct keyword_find_row {
  int hi;
  const char *keyword;
};
// clang-format off
constexpr keyword_find_row class_20_find_rows[] = {
  {25,  "L1_COINS"},
  {50,  "L2_GEM"},
  {75,  "L2_JEWEL"},
  {100, "L2_JEWELRY"},
};
static_assert(bounds_ascend(class_20_find_rows));
// clang-format on

void class_20(const portable_ctx &c) {
  c.w.item(table_row(class_20_find_rows, d100()).keyword);
}

void class_21(const portable_ctx &c) { group(c, two_d6(), JEWELRY); }

void class_22(const portable_ctx &c) {
  if (chance(10)) c.w.text("Equivalent of a Dagger\n");
}

// Indexed by the portable class, the high 16 bits of the portable code.
constexpr void (*class_rows[])(const portable_ctx &c) = {
    class_none,     class_1,        class_2,  class_3,        class_4,
    class_5,        class_6,        class_7,  class_8,        class_9,
    class_10,       class_11,       class_12, class_13,       class_14,
    class_15,       class_16,       class_17, class_18,       class_see_book,
    class_20,       class_21,       class_22, class_see_book, class_see_book,
    class_see_book, class_see_book,
};
constexpr uint32_t CLASS_COUNT = sizeof class_rows / sizeof class_rows[0];
static_assert(CLASS_COUNT == PORTABLE_CLASSES.hi + 1, "class 0 and each class");

// --------------------------------------------------------- the extra flags

void extra_fine_clothing(const portable_ctx &c) {
  c.w.text("Fine Clothing, 5 times normal value\n");
}
void extra_disgorged(const portable_ctx &c) {
  c.w.text(entry_text().appendf(" %d Disgorged Persons\n", d6()).text());
}
void extra_elven_arrows(const portable_ctx &c) {
  c.w.text(entry_text().appendf("%d Elven Arrows\n", two_d10()).text());
}
void extra_elf_shot(const portable_ctx &c) {
  c.w.text(entry_text().appendf("%d Elf Shot Arrows\n", two_d6()).text());
}
void extra_jewelry_d3star(const portable_ctx &c) {
  group(c, d3_star(), JEWELRY);
}
void extra_jewelry_d2star(const portable_ctx &c) {
  group(c, d2_star(), JEWELRY);
}
void extra_copper(const portable_ctx &c) {
  c.w.text(entry_text().appendf("%d Copper Coins\n", two_d10()).text());
}
void extra_magic(const portable_ctx &c) {
  if (!(c.flags & MAGIC_USER)) return;
  for (int n = d3_star(); n > 0; --n) c.w.item("L1_MAGIC");
}
void extra_metal(const portable_ctx &c) { group(c, d3(), METAL); }
void extra_metal_or_jewelry(const portable_ctx &c) {
  group(c, d3(), METAL_OR_JEWELRY);
}
void extra_jewelry_chance(const portable_ctx &c) {
  if (chance(25)) group(c, d6(), JEWELRY);
}

struct extra_row {
  uint32_t mask;
  void (*write)(const portable_ctx &c);
  const char *name;  // what the flag adds, in words
};

// In the order they are applied.
// clang-format off
constexpr extra_row extra_rows[] = {
  {0x1,   extra_fine_clothing,    "fine clothing"},
  {0x2,   extra_disgorged,        "disgorged persons"},
  {0x4,   extra_elven_arrows,     "elven arrows"},
  {0x8,   extra_elf_shot,         "elf shot arrows"},
  {0x10,  extra_jewelry_d3star,   "d3* jewelry"},
  {0x20,  extra_jewelry_d2star,   "d2* jewelry"},
  {0x40,  extra_copper,           "copper coins"},
  {0x80,  extra_magic,            "magic items of a magic user"},
  {0x100, extra_metal,            "d3 metal"},
  {0x200, extra_metal_or_jewelry, "d3 metal or jewelry"},
  {0x400, extra_jewelry_chance,   "25% chance of d6 jewelry"},
};
// clang-format on

}  // namespace

uint32_t portable_class(uint32_t portable_code) { return portable_code >> 16; }

bool portable_class_known(uint32_t portable_code) {
  return portable_class(portable_code) < CLASS_COUNT;
}

const char *portable_extra_flag_name(uint32_t bit) {
  for (const extra_row &e : extra_rows)
    if (e.mask == bit) return e.name;
  return nullptr;
}

void write_portable_items(script_writer &w, const portable_input &in) {
  if (!(in.flags & HAS_PORTABLE)) {
    w.text(NO_PORTABLE);
    return;
  }
  const char *text = in.portable_text;
  if (text && text[0] != ' ' && text[0] != '\0')
    // Texts in the monster file often lack a final line end ("|"); one is
    // added so the next entry starts a line of its own in the report.
    w.text_line(text);

  int add_roll = (in.flags & ADD_ONE) ? 1 : 0;
  int scores = in.station + in.mel + in.cel;
  if (in.flags & SCORES_STATION_EXTRA)
    write_area_items(w, in.area, scores, add_roll);
  if (in.flags & SCORES_MEL_EXTRA)
    write_area_items(w, in.area, 2 * scores, add_roll);

  portable_ctx ctx{w, in.flags};
  if ((in.flags & HAS_STATION) && d100() <= 10L * in.station)
    group(ctx, d3(), METAL_OR_JEWELRY);

  uint32_t cls = portable_class(in.portable_code);
  if (cls < CLASS_COUNT) class_rows[cls](ctx);
  for (const extra_row &e : extra_rows)
    if (in.portable_code & e.mask) e.write(ctx);
}
