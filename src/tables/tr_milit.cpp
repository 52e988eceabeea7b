// Military treasure: the main military table and its counts, the weapon,
// armor, shelter, supplies and animal gear sub-tables, and the items made by
// non-human races. Every military item is one line: a count, a blank and the
// item.
#include "table_lookup.h"
#include "trtables.h"

namespace {

// The routines of each kind of item, below.
void milit_count(item_result &out, int count_roll);
// The race's word and the item of a non-human-made piece.
void milit_non_human_made(item_result &out, dice_record *dice);
void milit_armor(item_result &out, int type);
void milit_flag(item_result &out);
void milit_shelter(item_result &out, int type);
void milit_misc(item_result &out, dice_record *dice);
void milit_uniform(item_result &out);
void milit_animal(item_result &out, int type);

// The kinds of military item, in the column order of the race rows below.
enum class item_kind {
  weapon,
  armor,
  flag,
  shelter,
  misc,
  uniform,
  animal,
  non_human
};
constexpr int RACE_KINDS = 7;  // weapon to animal gear
static_assert(RACE_KINDS == static_cast<int>(item_kind::animal) + 1);

// clang-format off

// Main table, by milit.d100_maintype. The count roll of the item is
// milit.d10_count plus count_add, or count_add alone where adds_count_die is
// false.
struct main_row { int hi; bool adds_count_die; int count_add; item_kind item; };
constexpr main_row main_rows[] = {
    { 30, true,   2, item_kind::weapon},
    { 50, true,   2, item_kind::armor},
    { 55, true,  -1, item_kind::flag},
    { 65, true,   0, item_kind::shelter},
    { 70, true,   0, item_kind::misc},
    { 75, true,   0, item_kind::uniform},
    { 88, true,   0, item_kind::animal},
    {100, false,  1, item_kind::non_human},  // always one piece
};
static_assert(bounds_ascend(main_rows));

// Count from the count argument.
constexpr number_row count_rows[] = {
    { 4, 1},
    { 7, 2},
    { 9, 3},
    {10, 4},
    {11, 5},
};
static_assert(bounds_ascend(count_rows));

// Weapons. A set row is followed by the pieces of one set: the 2d6 number, or
// the 2d10 number for pellets.
enum class set_pieces { none, num6, num10 };
struct weapon_row { int hi; const char *text; set_pieces pieces; };
constexpr weapon_row weapon_rows[] = {
    {  2, "Throwing Dagger(s)",           set_pieces::none},
    {  7, "Fighting Dagger(s)",           set_pieces::none},
    { 10, "Light Lance(s)",               set_pieces::none},
    { 18, "Sword(s)",                     set_pieces::none},
    { 22, "Broadsword(s)",                set_pieces::none},
    { 24, "Bastard Sword(s)",             set_pieces::none},
    { 25, "Great Sword(s)",               set_pieces::none},
    { 28, "Throwing Axe(s)",              set_pieces::none},
    { 31, "Axe(s)",                       set_pieces::none},
    { 32, "Battle Axe(s)",                set_pieces::none},
    { 35, "Mace(s)",                      set_pieces::none},
    { 40, "Light Crossbow(s)",            set_pieces::none},
    { 43, "Heavy Crossbow(s)",            set_pieces::none},
    { 44, "Arbalest(s)",                  set_pieces::none},
    { 45, "Repeating Crossbow(s)",        set_pieces::none},
    { 50, "Set(s) of Quarrels",           set_pieces::num6},
    { 52, "Handle Sling(s)",              set_pieces::none},
    { 60, "Set(s) of Arrows",             set_pieces::num6},
    { 62, "Set(s) of Darts",              set_pieces::num6},
    { 65, "Sling(s)",                     set_pieces::none},
    { 66, "Heavy Lance(s)",               set_pieces::none},
    { 69, "Hammer(s)",                    set_pieces::none},
    { 71, "Flail(s)",                     set_pieces::none},
    { 72, "Club(s)",                      set_pieces::none},
    { 74, "Halberd(s)",                   set_pieces::none},
    { 78, "Pike(s)",                      set_pieces::none},
    { 80, "Boar Spear(s)",                set_pieces::none},
    { 81, "War Staff(s)",                 set_pieces::none},
    { 85, "Scimitar(s)",                  set_pieces::none},
    { 87, "Tulwar(s)",                    set_pieces::none},
    { 90, "Bow(s)",                       set_pieces::none},
    { 92, "Longbow(s)",                   set_pieces::none},
    { 93, "Composite Bow(s)",             set_pieces::none},
    { 94, "Set(s) of Pellets",            set_pieces::num10},
    { 97, "Set(s) of Sling Projectiles",  set_pieces::num6},
    { 98, "Other Weapon",                 set_pieces::none},
};
static_assert(bounds_ascend(weapon_rows));

// Armor; a race's adjustment may move the row value below 1 or above 100.
constexpr text_row armor_rows[] = {
    {  5, "Scale Mail(s)"},
    { 10, "Quilted Armor(s)"},
    { 20, "Leather Armor(s)"},
    { 30, "Banded Ring Mail(s)"},
    { 40, "Ring Mail(s)"},
    { 45, "Brigandine(s)"},
    { 50, "Buckler(s)"},
    { 60, "Banded Shield(s)"},
    { 68, "Leather Helmet(s)"},
    { 75, "Metal Shield(s)"},
    { 85, "Metal Helmet(s)"},
    { 87, "Full Helm(s)"},
    { 93, "Plate Mail(s)"},
    { 95, "Plate Armor(s)"},
    { 96, "Ornate Plate Armor(s)"},
    { 97, "Chainmail(s)"},
};
static_assert(bounds_ascend(armor_rows));

// Tents and vehicles.
constexpr text_row shelter_rows[] = {
    {  8, "One Man Tent(s)"},
    { 22, "Four Man Tent(s)"},
    { 30, "Set(s) of Tent Poles"},
    { 34, "Cart(s)"},
    { 40, "Wagon(s)"},
    { 43, "Great Wagon(s)"},
    { 50, "Travois(es)"},
    { 51, "Palanquin(s)"},
    { 65, "Two Man Tent(s)"},
    { 70, "Pavilion(s)"},
    { 75, "Sledge(s)"},
    { 78, "Small Wagon(s)"},
    { 85, "Large Wagon(s)"},
    { 91, "Small Travois(es)"},
    { 92, "Litter(s)"},
};
static_assert(bounds_ascend(shelter_rows));

// Miscellaneous supplies: the lead text, then the goods of the other-treasure
// tables that the row names (always ordinary goods), then the tail text.
enum class misc_goods { none, furniture, book, kegs, musical, eating };
struct misc_row { int hi; const char *lead; misc_goods goods; const char *tail; };
constexpr misc_row misc_rows[] = {
    { 15, "Battle Horn(s)",                   misc_goods::none,      ""},
    { 30, "Piece(s) of Camp ",                misc_goods::furniture, ""},
    { 35, "Militairy ",                       misc_goods::book,      ""},
    { 50, "Tool(s)",                          misc_goods::none,      ""},
    { 60, "Set(s) of ",                       misc_goods::kegs,      ""},
    { 66, "Militairy ",                       misc_goods::musical,   "(s)"},
    { 80, "Set(s) of Bedding",                misc_goods::none,      ""},
    { 90, "Set(s) of ",                       misc_goods::eating,    ""},
    { 96, "Rope(s)",                          misc_goods::none,      ""},
    { 97, "Miscellaneous Militairy Supplies", misc_goods::none,      ""},
};
static_assert(bounds_ascend(misc_rows));

// Animal gear.
constexpr text_row animal_rows[] = {
    {  8, "Leather Horse Barding(s)"},
    { 14, "Chain Horse Barding(s)"},
    { 18, "Full Horse Barding(s)"},
    { 25, "War Dog Leather(s)"},
    { 30, "War Dog Mail(s)"},
    { 35, "Falconhood(s)"},
    { 43, "Set(s) of Falconer's Gauntlets"},
    { 48, "Hawk Hood(s)"},
    { 52, "Eagle Hood(s)"},
    { 56, "Dog Harness(es)"},
    { 62, "Horse Harness(es)"},
    { 67, "Donkey Harness(es)"},
    { 70, "Ox Yoke(s)"},
    { 77, "Bridle(s)"},
    { 85, "Saddle(s)"},
    { 87, "Goad(s)"},
    { 90, "Set(s) of Spurs"},
    { 93, "Whip(s)"},
    { 94, "Bolas"},
    { 96, "Set(s) of Blinders"},
    { 97, "Whistle(s)"},
    { 98, "Jesses"},
};
static_assert(bounds_ascend(animal_rows));

// Races of non-human-made items, by milit.d10_race. kind_hi holds, for
// each kind in the order weapon, armor, flag, shelter, miscellaneous, uniform,
// animal gear, the upper bound of its rows in milit.d100_race_item, or 0 where
// the race makes no such kind; armor_adjust is added to the armor row value.
struct race_row { int hi; const char *word; int kind_hi[RACE_KINDS]; int armor_adjust; };
constexpr race_row race_rows[] = {
    // hi, word, {weapon, armor, flag, shelter, misc, uniform, animal}, adj
    { 3, "Dwarven ",      {  55,   91,   0,    0, 100,   0,    0},  20},
    { 4, "Goblin's ",     {  75,    0,  87,    0, 100,   0,    0},   0},
    { 5, "Giant's ",      {  55,   91,   0,    0, 100,   0,    0},   0},
    { 8, "Elven ",        {  44,   74,   0,    0,  81,   0,  100}, -20},
    { 9, "Troll's ",      {  55,   91,   0,    0, 100,   0,    0},   0},
    {10, "Other race's ", {  34,   56,  62,   74,  80,  85,  100},   0},
};
static_assert(bounds_ascend(race_rows));

// clang-format on

// The kind of a race's item for a non-human-made item roll
// (milit.d100_race_item): the first kind the race makes whose bound the roll
// does not exceed; the race's last kind takes every roll above.
item_kind race_kind(const race_row &race, int roll) {
  int last = 0;
  for (int k = 0; k < RACE_KINDS; ++k) {
    if (race.kind_hi[k] == 0) continue;
    if (roll <= race.kind_hi[k]) return static_cast<item_kind>(k);
    last = k;
  }
  return static_cast<item_kind>(last);
}

// Appends the item of one kind; armor_adjust shifts the armor row.
void append_item(item_result &out, dice_record *dice, item_kind item,
                 int armor_adjust) {
  const milit_dice &m = dice->milit;
  switch (item) {
    case item_kind::weapon:
      milit_weapon(out, m.d100_sub_type, m.d6_2_amount, m.d10_2_amount);
      break;
    case item_kind::armor:
      milit_armor(out, m.d100_sub_type + armor_adjust);
      break;
    case item_kind::flag:
      milit_flag(out);
      break;
    case item_kind::shelter:
      milit_shelter(out, m.d100_sub_type);
      break;
    case item_kind::misc:
      milit_misc(out, dice);
      break;
    case item_kind::uniform:
      milit_uniform(out);
      break;
    case item_kind::animal:
      milit_animal(out, m.d100_sub_type);
      break;
    case item_kind::non_human:
      milit_non_human_made(out, dice);
      break;
  }
}

}  // namespace

int milit_main(item_result &out, dice_record *dice) {
  out.clear();
  milit_from_main_table(out, dice);
  out.append("\n");
  return 1;
}

void milit_from_main_table(item_result &out, dice_record *dice) {
  const milit_dice &m = dice->milit;
  const main_row &row = table_row(main_rows, m.d100_maintype);
  milit_count(out,
              row.adds_count_die ? m.d10_count + row.count_add : row.count_add);
  append_item(out, dice, row.item, 0);
}

void milit_weapon(item_result &out, int type, int num6, int num10) {
  const weapon_row &row = table_row(weapon_rows, type);
  switch (row.pieces) {
    case set_pieces::none:
      out.append(row.text);
      break;
    case set_pieces::num6:
      out.appendf("%s (%d each)", row.text, num6);
      break;
    case set_pieces::num10:
      out.appendf("%s (%d each)", row.text, num10);
      break;
  }
}

namespace {

void milit_count(item_result &out, int count_roll) {
  out.appendf("%d ", table_row(count_rows, count_roll).number);
}

void milit_non_human_made(item_result &out, dice_record *dice) {
  const milit_dice &m = dice->milit;
  const race_row *race = table_row_in(race_rows, m.d10_race, 1, 10);
  if (race == nullptr) return;
  out.append(race->word);
  append_item(out, dice, race_kind(*race, m.d100_race_item),
              race->armor_adjust);
}

void milit_armor(item_result &out, int type) {
  out.append(table_row(armor_rows, type).text);
}

void milit_flag(item_result &out) { out.append("Flag(s)"); }

void milit_shelter(item_result &out, int type) {
  out.append(table_row(shelter_rows, type).text);
}

void milit_misc(item_result &out, dice_record *dice) {
  const other_dice &o = dice->other;
  const misc_row &row = table_row(misc_rows, dice->milit.d100_sub_type);
  out.append(row.lead);
  switch (row.goods) {
    case misc_goods::none:
      break;
    case misc_goods::furniture:
      other_furniture(out, o.d10_furniture, 0);
      break;
    case misc_goods::book:
      other_written_item(out, dice, 0);
      break;
    case misc_goods::kegs:
      other_kegs(out, dice, 0);
      break;
    case misc_goods::musical:
      other_musical_instrument(out, 0);
      break;
    case misc_goods::eating:
      other_eating_utensils(out, o.d10_misc_amount, o.d6_2_misc_val, 0);
      break;
  }
  out.append(row.tail);
}

void milit_uniform(item_result &out) { out.append("Uniform(s)"); }

void milit_animal(item_result &out, int type) {
  out.append(table_row(animal_rows, type).text);
}

}  // namespace
