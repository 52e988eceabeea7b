// Display cells of text: the engine's UTF-8 decoder and the locale's
// character widths.
#include "screen_text.h"

#include <langinfo.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "utf8.h"

namespace {

bool continuation(unsigned char u) { return (u & 0xC0) == 0x80; }

}  // namespace

bool screen_utf8() {
  return MB_CUR_MAX > 1 && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
}

screen_char next_screen_char(const char *text, std::size_t n, bool utf8) {
  const auto *u = reinterpret_cast<const unsigned char *>(text);
  if (!utf8 || u[0] < 0x80) return {1, 1, true};
  const utf8_char c = utf8_at(std::string_view(text, n), 0);
  if (c.length == 0) return {1, 1, false};
  const int len = static_cast<int>(c.length);
  const long cp = c.code_point;
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
