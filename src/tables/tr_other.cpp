// Other treasure: the category routine, the main table that picks the kind of
// item, the exceptional quality and size of an item, and statues.
#include "tr_other.h"

#include <cstdio>
#include <cstring>

#include "trtext.h"

namespace {

// A finished text this long or longer is broken once.
constexpr int LINE_WIDTH = 80;

struct main_row {
  int hi;
  void (*item)(all_dice_ptr dice, uint32_t t_spec);
};

// clang-format off
// Rows below 1 come only from the exceptional re-rolls and take the first row.
constexpr main_row main_rows[] = {
    { 5, [](all_dice_ptr d, uint32_t s) { other_statue(d->other.d10_2_statueval, s); }},
    {13, [](all_dice_ptr d, uint32_t s) { other_eating(d->other.d10_misc_amount, d->other.d6_2_misc_val, s); }},
    {18, [](all_dice_ptr d, uint32_t s) { other_plate(d->other.d10_misc_amount, s); }},
    {30, [](all_dice_ptr d, uint32_t s) { other_container(d, s); }},
    {35, [](all_dice_ptr d, uint32_t s) { other_kegs(d, s); }},
    {40, [](all_dice_ptr d, uint32_t s) { other_furniture(d->other.d10_furniture, s); }},
    {45, [](all_dice_ptr d, uint32_t s) { other_fur(d->other.d10_3_fur_value, d->other.d10_fur_kind, s); }},
    {50, [](all_dice_ptr d, uint32_t s) { other_finecov(d->other.d6_cov_width, d->other.d10_2_a4_cov_length, s); }},
    {60, [](all_dice_ptr d, uint32_t s) { other_glass(d->other.d10_crystal, d->other.d10_glass_size, s); }},
    {70, [](all_dice_ptr,   uint32_t s) { other_tools(s); }},
    {75, [](all_dice_ptr d, uint32_t s) { other_vessel(d->other.d10_misc_amount, s); }},
    {79, [](all_dice_ptr d, uint32_t s) { other_art(d->other.d10_2_art_value, d->other.d10_art_magic, s); }},
    {83, [](all_dice_ptr d, uint32_t s) { other_bookmain(d, s); }},
    {88, [](all_dice_ptr d, uint32_t s) { other_clothing(d->other.d6_clothes, s); }},
    {92, [](all_dice_ptr d, uint32_t s) { other_cloth(d->other.d100_cloth_value, d->other.d100_cloth_length, s); }},
    {96, [](all_dice_ptr,   uint32_t s) { other_musical(s); }},
    {97, [](all_dice_ptr,   uint32_t s) { other_other(s); }},  // 97 and above
};

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

// Value multiplier of a size multiplier. Bounds are in hundredths, so every
// size multiplier of the tables above lands on its own row exactly.
struct size_value_row {
  int hi;
  float val;
};

constexpr size_value_row size_value_rows[] = {
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

struct statue_row {
  int hi;
  float val;
};

constexpr statue_row statue_rows[] = {
    { 2, 0.1f},
    { 3, 0.2f},
    { 4, 0.4f},  // not 0.3
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
// clang-format on

}  // namespace

float other_exqual(int r_roll, char *t_txt) {
  std::snprintf(t_txt, EXC_TXT_SIZE, ", exceptionally good");
  return static_cast<float>(r_roll);
}

float other_exsize(int r_smla, int r_roll, char *t_txt) {
  if (r_smla <= 5) {
    const size_row &row = table_row(large_rows, r_roll);
    std::snprintf(t_txt, EXC_TXT_SIZE, ", exceptionally large +%.0f%%",
                  static_cast<double>(row.percent));
    return row.size;
  }
  const size_row &row = table_row(small_rows, r_roll);
  std::snprintf(t_txt, EXC_TXT_SIZE, ", exceptionally small -%.0f%%",
                static_cast<double>(row.percent));
  return row.size;
}

float other_exstoval(float size_mod) {
  int hundredths = static_cast<int>(size_mod * 100.0 + 0.5);
  return table_row(size_value_rows, hundredths).val;
}

float other_exceptional(float value, uint32_t t_spec) {
  char t_txt[EXC_TXT_SIZE];
  if (t_spec & EXC_QUALITY) {
    float mult = other_exqual(exc_qualmult(t_spec), t_txt);
    value = value * mult;
    trs_append(t_txt);
  }
  if (t_spec & EXC_SIZE) {
    float size_mod =
        other_exsize(exc_sizesl(t_spec), exc_sizeroll(t_spec), t_txt);
    value = value * other_exstoval(size_mod);
    trs_append(t_txt);
  }
  return value;
}

void other_statue(int r_roll, uint32_t t_spec) {
  trs_append("Statue");
  float value = table_row(statue_rows, r_roll).val;
  value = other_exceptional(value, t_spec);
  trs_appendf(", size * %.1f CC", value);
}

void other_tableone(int r_roll, all_dice_ptr dice, uint32_t t_spec) {
  table_row(main_rows, r_roll).item(dice, t_spec);
}

int other_linebreak() {
  // Room for the longest text, the five characters a break adds and the
  // newline.
  char t_ctt[TRS_TXT_SIZE + 8];
  int lines = 1;
  int len = static_cast<int>(trs_length());
  std::memcpy(t_ctt, con_trs_txt, len + 1);
  if (len >= LINE_WIDTH) {
    for (int pos = LINE_WIDTH - 1; pos >= 0; --pos) {
      if (con_trs_txt[pos] != ' ') continue;
      std::memcpy(t_ctt + pos, "\n     ", 6);
      std::memcpy(t_ctt + pos + 6, con_trs_txt + pos + 1, len - pos);
      len += 5;
      lines = 2;
      break;
    }
  }
  // A text that would not leave room for the newline loses its last
  // characters rather than its line end.
  if (len > TRS_TXT_SIZE - 2) len = TRS_TXT_SIZE - 2;
  t_ctt[len] = '\n';
  t_ctt[len + 1] = '\0';
  trs_clear();
  trs_append(t_ctt);
  return lines;
}

int other_main(all_dice_ptr dice) {
  const other_dice &d = dice->other;
  trs_clear();
  uint32_t t_spec = 0;
  int r_roll = d.d100_maintype;
  if (r_roll == 99 || r_roll == 100) {
    t_spec |= EXC_QUALITY;
    t_spec |= (static_cast<uint32_t>(d.d6_2_exc_qualmult) & 0xF) << 4;
    r_roll = d.d100_excep_1 - 2;
  }
  if (r_roll == 98) {
    t_spec |= EXC_SIZE;
    t_spec |= (static_cast<uint32_t>(d.d100_exc_sizemult) & 0xFF) << 12;
    t_spec |= (static_cast<uint32_t>(d.d10_exc_sizesl) & 0xF) << 20;
    r_roll = d.d100_excep_2 - 3;
  }
  other_tableone(r_roll, dice, t_spec);
  return other_linebreak();
}
