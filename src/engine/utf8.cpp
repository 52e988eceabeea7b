// The UTF-8 decoder.
#include "utf8.h"

utf8_char utf8_at(std::string_view s, std::size_t at) {
  const auto byte = [&](std::size_t k) {
    return static_cast<unsigned char>(s[k]);
  };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {1, lead, 0};
  std::size_t length = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  if (lead == 0xE0) lo = 0xA0;
  if (lead == 0xED) hi = 0x9F;
  if (lead == 0xF0) lo = 0x90;
  if (lead == 0xF4) hi = 0x8F;
  if (length == 0) return {0, -1, 1};
  long code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    // A wrong byte is read again: it may start the next character.
    if (at + k >= s.size()) return {0, -1, k};
    const unsigned char c = byte(at + k);
    if (c < (k == 1 ? lo : 0x80) || c > (k == 1 ? hi : 0xBF)) return {0, -1, k};
    code = code << 6 | (c & 0x3F);
  }
  return {length, code, 0};
}

bool is_utf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const utf8_char c = utf8_at(text, at);
    if (c.length == 0) return false;
    at += c.length;
  }
  return true;
}

std::string utf8_replaced(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const utf8_char c = utf8_at(text, at);
    if (c.length == 0) {
      out += UTF8_REPLACEMENT;
      at += c.bad;
    } else {
      out.append(text.substr(at, c.length));
      at += c.length;
    }
  }
  return out;
}
