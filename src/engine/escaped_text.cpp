// Control bytes of quoted text written as \xNN.
#include "escaped_text.h"

#include "utf8.h"

namespace {

void append_hex(std::string &out, unsigned char u) {
  constexpr char DIGITS[] = "0123456789ABCDEF";
  out += "\\x";
  out += DIGITS[u >> 4];
  out += DIGITS[u & 0xF];
}

}  // namespace

std::string escaped_text(std::string_view text, bool keep_newlines) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const utf8_char c = utf8_at(text, i);
    const bool c1 = c.code_point >= 0x80 && c.code_point < 0xA0;
    if (c.length > 1 && !c1) {
      out.append(text, i, c.length);
      i += c.length;
      continue;
    }
    // A byte alone (ASCII, or one that starts no character, each byte of a
    // sequence cut short looked at again) or both bytes of a C1 control.
    for (const std::size_t end = i + (c1 ? c.length : 1); i < end; ++i) {
      const unsigned char u = static_cast<unsigned char>(text[i]);
      if (c1 || (u < 0x20 && !(keep_newlines && u == '\n')) || u == 0x7F ||
          (u >= 0x80 && u < 0xA0))
        append_hex(out, u);
      else
        out += static_cast<char>(u);
    }
  }
  return out;
}
