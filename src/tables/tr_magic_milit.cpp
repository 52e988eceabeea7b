// Magical military items: the military item that carries the magic, its hit
// chance and damage modifiers, its powers and its MEL and EL.
#include "table_lookup.h"
#include "tr_magic.h"

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

// clang-format off
// Powers, by row (d100_subtype, or a d100_other_3_n minus 5).
constexpr power_row power_rows[] = {
    {10, "",                        power_entry::immunity},
    {16, "Communicate",             power_entry::none},
    {30, "Protection",              power_entry::none},
    {35, "Mana Sensing",            power_entry::none},
    {42, "Mana Resistance",         power_entry::none},
    {48, "Alignment Tie to ",       power_entry::alignment},
    {65, "Attribute Effect",        power_entry::none},
    {70, "Special Attribute",       power_entry::none},
    {72, "Special Ban",             power_entry::none},
    {73, "Knowledge",               power_entry::none},
    {74, "",                        power_entry::curse},
    {80, "Creature Tie",            power_entry::none},
    {90, "Magic Power, alignment ", power_entry::alignment},
    {94, "Dedication to ",          power_entry::dedication},
    {96, "Other Power",             power_entry::none},
    {97, "Intelligent, alignment ", power_entry::intelligent},
};
static_assert(bounds_ascend(power_rows));
// clang-format on

void append_power(item_result &out, dice_record *dice, int row) {
  out.append(", ");
  magic_power(out, table_row(power_rows, row), dice);
}

}  // namespace

// An item with a modifier is a weapon named without a count; one without is
// any military item, counted, from the main military table.
void magic_military_item(item_result &out, dice_record *dice) {
  const magic_dice &m = dice->magic;
  const milit_dice &mil = dice->milit;
  magic_el_cap(dice);

  const bool hit_chance = m.d100_HCM <= HIT_CHANCE_MAX;
  const bool damage = m.d100_DAM <= DAMAGE_MAX;
  const bool modified = hit_chance || damage;
  if (modified)
    milit_weapon(out, mil.d100_sub_type, mil.d6_2_amount, mil.d10_2_amount);
  else
    milit_from_main_table(out, dice);
  const bool has_powers = !modified || m.d100_othermagic <= OTHER_MAGIC_MAX;

  if (hit_chance) out.append(", Hit Chance modifier");
  if (damage) out.append(", Damage modifier");

  if (has_powers) {
    if (m.d100_subtype > ONE_POWER_MAX) {
      const int rows[MAX_POWERS] = {m.d100_power_1, m.d100_power_2,
                                    m.d100_power_3};
      const int count = clamped(m.d3star_power_count, 0, MAX_POWERS);
      for (int i = 0; i < count; ++i)
        append_power(out, dice, rows[i] - SEVERAL_POWERS_SHIFT);
    } else {
      append_power(out, dice, m.d100_subtype);
    }
  }

  magic_mel_el(out, m.d6_2_MEL, m.d10_EL);
}
