// Clothing, cloth by the yard, musical instruments and items of the referee's
// choice.
#include "table_lookup.h"
#include "tr_other.h"

namespace {

struct cloth_row {
  int hi;
  float factor;  // price per yard
  coin_kind unit;
};

// clang-format off
constexpr cloth_row cloth_rows[] = {
    { 25, 1.0f, CC},
    { 45, 2.0f, CC},
    { 60, 3.0f, CC},
    { 70, 4.0f, CC},
    { 80, 5.0f, CC},
    { 88, 6.0f, CC},
    { 94, 8.0f, CC},
    { 98, 1.0f, SC},
    { 99, 2.0f, SC},
    {100, 3.0f, SC},
};
static_assert(bounds_ascend(cloth_rows));
// clang-format on

// How an item without a value of its own states its worth against an
// ordinary one.
enum class relative_value { times_normal, value_times };

// The exceptional texts, then, only for an exceptional item, its worth.
void append_relative_value(item_result &out, uint32_t exc,
                           relative_value wording) {
  float value = other_exceptional(out, 1.0f, exc);
  if ((exc & (EXC_QUALITY | EXC_SIZE)) == 0) return;
  switch (wording) {
    case relative_value::times_normal:
      out.appendf(", %.1f * normal value", value);
      break;
    case relative_value::value_times:
      out.appendf(", value * %.1f", value);
      break;
  }
}

}  // namespace

void other_clothing(item_result &out, int num, uint32_t exc) {
  out.appendf("%d piece(s) of clothing", num);
  append_relative_value(out, exc, relative_value::times_normal);
}

void other_musical_instrument(item_result &out, uint32_t exc) {
  out.append("Musical instrument");
  append_relative_value(out, exc, relative_value::value_times);
}

void other_other(item_result &out, uint32_t exc) {
  out.append("Other : Other item, Referee's choice (see book IV)");
  append_relative_value(out, exc, relative_value::value_times);
}

void other_cloth(item_result &out, int kind, int length, uint32_t exc) {
  // The exceptional texts follow the amount, so they are gathered first.
  exc_parts p = other_exceptional_parts(exc);
  float value = 1.0f;
  if (exc & EXC_QUALITY) value = value * p.quality;
  if (exc & EXC_SIZE) value = value * p.size_value;
  float size_mod = p.size;
  float yards = static_cast<float>(length) * size_mod;
  value = value * yards;
  out.appendf("%.1f yards of cloth", yards);
  out.append(p.quality_text);
  out.append(p.size_text);
  const cloth_row &row = table_row(cloth_rows, kind);
  value = value * row.factor;
  append_value(out, ", ", value_kind::worth, value, 1, row.unit);
}
