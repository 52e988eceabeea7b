// The one UTF-8 decoder: the screen, the files' checks and the JSON writer
// all read text through it, so they agree on what is UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// U+FFFD, in place of what is not UTF-8.
inline constexpr char UTF8_REPLACEMENT[] = "\xEF\xBF\xBD";

// The well-formed UTF-8 sequence at `at` of `text`: its length and code
// point, or length 0 when there is none (no overlong form, no surrogate,
// nothing past U+10FFFF). `bad` is then the number of bytes to pass over:
// a byte that starts nothing alone, a sequence cut short up to the byte
// that breaks it, which may start the next character.
struct utf8_char {
  std::size_t length;
  long code_point;
  std::size_t bad;
};
utf8_char utf8_at(std::string_view text, std::size_t at);

// Whether the whole text is well-formed UTF-8.
bool is_utf8(std::string_view text);

// The text with each stretch of bytes that is not UTF-8 made one U+FFFD.
std::string utf8_replaced(std::string_view text);
