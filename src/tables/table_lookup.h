// The one table lookup every table uses, and the checks every table passes
// at compile time.
#pragma once

#include <cstddef>

#include "text_format.h"
#include "trtables.h"

// The units of the tables' value columns.
constexpr coin_kind NO_UNIT = coin_kind::none;
constexpr coin_kind BB = coin_kind::brass_bits;
constexpr coin_kind CC = coin_kind::copper_coins;
constexpr coin_kind SC = coin_kind::silver_coins;
constexpr coin_kind GC = coin_kind::gold_coins;

// Appends `lead`, then "<amount> <unit>" as "%.*f %s" makes it, and records
// the value; with no unit (a worthless scroll's "value 0.0 ") the text is
// the same and no value is recorded.
inline void append_value(item_result &out, const char *lead, value_kind kind,
                         double amount, int decimals, coin_kind unit) {
  out.append(lead);
  out.appendf("%.*f %s", decimals, amount, coin_unit_text(unit));
  if (unit != NO_UNIT)
    out.values.add(kind, unit, tenths_as_printed(amount, decimals));
}

// Row shapes shared by the tables. Every row starts with the upper bound `hi`
// of the values that select it; tables of another shape define their row next
// to the table.
struct text_row {
  int hi;
  const char *text;
};

struct number_row {
  int hi;
  int number;
};

struct factor_row {
  int hi;
  float factor;
};

// A table is an array of rows ordered by their upper bound `hi`. The first row
// whose bound the value does not exceed is taken: the first row takes every
// value below it and the last row every value above it.
template <typename Row, std::size_t N>
constexpr const Row &table_row(const Row (&rows)[N], int value) {
  for (std::size_t i = 0; i + 1 < N; ++i)
    if (value <= rows[i].hi) return rows[i];
  return rows[N - 1];
}

// For small lists keyed by exact values: the row as table_row finds it, or
// null when the value lies outside [lo, hi] (such lists append nothing then).
template <typename Row, std::size_t N>
constexpr const Row *table_row_in(const Row (&rows)[N], int value, int lo,
                                  int hi) {
  if (value < lo || value > hi) return nullptr;
  return &table_row(rows, value);
}

// Whether every row's bound is above the one before: table_row takes the
// first row whose bound the value does not exceed, so a bound out of order
// would hide the rows after it. Each table checks it with a static_assert.
template <typename Row, std::size_t N>
constexpr bool bounds_ascend(const Row (&rows)[N]) {
  for (std::size_t i = 1; i < N; ++i)
    if (!(rows[i - 1].hi < rows[i].hi)) return false;
  return true;
}
