// Control bytes of quoted text written as \xNN.
#include "escaped_text.h"

namespace {

void append_hex(std::string &out, unsigned char u) {
  constexpr char DIGITS[] = "0123456789ABCDEF";
  out += "\\x";
  out += DIGITS[u >> 4];
  out += DIGITS[u & 0xF];
}

// The length of the well-formed UTF-8 character at s[0] (a lead byte of
// 0xC2 or more), or 0 when the bytes there form none.
std::size_t utf8_length(std::string_view s) {
  const unsigned char u = static_cast<unsigned char>(s[0]);
  const std::size_t n = u >= 0xF5 ? 0 : u >= 0xF0 ? 4 : u >= 0xE0 ? 3 : 2;
  if (n == 0 || s.size() < n) return 0;
  unsigned long cp = u & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) {
    const unsigned char c = static_cast<unsigned char>(s[k]);
    if ((c & 0xC0) != 0x80) return 0;
    cp = cp << 6 | (c & 0x3F);
  }
  const unsigned long least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return 0;
  return n;
}

}  // namespace

std::string escaped_text(std::string_view text, bool keep_newlines) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char u = static_cast<unsigned char>(text[i]);
    const std::size_t n = u >= 0xC2 ? utf8_length(text.substr(i)) : 0;
    if (n == 2 && u == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
      append_hex(out, u);  // a C1 control written in UTF-8
      append_hex(out, static_cast<unsigned char>(text[i + 1]));
    } else if (n > 0) {
      out.append(text, i, n);
    } else if ((u < 0x20 && !(keep_newlines && u == '\n')) || u == 0x7F ||
               (u >= 0x80 && u < 0xA0)) {
      append_hex(out, u);
    } else {
      out += static_cast<char>(u);
    }
    i += n > 0 ? n : 1;
  }
  return out;
}
