// The result buffer and its bounded append helpers.
#include "trtext.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "text_format.h"

char result_text[RESULT_TEXT_SIZE];

void result_clear() { result_text[0] = '\0'; }

std::size_t result_length() { return std::strlen(result_text); }

void result_append(const char *text) {
  std::size_t len = result_length();
  std::size_t room = sizeof result_text - 1 - len;
  std::size_t add = std::strlen(text);
  if (add > room) add = room;
  std::memcpy(result_text + len, text, add);
  result_text[len + add] = '\0';
}

void result_appendf(const char *fmt, ...) {
  std::size_t len = result_length();
  va_list args;
  va_start(args, fmt);
  format_text(result_text + len, sizeof result_text - len, fmt, args);
  va_end(args);
}
