// The dice record, the result and the category routines: everything the
// interpreter and the tables share. Every random choice is rolled into the
// dice record before an item is evaluated; the routines read it, and a few
// write it on the way: magic items cap magic.d10_EL to their MEL, an
// exceptional map moves other.d10_2_map, a treasure scroll sets the map
// fields of the map it carries, and containers and kegs set in_container.
//
// A field's name tells its die and its use: d100, d10, d6; d10_2 and d6_2
// the sum of two such dice, d10_3 of three; d3star and d2star the weighted
// dice of dice.h; plus_N a die with N added when it is rolled.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

// `v` brought into [lo, hi]: the one clamp of the program, for a roll or a
// number read from a file that may lie anywhere.
constexpr int clamped(long long v, int lo, int hi) {
  return v < lo ? lo : v > hi ? hi : static_cast<int>(v);
}

// The Station of a monster without one, as the script's numbers line and the
// coin routine take it.
constexpr int NO_STATION = -1;

struct metal_dice {
  int32_t d100_metal;
  int32_t d10_type;
  int32_t d10_val1;
  int32_t d10_val2;
  int32_t d10_val3;
  int32_t d6_val1;
  int32_t d6_val2;
  int32_t d6_val3;
};

struct gems_dice {
  int32_t d3star_kind;
  int32_t d10_size;
  int32_t d10_appearance;
  int32_t d10_clarity;
  int32_t d100_name;
  int32_t d10_starform;
  int32_t d100_value;
};

struct other_dice {
  int32_t d100_maintype;
  int32_t d100_excep_1;
  int32_t d100_excep_2;
  int32_t d6_2_exc_qualmult;
  int32_t d10_unread;  // rolled, never read: kept for the draw order
  int32_t d100_exc_sizemult;
  int32_t d10_exc_sizesl;
  int32_t d10_2_statueval;
  int32_t d10_misc_amount;
  int32_t d6_2_misc_val;
  int32_t d3star_amount_class;
  int32_t d6_amount_1;
  int32_t d6_amount_2;
  int32_t d10_keg_fill;
  int32_t d100_keg_size;
  int32_t d100_keg_material;
  int32_t d10_furniture;
  int32_t d10_3_fur_value;
  int32_t d10_fur_kind;
  int32_t d6_cov_width;
  int32_t d10_2_plus_4_cov_length;
  int32_t d10_crystal;
  int32_t d10_glass_size;
  int32_t d10_2_art_value;
  int32_t d10_art_magic;
  int32_t d6_clothes;
  int32_t d100_cloth_length;
  int32_t d100_cloth_value;
  int32_t d10_book_kind;
  int32_t d100_book;
  int32_t d6_plus_1_exc_quality;
  int32_t d6_numspell;
  int32_t d6_plus_2_EL;
  int32_t d10_alignment;
  int32_t d10_scroll_kind;
  int32_t d100_scroll;
  int32_t d10_2_map;
  int32_t d10_map_area;
  int32_t d100_map_accu;
  // The EL of a medicinal text, and the value factor (times 5) of a
  // treasure scroll.
  int32_t d10_2_scroll_number;
  int32_t d6_scrollmap;
  int32_t d100_coded;
};

struct milit_dice {
  int32_t d100_maintype;
  int32_t d10_count;
  int32_t d10_race;
  int32_t d100_race_item;
  int32_t d100_sub_type;
  int32_t d6_2_amount;
  int32_t d10_2_amount;
};

struct magic_dice {
  int32_t d100_maintype;
  int32_t d100_subtype;
  int32_t d6_2_MEL;
  int32_t d10_EL;
  int32_t d10_2_potion_amount;
  int32_t d6_2_cure;
  int32_t d6_2_alignment;
  int32_t d100_detection;
  int32_t d100_immunity;
  int32_t d100_total_imm;
  int32_t d100_dedication;
  int32_t d3star_curse;
  // NMI: a natural magic item (a plant, an animal part, a metal or stone).
  int32_t d3star_NMI_type;
  int32_t d10_2_NMI_amount;
  int32_t d2star_NMI_amount;
  // A magical military item's hit chance modifier (HCM) and damage
  // modifier (DAM) rolls.
  int32_t d100_HCM;
  int32_t d100_DAM;
  int32_t d100_othermagic;
  // How many powers an item of several powers has, and the row roll of each.
  int32_t d3star_power_count;
  int32_t d100_power_1;
  int32_t d100_power_2;
  int32_t d100_power_3;
  int32_t d100_named_sub;
};

struct coins_dice {
  int32_t d100_amount;
  int32_t d10_kind;
  int32_t d10_num;
  int32_t d10_2_num;
  int32_t d100_num;
  int32_t d6_2_num;
};

struct dice_record {
  metal_dice metal;
  other_dice other;
  milit_dice milit;
  gems_dice gems;
  magic_dice magic;
  coins_dice coins;
  // 0 for a stand-alone item; containers and kegs set it to 1 before the
  // magic routines describe their contents, so those leave the amount out.
  int32_t in_container;
};

// The coins of a coin item, as the coin routine chose them: what a reader
// counts without parsing the item's text.
enum class coin_kind {
  none,
  brass_bits,
  copper_coins,
  silver_coins,
  gold_coins
};
struct coin_count {
  coin_kind kind = coin_kind::none;
  int count = 0;
};
// The report's name of a coin kind ("Brass Bits" ... "Gold Coins"; "" for
// none).
const char *coin_kind_name(coin_kind kind);
// A coin kind is also the unit of every value the tables state: the unit's
// text in the report ("BB", "CC", "SC", "GC"; "" for none).
const char *coin_unit_text(coin_kind unit);

// What an amount of money stated in an item's text stands for: the item's
// worth as it is, a base value the game master modifies ("mod. * 3.0 BB",
// "size * 0.7 CC"), or treasure found elsewhere (a treasure map's "500 GC").
enum class value_kind { worth, base, promised };
// An amount in tenths of its unit, exactly the amount the text shows.
struct item_value {
  value_kind kind;
  coin_kind unit;
  long long tenths;
};
// The most values one item states: a treasure scroll's own value, and the
// treasure and the worth of the map it carries.
constexpr int MAX_ITEM_VALUES = 3;
struct item_values {
  int count = 0;
  item_value at[MAX_ITEM_VALUES] = {};
  void add(value_kind kind, coin_kind unit, long long tenths) {
    if (count < MAX_ITEM_VALUES) at[count++] = {kind, unit, tenths};
  }
  const item_value *begin() const { return at; }
  const item_value *end() const { return at + count; }
};

// The one text formatter of the program: appends the formatted text at
// buf[len] (buf holds `size` bytes), cut at size - 1 bytes, and returns the
// new length. append_text does the same for a plain text.
std::size_t append_format(char *buf, std::size_t size, std::size_t len,
                          const char *fmt, va_list args)
    __attribute__((format(printf, 4, 0)));
std::size_t append_text(char *buf, std::size_t size, std::size_t len,
                        const char *text);

// A text of at most N - 1 bytes in storage of its own: appends past its end
// are dropped, never spilled.
template <std::size_t N>
class fixed_text {
 public:
  fixed_text() { clear_text(); }
  void append(const char *text) { len_ = append_text(text_, N, len_, text); }
  // Every caller passes a string literal as the format, so no table text or
  // file text is ever read as one.
  fixed_text &appendf(const char *fmt, ...)
      __attribute__((format(printf, 2, 3))) {
    va_list args;
    va_start(args, fmt);
    len_ = append_format(text_, N, len_, fmt, args);
    va_end(args);
    return *this;
  }
  // Puts `text` (not a part of this text) in place of the text.
  void replace(const char *text) {
    clear_text();
    append(text);
  }
  const char *text() const { return text_; }
  std::size_t length() const { return len_; }

 protected:
  void clear_text() {
    len_ = 0;
    text_[0] = '\0';
  }

 private:
  char text_[N];
  std::size_t len_;
};

// What a category routine gives back: its text, in a buffer of the caller's
// that holds far more than the longest text the tables can build (so no text
// is ever cut), for a coin item its coins, and the values its text states.
constexpr int RESULT_TEXT_SIZE = 1024;
struct item_result : fixed_text<RESULT_TEXT_SIZE> {
  // Empties the text and forgets the coins and the values.
  void clear() {
    clear_text();
    coins = {};
    values = {};
  }
  coin_count coins;
  item_values values;
};

// Category routines: each writes its whole text into `out` (emptied first)
// and returns the number of screen lines it takes.
int other_main(item_result &out, dice_record *dice);
int coins_main(item_result &out, int cdf, int group_cdf, int station,
               dice_record *dice);
int gems_main(item_result &out, int jeweler_el, dice_record *dice);
int milit_main(item_result &out, dice_record *dice);
int magic_main(item_result &out, dice_record *dice);
int metal_main(item_result &out, int jeweler_el, dice_record *dice);

// Routines one category borrows from another to name nested goods. Each only
// appends to `out`. exc is the exceptional-item code of the other
// treasure tables (0 for an ordinary item).
void other_eating_utensils(item_result &out, int count, int value_roll,
                           uint32_t exc);
void other_kegs(item_result &out, dice_record *dice, uint32_t exc);
void other_furniture(item_result &out, int value_roll, uint32_t exc);
void other_written_item(item_result &out, dice_record *dice, uint32_t exc);
void other_musical_instrument(item_result &out, uint32_t exc);
void magic_potion_powder_amulet(item_result &out, dice_record *dice);
void magic_natural_item(item_result &out, dice_record *dice);
void magic_military_item(item_result &out, dice_record *dice);
void milit_from_main_table(item_result &out, dice_record *dice);
void milit_weapon(item_result &out, int type, int num6, int num10);
