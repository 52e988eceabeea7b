// Text as the screen shows it, measured in display cells. Under a UTF-8
// locale a character takes the cells the locale gives it (two for a wide
// one, none for a combining mark) and each byte that is not part of a UTF-8
// character takes one cell, shown as the replacement mark; under any other
// locale every byte is one cell. The grid, the pager, the lists and the
// report viewer all measure through these functions, so the memory screen of
// the tests counts as the terminal does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "utf8.h"

// U+FFFD, shown in place of a byte that is not UTF-8 and of a character
// the terminal cannot show.
inline constexpr auto &REPLACEMENT_MARK = UTF8_REPLACEMENT;

// Whether the screen reads text as UTF-8: the character set of the locale.
bool screen_utf8();

struct screen_char {
  int bytes;   // its length in the text, at least 1
  int cells;   // 0 (joins the character before it), 1 or 2
  bool shown;  // false: shown as the replacement mark, one cell
};

// The character at the start of text (n > 0 bytes). An ASCII byte, and any
// byte when utf8 is false, is one shown cell.
screen_char next_screen_char(const char *text, std::size_t n, bool utf8);

// Display cells of text.
int text_cells(std::string_view text);
// The longest start of text that fits in cells; marks of no width after the
// last character kept stay with it.
std::string_view fit_cells(std::string_view text, int cells);
// Text cut to cells and padded with blanks to exactly that many.
std::string pad_cells(std::string_view text, int cells);
// The largest length up to n that does not end inside a UTF-8 character
// (n itself for text that is not UTF-8 there).
std::size_t char_boundary(const char *text, std::size_t n);
