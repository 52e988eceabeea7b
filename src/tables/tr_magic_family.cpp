// The manufactured magic item families: potions, powders and amulets;
// jeweled items, talismans, wands and staffs; magical other treasure; named
// items; special items. Also the steps every manufactured item shares: the EL
// cap, the MEL and EL part, the immunity entry and the curse entry.
#include "tr_magic.h"
#include "trtext.h"

namespace {

// What follows a power's text: nothing, or an entry from a power list.
enum class power_list { none, cure, align, detect, immunity, negation, curse };

struct power_row {
  int hi;
  const char *text;
  power_list list;
};

// clang-format off
constexpr power_row aepp_rows[] = {
  { 20, "Cure ",            power_list::cure     },
  { 30, "",                 power_list::immunity },
  { 34, "Communicate",      power_list::none     },
  { 35, "Luck",             power_list::none     },
  { 45, "Protection",       power_list::none     },
  { 50, "Mana Sensing",     power_list::none     },
  { 55, "Mana Reading",     power_list::none     },
  { 60, "Mana Resistance",  power_list::none     },
  { 75, "Attribute Effect", power_list::none     },
  { 80, "Repel or Banish ", power_list::align    },
  { 83, "Attraction",       power_list::none     },
  { 90, "Influence",        power_list::none     },
  { 95, "Wealth",           power_list::none     },
  { 96, "",                 power_list::curse    },
  {100, "Detection of ",    power_list::detect   },
};

constexpr power_row jtsw_rows[] = {
  {  5, "Cure ",                    power_list::cure     },
  { 11, "Communicate",              power_list::none     },
  { 18, "Protection",               power_list::none     },
  { 22, "Mana Resistance",          power_list::none     },
  { 29, "Alignment Tie to ",        power_list::align    },
  { 40, "Attribute Effect",         power_list::none     },
  { 45, "Repel or Banish ",         power_list::align    },
  { 50, "Special Attribute",        power_list::none     },
  { 57, "Detection of ",            power_list::detect   },
  { 65, "Creature Tie",             power_list::none     },
  { 66, "",                         power_list::curse    },
  { 75, "Summoning",                power_list::none     },
  { 82, "",                         power_list::negation },
  { 85, "Familiar",                 power_list::none     },
  { 86, "Ward Pact",                power_list::none     },
  { 98, "Magic Power, alignment ",  power_list::align    },
  {100, "Family Spell, alignment ", power_list::align    },
};

constexpr power_row other_rows[] = {
  {  5, "Detection of ",    power_list::detect },
  { 15, "Cure ",            power_list::cure   },
  { 30, "Communicate",      power_list::none   },
  { 55, "Protection",       power_list::none   },
  { 65, "Attribute Effect", power_list::none   },
  { 80, "Enhanced",         power_list::none   },
  { 88, "Repel or Banish ", power_list::align  },
  { 92, "Influence",        power_list::none   },
  { 93, "",                 power_list::curse  },
  {100, "Other Power",      power_list::none   },
};

// Named items: the item kind, and for weapons and armor the piece.
enum class named_list { none, weapon, armor };

struct named_row {
  int hi;
  const char *text;
  named_list list;
};

struct text_row {
  int hi;
  const char *text;
};

constexpr named_row named_rows[] = {
  { 30, "",             named_list::weapon },
  { 45, "Staff",        named_list::none   },
  { 55, "Talisman",     named_list::none   },
  { 70, "",             named_list::armor  },
  { 90, "Jeweled Item", named_list::none   },
  {100, "Other Item",   named_list::none   },
};

constexpr text_row named_weapon_rows[] = {
  { 10, "Sword"           },
  { 15, "Fighting Dagger" },
  { 20, "Throwing Dagger" },
  { 35, "Broadsword"      },
  { 50, "Bastard Sword"   },
  { 70, "Great Sword"     },
  { 90, "Scimitar"        },
  {100, "Tulwar"          },
};

constexpr text_row named_armor_rows[] = {
  {  5, "Buckler"       },
  { 15, "Banded Shield" },
  { 20, "Metal Shield"  },
  { 30, "Scalemail"     },
  { 45, "Chainmail"     },
  { 60, "Plate Mail"    },
  { 70, "Plate Armor"   },
  { 90, "Metal Helmet"  },
  {100, "Metal Helm"    },
};
// clang-format on

// Appends a power row's text and the list entry that follows it.
void append_power(const power_row &row, all_dice_ptr dice) {
  trs_append(row.text);
  switch (row.list) {
    case power_list::none:
      break;
    case power_list::cure:
      magic_cure(dice->magic.d6_2_cure);
      break;
    case power_list::align:
      magic_align(dice->magic.d6_2_alignment);
      break;
    case power_list::detect:
      magic_detect(dice->magic.d100_detection);
      break;
    case power_list::immunity:
      magic_immunity_entry(dice, "Total Immunity to ", "Immunity to ");
      break;
    case power_list::negation:
      magic_immunity_entry(dice, "Total Negation of ", "Negation of ");
      break;
    case power_list::curse:
      magic_curse_entry(dice);
      break;
  }
}

// Half a MEL, rounded up: the highest EL an item of that MEL may have.
int el_limit(int mel) { return (mel + 1) / 2; }

}  // namespace

void magic_el_cap(all_dice_ptr dice) {
  const int limit = el_limit(dice->magic.d6_2_MEL);
  if (limit < dice->magic.d10_EL) dice->magic.d10_EL = limit;
}

void magic_mel_el(int mel, int el) { trs_appendf(", MEL %d  EL %d", mel, el); }

void magic_immunity_entry(all_dice_ptr dice, const char *total_word,
                          const char *plain_word) {
  if (dice->magic.d100_immunity == 100) {
    trs_append(total_word);
    magic_immunity(dice->magic.d100_total_imm - 1);
  } else {
    trs_append(plain_word);
    magic_immunity(dice->magic.d100_immunity);
  }
}

void magic_curse_entry(all_dice_ptr dice) {
  magic_curse(dice->magic.d3star_curse);
  trs_append("Curse");
}

void magic_aepp(all_dice_ptr dice) {
  magic_el_cap(dice);
  append_power(table_row(aepp_rows, dice->magic.d100_subtype), dice);
  magic_mel_el(dice->magic.d6_2_MEL, dice->magic.d10_EL);
  // A container's content leaves the amount to the container's own text.
  if (dice->message == 0)
    trs_appendf(", %d ounces", dice->magic.d10_2_potion_amount);
}

void magic_jtsw(all_dice_ptr dice) {
  magic_el_cap(dice);
  append_power(table_row(jtsw_rows, dice->magic.d100_subtype), dice);
  magic_mel_el(dice->magic.d6_2_MEL, dice->magic.d10_EL);
}

void magic_other(all_dice_ptr dice) {
  magic_el_cap(dice);
  append_power(table_row(other_rows, dice->magic.d100_subtype), dice);
  magic_mel_el(dice->magic.d6_2_MEL, dice->magic.d10_EL);
}

void magic_named(int r_magic, int r_MEL, int r_EL, int r_extra) {
  int mel = 2 * r_MEL;
  if (mel <= 7) mel = 8;
  int el = r_EL + 3;
  if (el_limit(mel) < el) el = el_limit(mel);

  const named_row &row = table_row(named_rows, r_magic);
  trs_append(row.text);
  switch (row.list) {
    case named_list::none:
      break;
    case named_list::weapon:
      trs_append(table_row(named_weapon_rows, r_extra).text);
      break;
    case named_list::armor:
      trs_append(table_row(named_armor_rows, r_extra).text);
      break;
  }
  magic_mel_el(mel, el);
}

void magic_special(int r_MEL, int r_EL) {
  int mel = 2 * r_MEL;
  if (mel <= 10) mel = 11;
  int el = r_EL + 3;
  if (el_limit(mel) < el) el = el_limit(mel);
  if (el <= 5) el = 6;
  magic_mel_el(mel, el);
}
