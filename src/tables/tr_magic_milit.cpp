// Magical military items: the military item that carries the magic, its hit
// chance and damage modifiers, its powers and its MEL and EL.
#include <algorithm>

#include "tr_magic.h"
#include "trtext.h"

namespace {

// A d100_HCM or d100_DAM at or below its bound gives the item that modifier.
constexpr int HIT_CHANCE_MAX = 75;
constexpr int DAMAGE_MAX = 50;
// A weapon with a modifier has powers only for d100_othermagic at or below.
constexpr int OTHER_MAGIC_MAX = 40;
// A d100_subtype above this gives several powers; their rows are shifted down.
constexpr int ONE_POWER_MAX = 97;
constexpr int SEVERAL_POWERS_SHIFT = 5;
constexpr int MAX_POWERS = 3;

// What follows a power's text: nothing, or a list or entry of the power lists.
enum class power_tail {
  none,
  immunity,
  alignment,
  curse,
  dedication,
  intelligent
};

// clang-format off
// Powers, by row (d100_subtype, or a d100_other_3_n minus 5).
struct power_row { int hi; const char *text; power_tail tail; };
constexpr power_row power_rows[] = {
    {10, "",                        power_tail::immunity},
    {16, "Communicate",             power_tail::none},
    {30, "Protection",              power_tail::none},
    {35, "Mana Sensing",            power_tail::none},
    {42, "Mana Resistance",         power_tail::none},
    {48, "Alignment Tie to ",       power_tail::alignment},
    {65, "Attribute Effect",        power_tail::none},
    {70, "Special Attribute",       power_tail::none},
    {72, "Special Ban",             power_tail::none},
    {73, "Knowledge",               power_tail::none},
    {74, "",                        power_tail::curse},
    {80, "Creature Tie",            power_tail::none},
    {90, "Magic Power, alignment ", power_tail::alignment},
    {94, "Dedication to ",          power_tail::dedication},
    {96, "Other Power",             power_tail::none},
    {97, "Intelligent, alignment ", power_tail::intelligent},
};
// clang-format on

void append_power(all_dice_ptr dice, int row) {
  const magic_dice &m = dice->magic;
  const power_row &power = table_row(power_rows, row);
  trs_append(", ");
  trs_append(power.text);
  switch (power.tail) {
    case power_tail::none:
      break;
    case power_tail::immunity:
      magic_immunity_entry(dice, "Total Immunity to ", "Immunity to ");
      break;
    case power_tail::alignment:
      magic_align(m.d6_2_alignment);
      break;
    case power_tail::curse:
      magic_curse_entry(dice);
      break;
    case power_tail::dedication:
      magic_dedic(m.d100_dedication);
      break;
    case power_tail::intelligent:
      magic_align(m.d6_2_alignment);
      trs_append(", dedicated to ");
      magic_dedic(m.d100_dedication);
      break;
  }
}

}  // namespace

// An item with a modifier is a weapon named without a count; one without is
// any military item, counted, from the main military table.
void magic_milit(all_dice_ptr dice) {
  const magic_dice &m = dice->magic;
  const milit_dice &mil = dice->milit;
  magic_el_cap(dice);

  const bool hit_chance = m.d100_HCM <= HIT_CHANCE_MAX;
  const bool damage = m.d100_DAM <= DAMAGE_MAX;
  const bool modified = hit_chance || damage;
  if (modified)
    milit_weapon(mil.d100_sub_type, mil.d6_2_amount, mil.d10_2_amount);
  else
    milit_tableone(dice);
  const bool has_powers = !modified || m.d100_othermagic <= OTHER_MAGIC_MAX;

  if (hit_chance) trs_append(", Hit Chance modifier");
  if (damage) trs_append(", Damage modifier");

  if (has_powers) {
    if (m.d100_subtype > ONE_POWER_MAX) {
      const int rows[MAX_POWERS] = {m.d100_other_3_1, m.d100_other_3_2,
                                    m.d100_other_3_3};
      const int count = std::clamp(m.d3star_other_100, 0, MAX_POWERS);
      for (int i = 0; i < count; ++i)
        append_power(dice, rows[i] - SEVERAL_POWERS_SHIFT);
    } else {
      append_power(dice, m.d100_subtype);
    }
  }

  magic_mel_el(m.d6_2_MEL, m.d10_EL);
}
