// Household goods of the other-treasure tables: eating utensils, plate,
// drinking vessels, containers and kegs with their contents, furniture, furs,
// fine coverings, glass and crystal, tools and art works.
#include <cstdint>

#include "table_lookup.h"
#include "tr_other.h"

namespace {

bool is_exceptional(uint32_t exc) {
  return (exc & (EXC_QUALITY | EXC_SIZE)) != 0;
}

// clang-format off

// Furniture, by other.d10_furniture: value factor, the decimals of the value
// and its coin unit.
struct furniture_row { int hi; float factor; int decimals; coin_kind unit; };
constexpr furniture_row furniture_rows[] = {
    { 1, 2.0f, 0, BB},
    { 3, 5.0f, 0, BB},
    { 6, 2.0f, 1, CC},
    { 9, 2.0f, 1, SC},
    {10, 1.0f, 1, GC},
};
static_assert(bounds_ascend(furniture_rows));

// Fur garments, by other.d10_fur_kind: word appended and value factor.
struct fur_row { int hi; const char *word; float factor; };
constexpr fur_row fur_rows[] = {
    { 3, "",       1.0f},  // a plain fur
    { 4, " Belt",  0.5f},
    { 5, " Hat",   0.5f},
    { 6, " Stole", 1.0f},
    { 7, " Coat",  2.0f},
    { 8, " Cloak", 2.0f},
    { 9, " Cape",  2.5f},
    {10, " Robe",  2.5f},
};
static_assert(bounds_ascend(fur_rows));

// Glass and crystal, by other.d10_glass_size: size word, value factor and
// coin unit.
struct glass_row { int hi; const char *word; float factor; coin_kind unit; };
constexpr glass_row glass_rows[] = {
    { 5, "Small ",  1.0f, CC},
    { 8, "Medium ", 1.0f, SC},
    {10, "Large ",  5.0f, SC},
};
static_assert(bounds_ascend(glass_rows));

// Capacity of a container and of a keg in quarts, by other.d100_keg_size.
struct capacity_row { int hi; float container; float keg; };
constexpr capacity_row capacity_rows[] = {
    { 10,  0.5f,   1.0f},
    { 25,  1.0f,   2.0f},
    { 45,  2.0f,   5.0f},
    { 70,  5.0f,  10.0f},
    { 90, 10.0f,  20.0f},
    { 95, 15.0f,  30.0f},
    { 99, 25.0f,  50.0f},
    {100, 50.0f, 100.0f},
};
static_assert(bounds_ascend(capacity_rows));

// Contents of a container or keg, by other.d100_keg_material. A natural magic
// item or a magical potion is named and then described by the magic tables.
enum class contents_kind { plain, natural_magic, potion };
struct contents_row { int hi; const char *name; contents_kind kind; };
constexpr contents_row contents_rows[] = {
    {  5, "Beer",                  contents_kind::plain},
    {  8, "Good Wine",             contents_kind::plain},
    { 11, "Peska",                 contents_kind::plain},
    { 13, "Nails",                 contents_kind::plain},
    { 16, "Grease",                contents_kind::plain},
    { 22, "Flour",                 contents_kind::plain},
    { 24, "Sand",                  contents_kind::plain},
    { 30, "Dried Fruits",          contents_kind::plain},
    { 35, "Ale",                   contents_kind::plain},
    { 37, "Fine Wine",             contents_kind::plain},
    { 40, "Salt",                  contents_kind::plain},
    { 44, "Oil",                   contents_kind::plain},
    { 45, "Naptha",                contents_kind::plain},
    { 49, "Spices",                contents_kind::plain},
    { 58, "Water",                 contents_kind::plain},
    { 62, "Ashes",                 contents_kind::plain},
    { 67, "Perfume",               contents_kind::plain},
    { 72, "Cheap Wine",            contents_kind::plain},
    { 74, "Goideli Wine",          contents_kind::plain},
    { 80, "Iron Spikes",           contents_kind::plain},
    { 85, "Soothing Herbs",        contents_kind::plain},
    { 88, "Healing Herbs",         contents_kind::plain},
    { 90, "Natural Magic Item : ", contents_kind::natural_magic},
    { 94, "Salted Meat",           contents_kind::plain},
    { 99, "Other Item",            contents_kind::plain},
    {100, "Magical Potion of ",    contents_kind::potion},
};
static_assert(bounds_ascend(contents_rows));

// Fill of a container or keg, by other.d10_keg_fill: 1 rotten, 2-8 filled to
// 40 to 100 per cent, 9-10 empty.
enum class fill_kind { rotten, filled, empty };
struct fill_row { int hi; fill_kind kind; };
constexpr fill_row fill_rows[] = {
    { 1, fill_kind::rotten},
    { 8, fill_kind::filled},
    {10, fill_kind::empty},
};
static_assert(bounds_ascend(fill_rows));

// Number of kegs, by other.d3star_amount_class: fixed part plus how many of
// other.d6_amount_1 and other.d6_amount_2 are added.
struct keg_count_row { int hi; int fixed; int first; int second; };
constexpr keg_count_row keg_count_rows[] = {
    {1, 1, 0, 0},
    {2, 0, 1, 0},
    {3, 0, 1, 1},
};
static_assert(bounds_ascend(keg_count_rows));

// clang-format on

// A potion fills a container or keg to three quarters of the usual quantity.
constexpr float POTION_SHARE = 0.75f;

// Steps shared by containers and kegs once their own value is stated: the
// capacity of one (size_mod quarts times capacity), the contents and their
// fill, then the description of magic contents. val_in_mod is the value
// multiplier shown for filled contents of an exceptionally good item.
void append_contents(item_result &out, dice_record *dice, float size_mod,
                     float capacity, float val_in_mod, uint32_t exc) {
  const other_dice &o = dice->other;
  size_mod = size_mod * capacity;
  out.appendf(", size %.1f quart", size_mod);

  const contents_row &contents = table_row(contents_rows, o.d100_keg_material);
  if (contents.kind == contents_kind::potion)
    size_mod = size_mod * POTION_SHARE;

  const fill_row &fill = table_row(fill_rows, o.d10_keg_fill);
  switch (fill.kind) {
    case fill_kind::rotten:
      out.appendf(", containing rotten %s", contents.name);
      break;
    case fill_kind::filled: {
      float quantity = static_cast<float>(o.d10_keg_fill + 2);
      quantity = quantity * 0.1f;
      quantity = quantity * size_mod;
      out.appendf(", containing %.1f quart %s", quantity, contents.name);
      if (exc & EXC_QUALITY) out.appendf(", value * %.2f", val_in_mod);
      break;
    }
    case fill_kind::empty:
      out.append(", empty ");
      break;
  }

  // Own text complete: the magic routines now leave their amount out.
  dice->in_container = 1;
  if (fill.kind == fill_kind::empty) return;
  if (contents.kind == contents_kind::potion)
    magic_potion_powder_amulet(out, dice);
  if (contents.kind == contents_kind::natural_magic)
    magic_natural_item(out, dice);
}

}  // namespace

void other_eating_utensils(item_result &out, int count, int value_roll,
                           uint32_t exc) {
  out.appendf("%d Eating utensil(s)", count);
  float val_mod = other_exceptional(out, static_cast<float>(value_roll), exc);
  append_value(out, ", mod. * ", value_kind::base, val_mod, 1, BB);
}

void other_plate(item_result &out, int value_roll, uint32_t exc) {
  out.append("Plate");
  float val_mod = other_exceptional(out, static_cast<float>(value_roll), exc);
  append_value(out, ", mod. * ", value_kind::base, val_mod, 1, BB);
}

void other_vessel(item_result &out, int value_roll, uint32_t exc) {
  out.append("Drinking Vessel");
  float val_mod = other_exceptional(out, static_cast<float>(value_roll), exc);
  append_value(out, ", mod. * ", value_kind::base, val_mod, 1, BB);
}

void other_tools(item_result &out, uint32_t exc) {
  out.append("Tools");
  float val_mod = other_exceptional(out, 1.0f, exc);
  if (is_exceptional(exc)) out.appendf(", %.1f * base value", val_mod);
}

void other_furniture(item_result &out, int value_roll, uint32_t exc) {
  out.append("Furniture");
  float val_mod = other_exceptional(out, 1.0f, exc);
  const furniture_row &row = table_row(furniture_rows, value_roll);
  val_mod = val_mod * row.factor;
  append_value(out, ", ", value_kind::worth, val_mod, row.decimals, row.unit);
}

// Exceptional quality of a fur changes its coin unit, not its value.
void other_fur(item_result &out, int roll, int kind_roll, uint32_t exc) {
  float val_mod = static_cast<float>(roll);
  out.append("Fur");
  exc_parts mults = other_exceptional_texts(out, exc);
  val_mod = val_mod * mults.size_value;
  const fur_row &garment = table_row(fur_rows, kind_roll);
  out.append(garment.word);
  val_mod = val_mod * garment.factor;
  append_value(out, ", ", value_kind::worth, val_mod, 0,
               (exc & EXC_QUALITY) ? SC : CC);
}

// The value is per square foot; an exceptional size scales both sides.
void other_fine_covering(item_result &out, int width, int length,
                         uint32_t exc) {
  out.append("Fine covering or Tapestry");
  float val_mod = 5.0f;
  exc_parts mults = other_exceptional_texts(out, exc);
  val_mod = val_mod * mults.quality;
  val_mod = val_mod * mults.size_value;
  float size_mod = mults.size;
  float width_ft = static_cast<float>(width) * size_mod;
  float length_ft = static_cast<float>(length) * size_mod;
  val_mod = val_mod * width_ft;
  val_mod = val_mod * length_ft;
  out.appendf(", %.0f' x %.0f'", width_ft, length_ft);
  append_value(out, ", ", value_kind::worth, val_mod, 1, CC);
}

void other_glass(item_result &out, int glass_roll, int size_roll,
                 uint32_t exc) {
  float val_mod = 1.0f;
  const glass_row &size = table_row(glass_rows, size_roll);
  out.append(size.word);
  val_mod = val_mod * size.factor;
  if (glass_roll == 10) {
    out.append("Crystal Item");
    val_mod = val_mod * 3.0f;
  } else {
    out.append("Glass Item");
  }
  val_mod = other_exceptional(out, val_mod, exc);
  append_value(out, ", ", value_kind::worth, val_mod, 1, size.unit);
}

// Exceptional quality sets the value factor to 2.0 in GC (in place of 5.0 in
// SC) whatever the quality multiplier, and a good piece may be magical.
void other_art(item_result &out, int val, int magic_roll, uint32_t exc) {
  out.append("Art work");
  float factor = 5.0f;
  bool magical = false;
  exc_parts mults = other_exceptional_texts(out, exc);
  if (exc & EXC_QUALITY) {
    factor = 2.0f;
    magical = magic_roll > 8;
  }
  factor = factor * mults.size_value;
  float val_mod = static_cast<float>(val) * factor;
  append_value(out, ", ", value_kind::worth, val_mod, 1,
               (exc & EXC_QUALITY) ? GC : SC);
  if (magical) out.append(". Magical item, roll manually!");
}

// Exceptional quality raises the value of the contents, not of the container;
// an exceptional size raises both and scales the capacity.
void other_container(item_result &out, dice_record *dice, uint32_t exc) {
  const other_dice &o = dice->other;
  out.append("Container");
  float val_mod = static_cast<float>(o.d6_2_misc_val);
  float val_in_mod = 1.0f;
  float size_mod = 1.0f;
  exc_parts mults = other_exceptional_texts(out, exc);
  val_in_mod = val_in_mod * mults.quality;
  val_mod = val_mod * mults.size_value;
  val_in_mod = val_in_mod * mults.size_value;
  size_mod = size_mod * mults.size;
  append_value(out, ", mod * ", value_kind::base, val_mod, 1,
               (exc & EXC_QUALITY) ? SC : BB);
  append_contents(out, dice, size_mod,
                  table_row(capacity_rows, o.d100_keg_size).container,
                  val_in_mod, exc);
}

// Kegs have no value text of their own; an exceptionally good keg shows the
// value multiplier of its contents. Capacity and quantity are those of one keg.
void other_kegs(item_result &out, dice_record *dice, uint32_t exc) {
  const other_dice &o = dice->other;
  const keg_count_row &count = table_row(keg_count_rows, o.d3star_amount_class);
  out.appendf("%d Keg(s)", count.fixed + count.first * o.d6_amount_1 +
                               count.second * o.d6_amount_2);
  float val_mod = 1.0f;
  exc_parts mults = other_exceptional_texts(out, exc);
  val_mod = val_mod * mults.quality;
  val_mod = val_mod * mults.size_value;
  append_contents(out, dice, mults.size,
                  table_row(capacity_rows, o.d100_keg_size).keg, val_mod, exc);
}
