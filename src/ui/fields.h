// The parameterised number and text fields behind the field editors and the
// settings dialogues.
#pragma once

#include <cstddef>

constexpr int FIELD_ESCAPE = -1;  // Escape was pressed
constexpr int FIELD_EMPTY = -2;   // Enter on an empty field
constexpr int FIELD_PASSED = -3;  // the caller's own key (rules.pass_key)

// When the digit "0" is accepted.
enum class zero_rule {
  at_start,     // when the value is not 0, or nothing is typed yet
  after_digit,  // only when the value is not 0
  always,
};

struct num_rules {
  zero_rule zero;
  long long digit_below;  // a digit is accepted while the value is below this
  int lo, hi;             // Enter accepts lo <= value <= hi
  bool empty_enter;  // Enter at the first column below lo gives FIELD_EMPTY
  bool bs_at_zero;   // Backspace at value 0 blanks the first column
  int pass_key;      // a key handed back as FIELD_PASSED, or 0
  // When given, every key the field does not take (and Backspace or Enter on
  // a field with nothing typed) is handed back as FIELD_PASSED, stored here.
  int *passed = nullptr;
};

// Runs a number field that began at start_col of the cursor's row. *value
// holds the value typed so far and survives a FIELD_PASSED return, so the
// caller can go on with the same field. Returns the accepted value,
// FIELD_ESCAPE, FIELD_EMPTY or FIELD_PASSED.
int num_field(const num_rules &rules, int start_col, long long *value);

struct text_rules {
  int max_len;       // most characters
  bool allow_space;  // a blank may be typed
  int width;         // columns rewritten when not typed at the end
  bool empty_enter;  // Enter on an empty text returns FIELD_EMPTY (else waits)
};

// Runs a text field that begins at the cursor. On Enter with text the text is
// copied into dest (at most size - 1 characters) and 0 returned; otherwise
// FIELD_ESCAPE or FIELD_EMPTY, and dest is not touched.
int text_field(const text_rules &rules, char *dest, std::size_t size);
