// The one text formatter and the bounded append of a plain text.
#include "table_lookup.h"

#include <algorithm>
#include <cstring>

#include "text_format.h"

std::size_t append_format(char *buf, std::size_t size, std::size_t len,
                          const char *fmt, va_list args) {
  int n = format_text(buf + len, size - len, fmt, args);
  return n > 0 ? std::min(len + static_cast<std::size_t>(n), size - 1) : len;
}

std::size_t append_text(char *buf, std::size_t size, std::size_t len,
                        const char *text) {
  std::size_t add = std::min(std::strlen(text), size - 1 - len);
  std::memcpy(buf + len, text, add);
  buf[len + add] = '\0';
  return len + add;
}
