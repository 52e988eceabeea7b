// Other treasure: the category routine, the main table that picks the kind of
// item, the exceptional quality and size of an item, and statues.
#include "tr_other.h"

#include <cstdio>
#include <cstring>

#include "table_lookup.h"

namespace {

// A finished text this long or longer is broken once.
constexpr int LINE_WIDTH = 80;

// The kinds of item of the main table.
enum class other_kind {
  statue,
  eating_utensils,
  plate,
  container,
  kegs,
  furniture,
  fur,
  fine_covering,
  glass,
  tools,
  drinking_vessel,
  art,
  written,
  clothing,
  cloth,
  musical_instrument,
  other_item
};

struct main_row {
  int hi;
  other_kind kind;
};

// clang-format off
// Rows below 1 come only from the exceptional re-rolls and take the first row.
constexpr main_row main_rows[] = {
    { 5, other_kind::statue},
    {13, other_kind::eating_utensils},
    {18, other_kind::plate},
    {30, other_kind::container},
    {35, other_kind::kegs},
    {40, other_kind::furniture},
    {45, other_kind::fur},
    {50, other_kind::fine_covering},
    {60, other_kind::glass},
    {70, other_kind::tools},
    {75, other_kind::drinking_vessel},
    {79, other_kind::art},
    {83, other_kind::written},
    {88, other_kind::clothing},
    {92, other_kind::cloth},
    {96, other_kind::musical_instrument},
    {97, other_kind::other_item},  // 97 and above
};
static_assert(bounds_ascend(main_rows));

// Exceptional size: the size multiplier and the percentage printed.
struct size_row {
  int hi;
  float size;
  int percent;
};

constexpr size_row large_rows[] = {
    { 30, 1.1f,  10},
    { 55, 1.2f,  20},
    { 70, 1.25f, 25},
    { 79, 1.3f,  30},
    { 87, 1.4f,  40},
    { 93, 1.5f,  50},
    { 96, 1.6f,  60},
    { 98, 1.7f,  70},
    { 99, 1.8f,  80},
    {100, 2.0f, 100},
};
static_assert(bounds_ascend(large_rows));

constexpr size_row small_rows[] = {
    { 30, 0.9f,  10},
    { 60, 0.8f,  20},
    { 80, 0.7f,  30},
    { 90, 0.6f,  40},
    { 95, 0.5f,  50},
    { 96, 0.4f,  60},
    { 97, 0.3f,  70},
    { 98, 0.25f, 75},
    { 99, 0.2f,  80},
    {100, 0.1f,  90},
};
static_assert(bounds_ascend(small_rows));

// Value multiplier of a size multiplier. Bounds are in hundredths, so every
// size multiplier of the tables above lands on its own row exactly.
constexpr factor_row size_value_rows[] = {
    { 10, 0.3f},
    { 20, 0.4f},
    { 25, 0.5f},
    { 30, 0.6f},
    { 40, 0.7f},
    { 50, 0.8f},
    { 60, 0.8f},
    { 70, 0.9f},
    { 80, 1.0f},
    { 90, 1.0f},
    {110, 1.0f},
    {120, 1.0f},
    {125, 1.1f},
    {130, 1.1f},
    {140, 1.2f},
    {150, 1.2f},
    {160, 1.2f},
    {170, 1.3f},
    {180, 1.4f},
    {200, 1.5f},
};
static_assert(bounds_ascend(size_value_rows));

// Statue value per size, by other.d10_2_statueval.
constexpr factor_row statue_rows[] = {
    { 2, 0.1f},
    { 3, 0.2f},
    { 4, 0.4f},
    { 5, 0.5f},
    { 6, 0.6f},
    { 7, 0.7f},
    { 8, 0.8f},
    { 9, 0.9f},
    {10, 1.0f},
    {11, 1.0f},
    {12, 1.0f},
    {13, 1.2f},
    {14, 1.4f},
    {15, 1.6f},
    {16, 1.8f},
    {17, 2.0f},
    {18, 2.5f},
    {19, 3.0f},
    {20, 4.0f},
};
static_assert(bounds_ascend(statue_rows));
// clang-format on

}  // namespace

float other_exceptional_quality(int roll, char *exc_text) {
  std::snprintf(exc_text, EXC_TXT_SIZE, ", exceptionally good");
  return static_cast<float>(roll);
}

float other_exceptional_size(int large_or_small, int roll, char *exc_text) {
  if (large_or_small <= 5) {
    const size_row &row = table_row(large_rows, roll);
    std::snprintf(exc_text, EXC_TXT_SIZE, ", exceptionally large +%.0f%%",
                  static_cast<double>(row.percent));
    return row.size;
  }
  const size_row &row = table_row(small_rows, roll);
  std::snprintf(exc_text, EXC_TXT_SIZE, ", exceptionally small -%.0f%%",
                static_cast<double>(row.percent));
  return row.size;
}

float other_size_value(float size_mod) {
  int hundredths = static_cast<int>(size_mod * 100.0 + 0.5);
  return table_row(size_value_rows, hundredths).factor;
}

exc_parts other_exceptional_parts(uint32_t exc) {
  exc_parts p;
  if (exc & EXC_QUALITY)
    p.quality =
        other_exceptional_quality(exc_quality_mult(exc), p.quality_text);
  if (exc & EXC_SIZE) {
    p.size = other_exceptional_size(exc_large_or_small(exc), exc_size_roll(exc),
                                    p.size_text);
    p.size_value = other_size_value(p.size);
  }
  return p;
}

exc_parts other_exceptional_texts(item_result &out, uint32_t exc) {
  exc_parts p = other_exceptional_parts(exc);
  out.append(p.quality_text);
  out.append(p.size_text);
  return p;
}

float other_exceptional(item_result &out, float value, uint32_t exc) {
  exc_parts p = other_exceptional_texts(out, exc);
  if (exc & EXC_QUALITY) value = value * p.quality;
  if (exc & EXC_SIZE) value = value * p.size_value;
  return value;
}

void other_statue(item_result &out, int roll, uint32_t exc) {
  out.append("Statue");
  float value = table_row(statue_rows, roll).factor;
  value = other_exceptional(out, value, exc);
  append_value(out, ", size * ", value_kind::base, value, 1, CC);
}

void other_from_main_table(item_result &out, int roll, dice_record *dice,
                           uint32_t exc) {
  const other_dice &o = dice->other;
  switch (table_row(main_rows, roll).kind) {
    case other_kind::statue:
      other_statue(out, o.d10_2_statueval, exc);
      break;
    case other_kind::eating_utensils:
      other_eating_utensils(out, o.d10_misc_amount, o.d6_2_misc_val, exc);
      break;
    case other_kind::plate:
      other_plate(out, o.d10_misc_amount, exc);
      break;
    case other_kind::container:
      other_container(out, dice, exc);
      break;
    case other_kind::kegs:
      other_kegs(out, dice, exc);
      break;
    case other_kind::furniture:
      other_furniture(out, o.d10_furniture, exc);
      break;
    case other_kind::fur:
      other_fur(out, o.d10_3_fur_value, o.d10_fur_kind, exc);
      break;
    case other_kind::fine_covering:
      other_fine_covering(out, o.d6_cov_width, o.d10_2_plus_4_cov_length, exc);
      break;
    case other_kind::glass:
      other_glass(out, o.d10_crystal, o.d10_glass_size, exc);
      break;
    case other_kind::tools:
      other_tools(out, exc);
      break;
    case other_kind::drinking_vessel:
      other_vessel(out, o.d10_misc_amount, exc);
      break;
    case other_kind::art:
      other_art(out, o.d10_2_art_value, o.d10_art_magic, exc);
      break;
    case other_kind::written:
      other_written_item(out, dice, exc);
      break;
    case other_kind::clothing:
      other_clothing(out, o.d6_clothes, exc);
      break;
    case other_kind::cloth:
      other_cloth(out, o.d100_cloth_value, o.d100_cloth_length, exc);
      break;
    case other_kind::musical_instrument:
      other_musical_instrument(out, exc);
      break;
    case other_kind::other_item:
      other_other(out, exc);
      break;
  }
}

int other_break_line(item_result &out) {
  // Room for the longest text, the five characters a break adds and the
  // newline.
  char broken[RESULT_TEXT_SIZE + 8];
  int lines = 1;
  int len = static_cast<int>(out.length());
  const char *text = out.text();
  std::memcpy(broken, text, len + 1);
  if (len >= LINE_WIDTH) {
    for (int pos = LINE_WIDTH - 1; pos >= 0; --pos) {
      if (text[pos] != ' ') continue;
      std::memcpy(broken + pos, "\n     ", 6);
      std::memcpy(broken + pos + 6, text + pos + 1, len - pos);
      len += 5;
      lines = 2;
      break;
    }
  }
  // A text that would not leave room for the newline loses its last
  // characters rather than its line end.
  if (len > RESULT_TEXT_SIZE - 2) len = RESULT_TEXT_SIZE - 2;
  broken[len] = '\n';
  broken[len + 1] = '\0';
  out.replace(broken);
  return lines;
}

int other_main(item_result &out, dice_record *dice) {
  const other_dice &d = dice->other;
  out.clear();
  uint32_t exc = 0;
  int roll = d.d100_maintype;
  if (roll == 99 || roll == 100) {
    exc |= EXC_QUALITY;
    exc |= (static_cast<uint32_t>(d.d6_2_exc_qualmult) & 0xF) << 4;
    roll = d.d100_excep_1 - 2;
  }
  if (roll == 98) {
    exc |= EXC_SIZE;
    exc |= (static_cast<uint32_t>(d.d100_exc_sizemult) & 0xFF) << 12;
    exc |= (static_cast<uint32_t>(d.d10_exc_sizesl) & 0xF) << 20;
    roll = d.d100_excep_2 - 3;
  }
  other_from_main_table(out, roll, dice, exc);
  return other_break_line(out);
}
