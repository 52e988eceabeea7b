// The portable treasure table: what a monster carries on its person. Writes
// the entries of a script's portable section from the monster's portable
// code and text, its generation bits and the answers to its yes/no
// questions. Every count and chance is rolled at the moment its group is
// written, so the order of the writes fixes the order of the dice.
#include <cstdarg>
#include <cstdio>

#include "dice.h"
#include "engine.h"
#include "scriptio.h"
#include "trtext.h"

namespace {

// Portable flags: the monster's generation bits and its yes answers.
constexpr uint32_t ADD_ONE = 0x1;
constexpr uint32_t HAS_PORTABLE = 0x2;
constexpr uint32_t AREA_ITEMS = 0x4;
constexpr uint32_t AREA_ITEMS_TWICE = 0x8;
constexpr uint32_t STATION_ITEMS = 0x20;
constexpr uint32_t KING = 0x100;
constexpr uint32_t ELITE = 0x200;
constexpr uint32_t HUMANOID = 0x400;
constexpr uint32_t MALE = 0x800;
constexpr uint32_t EXCEPTIONAL = 0x1000;
constexpr uint32_t DRESSED = 0x2000;
constexpr uint32_t INTELLIGENT = 0x4000;
constexpr uint32_t MAGIC_USER = 0x8000;

// Selectors of the metal or jewelry selector.
constexpr int METAL_OR_JEWELRY = 0;
constexpr int JEWELRY = 1;
constexpr int METAL = 2;
constexpr int LARGE_JEWELS = 20;
constexpr int JEWELS = 21;
constexpr int GOLD_OR_LARGE_JEWELRY = 40;

constexpr char NO_PORTABLE[] = "Monster has no portable treasure.\n";
constexpr char SEE_BOOK[] = "See Book IV for portable treasure description\n";

struct portable_ctx {
  uint32_t flags;  // portable flags
};

bool chance(int n) { return D100() <= n; }

void textf(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
void textf(const char *fmt, ...) {
  char text[80];
  va_list args;
  va_start(args, fmt);
  std::vsnprintf(text, sizeof text, fmt, args);
  va_end(args);
  script_text(text);
}

void group(int count, int select) { main_metal_or_jewelry(count, select); }

void coin_pouch() {
  if (!chance(30)) return;
  textf("Pouch contains %d coins of mixed type\n", D100());
  group(D2d6(), JEWELS);
}

// ------------------------------------------------------------- the classes

void class_none(const portable_ctx &) {}

void class_1(const portable_ctx &c) {
  if (c.flags & INTELLIGENT) {
    group(D3(), JEWELRY);
    group(D2star(), METAL);
  } else if (chance(60)) {
    script_text("Wineskins, food bags and other common equipment\n");
  }
}

void class_2(const portable_ctx &c) {
  int n = (c.flags & MAGIC_USER) ? 100 : 50;
  if (chance(n)) script_item("L3_MAGICWEAPON");
  if (chance(n)) script_item("L2_CLOTHING");
  if (chance(n)) script_item("L1_MAGIC");
  if (chance(n)) group(D3(), JEWELRY);
  if (chance(n)) group(D3() + 1, METAL);
}

void class_3(const portable_ctx &c) {
  if (c.flags & ELITE) {
    textf("Non-ferrous Armor, AV %d\n", D3star() + 1);
    group(D3(), METAL_OR_JEWELRY);
  }
  if (c.flags & KING) script_item("L1_MAGIC", "ELDER");
}

void class_4(const portable_ctx &c) {
  if (c.flags & DRESSED) {
    script_text("Clothing, grants EL8 Fire Resistance\n");
    script_item("L2_WEAPON", "ONE_ONLY");
    group(D2d6(), LARGE_JEWELS);
  } else {
    script_text(NO_PORTABLE);
  }
}

void class_6(const portable_ctx &) {
  if (chance(40)) {
    script_text("Fine Clothing\nArmor\n");
    script_item("L2_WEAPON", "ONE_ONLY");
    if (chance(50)) script_text("     , Aerial Powers and Storm Powers\n");
  } else {
    script_text(NO_PORTABLE);
  }
}

void class_5(const portable_ctx &c) {
  if (c.flags & EXCEPTIONAL) {
    group(D6(), JEWELRY);
    group(D3(), METAL);
  }
  class_6(c);
}

void class_7(const portable_ctx &) {
  if (chance(40)) {
    group(D3(), METAL);
    group(D2star(), JEWELRY);
  } else {
    script_text(NO_PORTABLE);
  }
}

void class_8(const portable_ctx &c) {
  if (c.flags & MALE) {
    script_text("Crude Jewelry\n");
    script_item("L2_WEAPON", "ONE_ONLY");
  } else {
    script_text("Leather harness with metal clasp\n");
  }
}

void class_9(const portable_ctx &c) {
  if (!(c.flags & HUMANOID)) return;
  group(D3(), METAL);
  group(D2star(), JEWELRY);
  coin_pouch();
}

void class_10(const portable_ctx &) { coin_pouch(); }

void class_11(const portable_ctx &) { group(D3(), JEWELRY); }

void class_12(const portable_ctx &c) {
  if (c.flags & EXCEPTIONAL)
    textf("%d Copper Coins\n", D2d10());
  else
    script_text(SEE_BOOK);
}

void class_13(const portable_ctx &c) {
  script_text((c.flags & MALE) ? "Crude Weapon\nJewelry, valueless\n"
                               : NO_PORTABLE);
}

void class_14(const portable_ctx &) { group(D6(), METAL_OR_JEWELRY); }

// One jewel on 1-10, one piece of jewelry on 11-20, nothing above.
struct single_find_row {
  int hi;
  int select;  // -1: nothing
};
// clang-format off
constexpr single_find_row SINGLE_FINDS[] = {
  {10,  JEWELS},
  {20,  JEWELRY},
  {100, -1},
};
// clang-format on

void class_15(const portable_ctx &c) {
  if (c.flags & MALE) {
    if (chance(30)) script_item("L2_WEAPON", "ONE_ONLY");
    return;
  }
  int select = table_row(SINGLE_FINDS, D100()).select;
  if (select >= 0) group(1, select);
  if (chance(5)) script_item("L1_MAGIC");
}

void class_16(const portable_ctx &c) {
  if (c.flags & MALE) {
    script_item("L2_WEAPON", "ONE_ONLY");
    return;
  }
  group(D3(), JEWELRY);
  if (chance(30)) script_item("L1_MAGIC");
  if (chance(30)) script_item("L1_COINS");
  if (chance(30)) script_item("L2_JEWEL");
}

void class_17(const portable_ctx &) {
  if (chance(20)) script_item("L2_WEAPON", "ONE_ONLY");
  group(D6(), METAL_OR_JEWELRY);
}

void class_18(const portable_ctx &) { group(D6(), GOLD_OR_LARGE_JEWELRY); }

void class_see_book(const portable_ctx &) { script_text(SEE_BOOK); }

struct keyword_find_row {
  int hi;
  const char *keyword;
};
// clang-format off
constexpr keyword_find_row CLASS_20_FINDS[] = {
  {25,  "L1_COINS"},
  {50,  "L2_GEM"},
  {75,  "L2_JEWEL"},
  {100, "L2_JEWELRY"},
};
// clang-format on

void class_20(const portable_ctx &) {
  script_item(table_row(CLASS_20_FINDS, D100()).keyword);
}

void class_21(const portable_ctx &) { group(D2d6(), JEWELRY); }

void class_22(const portable_ctx &) {
  if (chance(10)) script_text("Equivalent of a Dagger\n");
}

// Indexed by the portable class, the high 16 bits of the portable code.
constexpr void (*CLASSES[])(const portable_ctx &) = {
    class_none,     class_1,        class_2,  class_3,        class_4,
    class_5,        class_6,        class_7,  class_8,        class_9,
    class_10,       class_11,       class_12, class_13,       class_14,
    class_15,       class_16,       class_17, class_18,       class_see_book,
    class_20,       class_21,       class_22, class_see_book, class_see_book,
    class_see_book, class_see_book,
};
constexpr uint32_t CLASS_COUNT = sizeof CLASSES / sizeof CLASSES[0];

// --------------------------------------------------------- the extra flags

void extra_fine_clothing(const portable_ctx &) {
  script_text("Fine Clothing, 5 times normal value\n");
}
void extra_disgorged(const portable_ctx &) {
  textf(" %d Disgorged Persons\n", D6());
}
void extra_elven_arrows(const portable_ctx &) {
  textf("%d Elven Arrows\n", D2d10());
}
void extra_elf_shot(const portable_ctx &) {
  textf("%d Elf Shot Arrows\n", D2d6());
}
void extra_jewelry_d3star(const portable_ctx &) { group(D3star(), JEWELRY); }
void extra_jewelry_d2star(const portable_ctx &) { group(D2star(), JEWELRY); }
void extra_copper(const portable_ctx &) { textf("%d Copper Coins\n", D2d10()); }
void extra_magic(const portable_ctx &c) {
  if (!(c.flags & MAGIC_USER)) return;
  for (int n = D3star(); n > 0; --n) script_item("L1_MAGIC");
}
void extra_metal(const portable_ctx &) { group(D3(), METAL); }
void extra_metal_or_jewelry(const portable_ctx &) {
  group(D3(), METAL_OR_JEWELRY);
}
void extra_jewelry_chance(const portable_ctx &) {
  if (chance(25)) group(D6(), JEWELRY);
}

struct extra_row {
  uint32_t mask;
  void (*write)(const portable_ctx &);
};

// In the order they are applied.
// clang-format off
constexpr extra_row EXTRAS[] = {
  {0x1,   extra_fine_clothing},
  {0x2,   extra_disgorged},
  {0x4,   extra_elven_arrows},
  {0x8,   extra_elf_shot},
  {0x10,  extra_jewelry_d3star},
  {0x20,  extra_jewelry_d2star},
  {0x40,  extra_copper},
  {0x80,  extra_magic},
  {0x100, extra_metal},
  {0x200, extra_metal_or_jewelry},
  {0x400, extra_jewelry_chance},
};
// clang-format on

}  // namespace

void main_portable_table(int t_area, uint32_t t_spec, uint32_t t_port,
                         const char *t_port_txt) {
  if (!(t_spec & HAS_PORTABLE)) {
    script_text(NO_PORTABLE);
    return;
  }
  if (t_port_txt && t_port_txt[0] != ' ' && t_port_txt[0] != '\0')
    // Texts in the monster file often lack a final line end ("|"); one is
    // added so the next entry starts a line of its own in the report.
    script_text_line(t_port_txt);

  int add_roll = (t_spec & ADD_ONE) ? 1 : 0;
  int scores = info.c_mon_Stat + info.c_mon_MEL + info.c_mon_CEL;
  if (t_spec & AREA_ITEMS) main_treasure_table(t_area, scores, add_roll);
  if (t_spec & AREA_ITEMS_TWICE)
    main_treasure_table(t_area, 2 * scores, add_roll);
  if ((t_spec & STATION_ITEMS) && D100() <= 10L * info.c_mon_Stat)
    group(D3(), METAL_OR_JEWELRY);

  portable_ctx ctx{t_spec};
  uint32_t cls = t_port >> 16;
  if (cls < CLASS_COUNT) CLASSES[cls](ctx);
  for (const extra_row &e : EXTRAS)
    if (t_port & e.mask) e.write(ctx);
}
