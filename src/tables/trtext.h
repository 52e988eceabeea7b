// Building texts in the result buffer, and the one table lookup every table
// uses. Appends are bounded: text past the buffer's end is dropped, never
// spilled.
#pragma once

#include <cstddef>

#include "trtables.h"

// Empties result_text.
void result_clear();
// Appends a text to result_text.
void result_append(const char *text);
// Appends a formatted text to result_text. Every caller passes a string
// literal as the format, so no table text or file text is ever read as one.
void result_appendf(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
// Current length of the text in result_text.
std::size_t result_length();

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
