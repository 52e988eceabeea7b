// The manufactured magic item families: potions, powders and amulets;
// jeweled items, talismans, wands and staffs; magical other treasure; named
// items; special items. Also the steps every manufactured item shares: the EL
// cap, the MEL and EL part, the immunity entry and the curse entry.
#include "table_lookup.h"
#include "tr_magic.h"

namespace {

// clang-format off
constexpr power_row potion_powder_amulet_rows[] = {
  { 20, "Cure ",            power_entry::cure      },
  { 30, "",                 power_entry::immunity  },
  { 34, "Communicate",      power_entry::none      },
  { 35, "Luck",             power_entry::none      },
  { 45, "Protection",       power_entry::none      },
  { 50, "Mana Sensing",     power_entry::none      },
  { 55, "Mana Reading",     power_entry::none      },
  { 60, "Mana Resistance",  power_entry::none      },
  { 75, "Attribute Effect", power_entry::none      },
  { 80, "Repel or Banish ", power_entry::alignment },
  { 83, "Attraction",       power_entry::none      },
  { 90, "Influence",        power_entry::none      },
  { 95, "Wealth",           power_entry::none      },
  { 96, "",                 power_entry::curse     },
  {100, "Detection of ",    power_entry::detection },
};
static_assert(bounds_ascend(potion_powder_amulet_rows));

constexpr power_row jewel_talisman_wand_staff_rows[] = {
  {  5, "Cure ",                    power_entry::cure      },
  { 11, "Communicate",              power_entry::none      },
  { 18, "Protection",               power_entry::none      },
  { 22, "Mana Resistance",          power_entry::none      },
  { 29, "Alignment Tie to ",        power_entry::alignment },
  { 40, "Attribute Effect",         power_entry::none      },
  { 45, "Repel or Banish ",         power_entry::alignment },
  { 50, "Special Attribute",        power_entry::none      },
  { 57, "Detection of ",            power_entry::detection },
  { 65, "Creature Tie",             power_entry::none      },
  { 66, "",                         power_entry::curse     },
  { 75, "Summoning",                power_entry::none      },
  { 82, "",                         power_entry::negation  },
  { 85, "Familiar",                 power_entry::none      },
  { 86, "Ward Pact",                power_entry::none      },
  { 98, "Magic Power, alignment ",  power_entry::alignment },
  {100, "Family Spell, alignment ", power_entry::alignment },
};
static_assert(bounds_ascend(jewel_talisman_wand_staff_rows));

constexpr power_row other_treasure_rows[] = {
  {  5, "Detection of ",    power_entry::detection },
  { 15, "Cure ",            power_entry::cure      },
  { 30, "Communicate",      power_entry::none      },
  { 55, "Protection",       power_entry::none      },
  { 65, "Attribute Effect", power_entry::none      },
  { 80, "Enhanced",         power_entry::none      },
  { 88, "Repel or Banish ", power_entry::alignment },
  { 92, "Influence",        power_entry::none      },
  { 93, "",                 power_entry::curse     },
  {100, "Other Power",      power_entry::none      },
};
static_assert(bounds_ascend(other_treasure_rows));

// Named items: the item kind, and for weapons and armor the piece.
enum class named_list { none, weapon, armor };

struct named_row {
  int hi;
  const char *text;
  named_list list;
};

constexpr named_row named_rows[] = {
  { 30, "",             named_list::weapon },
  { 45, "Staff",        named_list::none   },
  { 55, "Talisman",     named_list::none   },
  { 70, "",             named_list::armor  },
  { 90, "Jeweled Item", named_list::none   },
  {100, "Other Item",   named_list::none   },
};
static_assert(bounds_ascend(named_rows));

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
static_assert(bounds_ascend(named_weapon_rows));

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
static_assert(bounds_ascend(named_armor_rows));
// clang-format on

// Half a MEL, rounded up: the highest EL an item of that MEL may have.
int el_limit(int mel) { return (mel + 1) / 2; }

}  // namespace

void magic_power(item_result &out, const power_row &row, dice_record *dice) {
  const magic_dice &m = dice->magic;
  out.append(row.text);
  switch (row.entry) {
    case power_entry::none:
      break;
    case power_entry::cure:
      magic_cure_list(out, m.d6_2_cure);
      break;
    case power_entry::alignment:
      magic_alignment_list(out, m.d6_2_alignment);
      break;
    case power_entry::detection:
      magic_detection_list(out, m.d100_detection);
      break;
    case power_entry::immunity:
      magic_immunity_entry(out, dice, "Total Immunity to ", "Immunity to ");
      break;
    case power_entry::negation:
      magic_immunity_entry(out, dice, "Total Negation of ", "Negation of ");
      break;
    case power_entry::curse:
      magic_curse_entry(out, dice);
      break;
    case power_entry::dedication:
      magic_dedication_list(out, m.d100_dedication);
      break;
    case power_entry::intelligent:
      magic_alignment_list(out, m.d6_2_alignment);
      out.append(", dedicated to ");
      magic_dedication_list(out, m.d100_dedication);
      break;
  }
}

void magic_el_cap(dice_record *dice) {
  const int limit = el_limit(dice->magic.d6_2_MEL);
  if (limit < dice->magic.d10_EL) dice->magic.d10_EL = limit;
}

void magic_mel_el(item_result &out, int mel, int el) {
  out.appendf(", MEL %d  EL %d", mel, el);
}

void magic_immunity_entry(item_result &out, dice_record *dice,
                          const char *total_word, const char *plain_word) {
  if (dice->magic.d100_immunity == 100) {
    out.append(total_word);
    magic_immunity_list(out, dice->magic.d100_total_imm - 1);
  } else {
    out.append(plain_word);
    magic_immunity_list(out, dice->magic.d100_immunity);
  }
}

void magic_curse_entry(item_result &out, dice_record *dice) {
  magic_curse_list(out, dice->magic.d3star_curse);
  out.append("Curse");
}

void magic_potion_powder_amulet(item_result &out, dice_record *dice) {
  magic_el_cap(dice);
  magic_power(out,
              table_row(potion_powder_amulet_rows, dice->magic.d100_subtype),
              dice);
  magic_mel_el(out, dice->magic.d6_2_MEL, dice->magic.d10_EL);
  // A container's content leaves the amount to the container's own text.
  if (dice->in_container == 0)
    out.appendf(", %d ounces", dice->magic.d10_2_potion_amount);
}

void magic_jewel_talisman_wand_staff(item_result &out, dice_record *dice) {
  magic_el_cap(dice);
  magic_power(
      out, table_row(jewel_talisman_wand_staff_rows, dice->magic.d100_subtype),
      dice);
  magic_mel_el(out, dice->magic.d6_2_MEL, dice->magic.d10_EL);
}

void magic_other_treasure(item_result &out, dice_record *dice) {
  magic_el_cap(dice);
  magic_power(out, table_row(other_treasure_rows, dice->magic.d100_subtype),
              dice);
  magic_mel_el(out, dice->magic.d6_2_MEL, dice->magic.d10_EL);
}

void magic_named(item_result &out, int item_roll, int mel_roll, int el_roll,
                 int piece_roll) {
  int mel = 2 * mel_roll;
  if (mel <= 7) mel = 8;
  int el = el_roll + 3;
  if (el_limit(mel) < el) el = el_limit(mel);

  const named_row &row = table_row(named_rows, item_roll);
  out.append(row.text);
  switch (row.list) {
    case named_list::none:
      break;
    case named_list::weapon:
      out.append(table_row(named_weapon_rows, piece_roll).text);
      break;
    case named_list::armor:
      out.append(table_row(named_armor_rows, piece_roll).text);
      break;
  }
  magic_mel_el(out, mel, el);
}

void magic_special(item_result &out, int mel_roll, int el_roll) {
  int mel = 2 * mel_roll;
  if (mel <= 10) mel = 11;
  int el = el_roll + 3;
  if (el_limit(mel) < el) el = el_limit(mel);
  if (el <= 5) el = 6;
  magic_mel_el(out, mel, el);
}
