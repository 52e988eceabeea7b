// Display cells of text: one UTF-8 decoder and the locale's character widths.
#include "screen_text.h"

#include <langinfo.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

bool continuation(unsigned char u) { return (u & 0xC0) == 0x80; }

// The code point of a well-formed UTF-8 sequence at text, or -1: no overlong
// forms, no surrogates, nothing past U+10FFFF. *len gets its length.
long decode(const unsigned char *text, std::size_t n, int *len) {
  unsigned char u = text[0];
  int need = u >= 0xF0 ? 3 : u >= 0xE0 ? 2 : u >= 0xC2 ? 1 : -1;
  if (need < 0 || u > 0xF4 || static_cast<std::size_t>(need) >= n) return -1;
  long cp = u & (0x3F >> need);
  for (int k = 1; k <= need; ++k) {
    if (!continuation(text[k])) return -1;
    cp = (cp << 6) | (text[k] & 0x3F);
  }
  const long least[] = {0, 0x80, 0x800, 0x10000};
  if (cp < least[need] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return -1;
  *len = need + 1;
  return cp;
}

}  // namespace

bool screen_utf8() {
  return MB_CUR_MAX > 1 && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
}

screen_char next_screen_char(const char *text, std::size_t n, bool utf8) {
  const auto *u = reinterpret_cast<const unsigned char *>(text);
  if (!utf8 || u[0] < 0x80) return {1, 1, true};
  int len = 1;
  long cp = decode(u, n, &len);
  if (cp < 0) return {1, 1, false};
  int width = wcwidth(static_cast<wchar_t>(cp));
  if (width < 0) return {len, 1, false};  // a control or unassigned
  return {len, width > 2 ? 2 : width, true};
}

std::string_view fit_cells(std::string_view text, int cells) {
  bool utf8 = screen_utf8();
  std::size_t i = 0;
  int used = 0;
  while (i < text.size()) {
    screen_char c = next_screen_char(text.data() + i, text.size() - i, utf8);
    if (used + c.cells > cells) break;
    used += c.cells;
    i += c.bytes;
  }
  return text.substr(0, i);
}

int text_cells(std::string_view text) {
  bool utf8 = screen_utf8();
  int used = 0;
  for (std::size_t i = 0; i < text.size();) {
    screen_char c = next_screen_char(text.data() + i, text.size() - i, utf8);
    used += c.cells;
    i += c.bytes;
  }
  return used;
}

std::string pad_cells(std::string_view text, int cells) {
  std::string out(fit_cells(text, cells));
  out.append(cells - text_cells(out), ' ');
  return out;
}

std::size_t char_boundary(const char *text, std::size_t n) {
  const auto *u = reinterpret_cast<const unsigned char *>(text);
  std::size_t k = n;
  while (k > 0 && n - k < 3 && continuation(u[k])) --k;
  return k > 0 && u[k] >= 0xC0 ? k : n;
}
