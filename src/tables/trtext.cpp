// The result buffer and its bounded append helpers.
#include "trtext.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

char con_trs_txt[TRS_TXT_SIZE];

void trs_clear() { con_trs_txt[0] = '\0'; }

std::size_t trs_length() { return std::strlen(con_trs_txt); }

void trs_append(const char *text) {
  std::size_t len = trs_length();
  std::size_t room = sizeof con_trs_txt - 1 - len;
  std::size_t add = std::strlen(text);
  if (add > room) add = room;
  std::memcpy(con_trs_txt + len, text, add);
  con_trs_txt[len + add] = '\0';
}

void trs_appendf(const char *fmt, ...) {
  std::size_t len = trs_length();
  va_list args;
  va_start(args, fmt);
  std::vsnprintf(con_trs_txt + len, sizeof con_trs_txt - len, fmt, args);
  va_end(args);
}
