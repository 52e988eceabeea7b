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

// How an item without a value of its own states its worth against an
// ordinary one.
enum class relative_value { times_normal, value_times };

// The exceptional texts, then, only for an exceptional item, its worth.
void append_relative_value(uint32_t exc, relative_value wording) {
  float value = other_exceptional(1.0f, exc);
  if ((exc & (EXC_QUALITY | EXC_SIZE)) == 0) return;
  switch (wording) {
    case relative_value::times_normal:
      result_appendf(", %.1f * normal value", value);
      break;
    case relative_value::value_times:
      result_appendf(", value * %.1f", value);
      break;
  }
}

}  // namespace

void other_clothing(int num, uint32_t exc) {
  result_appendf("%d piece(s) of clothing", num);
  append_relative_value(exc, relative_value::times_normal);
}

void other_musical_instrument(uint32_t exc) {
  result_append("Musical instrument");
  append_relative_value(exc, relative_value::value_times);
}

void other_other(uint32_t exc) {
  result_append("Other : Other item, Referee's choice (see book IV)");
  append_relative_value(exc, relative_value::value_times);
}

void other_cloth(int kind, int length, uint32_t exc) {
  float value = 1.0f;
  float size_mod = 1.0f;
  char gathered[CLOTH_TXT_SIZE] = "";
  char exc_text[EXC_TXT_SIZE];
  // The exceptional texts follow the amount, so they are gathered first.
  if (exc & EXC_QUALITY) {
    value = value * other_exceptional_quality(exc_quality_mult(exc), exc_text);
    std::snprintf(gathered, sizeof gathered, "%s", exc_text);
  }
  if (exc & EXC_SIZE) {
    size_mod = other_exceptional_size(exc_large_or_small(exc),
                                      exc_size_roll(exc), exc_text);
    value = value * other_size_value(size_mod);
    std::size_t used = std::strlen(gathered);
    std::snprintf(gathered + used, sizeof gathered - used, "%s", exc_text);
  }
  float yards = static_cast<float>(length) * size_mod;
  value = value * yards;
  result_appendf("%.1f yards of cloth", yards);
  result_append(gathered);
  const cloth_row &row = table_row(cloth_rows, kind);
  value = value * row.factor;
  result_appendf(", %.1f %s", value, row.unit);
}
