// The magic category's entry: the main magic table, the breaking of a magic
// text into screen lines, and the six power lists the item families name
// their powers with.
#include "tr_magic.h"

#include <cstddef>
#include <cstdio>

#include "table_lookup.h"

namespace {

enum class magic_family {
  potion_powder_amulet,
  natural,
  jewel_talisman_wand_staff,
  named,
  other_treasure,
  military,
  special
};

struct main_row {
  int hi;
  const char *prefix;
  magic_family family;
};

// clang-format off
constexpr main_row main_rows[] = {
  { 25, "Potion of ",            magic_family::potion_powder_amulet     },
  { 35, "Powder of ",            magic_family::potion_powder_amulet     },
  { 44, "Natural Magic Item : ", magic_family::natural                  },
  { 49, "Jeweled Item of ",      magic_family::jewel_talisman_wand_staff },
  { 50, "Named Item : ",         magic_family::named                    },
  { 55, "Other Treasure of ",    magic_family::other_treasure           },
  { 66, "Amulet of ",            magic_family::potion_powder_amulet     },
  { 75, "Talisman of ",          magic_family::jewel_talisman_wand_staff },
  { 90, "Magical ",              magic_family::military                 },
  { 96, "Wand of ",              magic_family::jewel_talisman_wand_staff },
  { 99, "Staff of ",             magic_family::jewel_talisman_wand_staff },
  // The special item's MEL and EL part follows its name directly.
  {100, "Special Magic Item",    magic_family::special                  },
};
static_assert(bounds_ascend(main_rows));

constexpr text_row alignment_rows[] = {
  { 2, "Other Forces"   },
  { 4, "Balance"        },
  { 6, "Elder"          },
  { 7, "Chaos"          },
  { 9, "Law"            },
  {10, "Kotothi"        },
  {11, "Shamanic Elder" },
  {12, "Sidh Elder"     },
};
static_assert(bounds_ascend(alignment_rows));

constexpr text_row cure_rows[] = {
  { 2, "Insanity"                         },
  { 7, "Physical Injury"                  },
  { 9, "Poison"                           },
  {10, "Disease and Plague"               },
  {11, "Energy Point Loss"                },
  {12, "(Two of the List, roll manually)" },
};
static_assert(bounds_ascend(cure_rows));

// Each curse word carries the blank before the "Curse" that follows it.
constexpr text_row curse_rows[] = {
  {1, "Emotional " },
  {2, "Physical "  },
  {3, "Mental "    },
};
static_assert(bounds_ascend(curse_rows));

constexpr text_row immunity_rows[] = {
  // 0 (a total immunity rolled 1) is an exact value inside the storm row;
  // every other value up to 5, negative ones included, is storm.
  { -1, "Storm Powers"                  },
  {  0, "Two Powers, roll manually"     },
  {  5, "Storm Powers"                  },
  {  9, "Fire Powers"                   },
  { 12, "Water Powers"                  },
  { 13, "Chaos Powers"                  },
  { 18, "Iron"                          },
  { 23, "Other Metals"                  },
  { 27, "Aerial Powers"                 },
  { 31, "Disease and Plague"            },
  { 35, "Energy Loss"                   },
  { 38, "Poison"                        },
  { 39, "Law Powers"                    },
  { 42, "Telepathic Powers"             },
  { 46, "Sea Powers"                    },
  { 50, "Desert Powers"                 },
  { 61, "a Spell"                       },
  { 65, "Special Attribute"             },
  { 66, "Astral Powers"                 },
  { 67, "Balance Powers"                },
  { 68, "Elder Powers"                  },
  { 72, "Death Powers"                  },
  { 76, "Hell Powers"                   },
  { 77, "Sidh Powers"                   },
  { 81, "Darkness Powers"               },
  { 85, "Light Powers"                  },
  { 87, "Necromantic Powers"            },
  { 88, "Shamanic Powers"               },
  { 91, "Detection"                     },
  { 93, "Shadow Powers"                 },
  { 96, "Earth Powers"                  },
  { 99, "Other Powers"                  },
  {100, "Total Immunity, roll manually" },
};
static_assert(bounds_ascend(immunity_rows));

constexpr text_row detection_rows[] = {
  { 10, "Gold"                 },
  { 16, "Copper"               },
  { 21, "Iron"                 },
  { 30, "Natural Magic"        },
  { 35, "Ward Pacts"           },
  { 43, "all types of Traps"   },
  { 55, "a Creature Type"      },
  { 60, "a Supernatural Force" },
  { 65, "any Permanent Spell"  },
  { 73, "Silver"               },
  { 77, "Brass"                },
  { 80, "Other Metal"          },
  { 85, "Mana"                 },
  { 87, "Secret Passages"      },
  { 88, "Poison"               },
  { 95, "a Specific Race"      },
  { 96, "Altar"                },
  { 97, "Other"                },
};
static_assert(bounds_ascend(detection_rows));

constexpr text_row dedication_rows[] = {
  { 15, "Slay a Creature"         },
  { 20, "Protect Law"             },
  { 25, "Protect the Elder"       },
  { 30, "Protect the Sidh"        },
  { 35, "Protect Shamanic Elder"  },
  { 45, "Slay a race"             },
  { 55, "Slay Guardians"          },
  { 65, "Protect a Creature"      },
  { 70, "Protect Chaos"           },
  { 75, "Protect the Kotothi"     },
  { 80, "Preserve the Balance"    },
  { 88, "Protect a specific race" },
  { 94, "Slay Magic-Users"        },
  { 96, "Slay Law"                },
  { 98, "Slay Chaos"              },
  { 99, "Slay Balance Forces"     },
  {100, "Slay Other"              },
};
static_assert(bounds_ascend(dedication_rows));
// clang-format on

// Appends the text of the row a list holds for value, if any.
void append_row(item_result &out, const text_row *row) {
  if (row != nullptr) out.append(row->text);
}

// Breaks the text at the last blank at or before index p: the blank gives way
// to a line end and five blanks of indentation. A text without a blank there
// (or shorter than p) is left as it is. Returns whether a break was made.
bool break_at(item_result &out, std::size_t p) {
  if (p >= out.length()) return false;
  std::size_t at = p;
  const char *text = out.text();
  while (text[at] != ' ') {
    if (at == 0) return false;
    --at;
  }
  char broken[RESULT_TEXT_SIZE + 8];
  std::snprintf(broken, sizeof broken, "%.*s\n     %s", static_cast<int>(at),
                text, text + at + 1);
  out.replace(broken);
  return true;
}

}  // namespace

int magic_break_lines(item_result &out) {
  // Highest position first: a break only changes the text from its blank on,
  // so the lower positions still index the text as it stood before.
  static constexpr std::size_t positions[] = {239, 159, 79};
  constexpr std::size_t count = sizeof positions / sizeof positions[0];
  const std::size_t n = out.length() / 80;
  int lines = 1;
  if (n == 0 || n > count) return lines;
  for (std::size_t k = count - n; k < count; ++k)
    if (break_at(out, positions[k])) ++lines;
  return lines;
}

int magic_main(item_result &out, dice_record *dice) {
  out.clear();
  magic_from_main_table(out, dice);
  out.append("\n");
  return magic_break_lines(out);
}

void magic_from_main_table(item_result &out, dice_record *dice) {
  const main_row &row = table_row(main_rows, dice->magic.d100_maintype);
  out.append(row.prefix);
  switch (row.family) {
    case magic_family::potion_powder_amulet:
      magic_potion_powder_amulet(out, dice);
      break;
    case magic_family::natural:
      magic_natural_item(out, dice);
      break;
    case magic_family::jewel_talisman_wand_staff:
      magic_jewel_talisman_wand_staff(out, dice);
      break;
    case magic_family::named:
      magic_named(out, dice->magic.d100_subtype, dice->magic.d6_2_MEL,
                  dice->magic.d10_EL, dice->magic.d100_named_sub);
      break;
    case magic_family::other_treasure:
      magic_other_treasure(out, dice);
      break;
    case magic_family::military:
      magic_military_item(out, dice);
      break;
    case magic_family::special:
      magic_special(out, dice->magic.d6_2_MEL, dice->magic.d10_EL);
      break;
  }
}

void magic_alignment_list(item_result &out, int roll) {
  append_row(out, table_row_in(alignment_rows, roll, 2, 12));
}

void magic_cure_list(item_result &out, int roll) {
  append_row(out, table_row_in(cure_rows, roll, 2, 12));
}

void magic_curse_list(item_result &out, int roll) {
  append_row(out, table_row_in(curse_rows, roll, 1, 3));
}

void magic_immunity_list(item_result &out, int roll) {
  out.append(table_row(immunity_rows, roll).text);
}

void magic_detection_list(item_result &out, int roll) {
  out.append(table_row(detection_rows, roll).text);
}

void magic_dedication_list(item_result &out, int roll) {
  out.append(table_row(dedication_rows, roll).text);
}
