// From a treasure item to its text: the keywords of the treasure script with
// the dice fields they force, and the category routines they lead to.
#pragma once

#include "trtables.h"

// The category codes of the treasure script's items; a code is taken
// modulo 8, and 0 and 7 name no category.
enum category_code : int {
  CATEGORY_NONE = 0,
  CATEGORY_OTHER = 1,
  CATEGORY_COINS = 2,
  CATEGORY_GEMJJ = 3,
  CATEGORY_MILIT = 4,
  CATEGORY_MAGIC = 5,
  CATEGORY_METAL = 6,
};
constexpr int CATEGORY_CODES = 8;

// The keywords of the treasure script's items, each spelled once: the
// interpreter's table and the manual screen's keys both use these.
namespace script_word {
inline constexpr char L1_OTHER[] = "L1_OTHER";
inline constexpr char L1_COINS[] = "L1_COINS";
inline constexpr char L1_GEMJJ[] = "L1_GEMJJ";
inline constexpr char L1_MILIT[] = "L1_MILIT";
inline constexpr char L1_MAGIC[] = "L1_MAGIC";
inline constexpr char L1_METAL[] = "L1_METAL";
inline constexpr char L2_CLOTHING[] = "L2_CLOTHING";
inline constexpr char L2_JEWEL[] = "L2_JEWEL";
inline constexpr char L2_JEWELRY[] = "L2_JEWELRY";
inline constexpr char L2_GEM[] = "L2_GEM";
inline constexpr char L2_WEAPON[] = "L2_WEAPON";
inline constexpr char ELDER[] = "ELDER";
inline constexpr char LARGE[] = "LARGE";
inline constexpr char GOLD[] = "GOLD";
inline constexpr char ONE_ONLY[] = "ONE_ONLY";
inline constexpr char L3_MAGICWEAPON[] = "L3_MAGICWEAPON";
}  // namespace script_word

// The category a keyword chooses, or `category` unchanged for a keyword
// that does not choose one or a token that is no keyword.
int keyword_category(const char *token, int category);

// Applies a keyword to an open item: forces its dice fields in the record and
// returns the item's category code, which is `category` unchanged for a
// keyword that does not choose a category or a token that is no keyword.
int apply_keyword(const char *token, int category, dice_record &dice);
// Whether the token is a keyword of an item.
bool is_keyword(const char *token);

// The numbers of a script's numbers line the category routines read.
struct item_numbers {
  int cdf;
  int group_cdf;
  int jeweler_el;
  int station;  // -1: none
};

// Calls the category routine of a category code (taken modulo 8), which
// leaves the item's text (and a coin item's coins) in `out`; returns its line
// count, or 0 for a code without a category (`out` is emptied then).
int evaluate_item(int category, const item_numbers &numbers, dice_record &dice,
                  item_result &out);
