// Clothing, cloth by the yard, musical instruments and items of the referee's
// choice.
#include <cstdio>
#include <cstring>

#include "tr_other.h"
#include "trtext.h"

namespace {

// Room for the quality and size texts that cloth gathers before its value.
constexpr int CLOTH_TXT_SIZE = 60;

struct cloth_row {
  int hi;
  float factor;  // price per yard
  const char *unit;
};

// clang-format off
constexpr cloth_row cloth_rows[] = {
    { 25, 1.0f, "CC"},
    { 45, 2.0f, "CC"},
    { 60, 3.0f, "CC"},
    { 70, 4.0f, "CC"},
    { 80, 5.0f, "CC"},
    { 88, 6.0f, "CC"},
    { 94, 8.0f, "CC"},
    { 98, 1.0f, "SC"},
    { 99, 2.0f, "SC"},
    {100, 3.0f, "SC"},
};
// clang-format on

// Items without a value of their own: the exceptional texts, then, only for
// an exceptional item, how much it is worth against an ordinary one.
void append_relative_value(uint32_t t_spec, const char *value_fmt) {
  float value = other_exceptional(1.0f, t_spec);
  if (t_spec & (EXC_QUALITY | EXC_SIZE)) trs_appendf(value_fmt, value);
}

}  // namespace

void other_clothing(int num, uint32_t t_spec) {
  trs_appendf("%d piece(s) of clothing", num);
  append_relative_value(t_spec, ", %.1f * normal value");
}

void other_musical(uint32_t t_spec) {
  trs_append("Musical instrument");
  append_relative_value(t_spec, ", value * %.1f");
}

void other_other(uint32_t t_spec) {
  trs_append("Other : Other item, Referee's choice (see book IV)");
  append_relative_value(t_spec, ", value * %.1f");
}

void other_cloth(int kind, int length, uint32_t t_spec) {
  float value = 1.0f;
  float size_mod = 1.0f;
  char t_tmp[CLOTH_TXT_SIZE] = "";
  char t_txt[EXC_TXT_SIZE];
  // The exceptional texts follow the amount, so they are gathered first.
  if (t_spec & EXC_QUALITY) {
    value = value * other_exqual(exc_qualmult(t_spec), t_txt);
    std::snprintf(t_tmp, sizeof t_tmp, "%s", t_txt);
  }
  if (t_spec & EXC_SIZE) {
    size_mod = other_exsize(exc_sizesl(t_spec), exc_sizeroll(t_spec), t_txt);
    value = value * other_exstoval(size_mod);
    std::size_t used = std::strlen(t_tmp);
    std::snprintf(t_tmp + used, sizeof t_tmp - used, "%s", t_txt);
  }
  float yards = static_cast<float>(length) * size_mod;
  value = value * yards;
  trs_appendf("%.1f yards of cloth", yards);
  trs_append(t_tmp);
  const cloth_row &row = table_row(cloth_rows, kind);
  value = value * row.factor;
  trs_appendf(", %.1f %s", value, row.unit);
}
