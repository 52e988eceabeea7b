// Fuzz target: quoted text made safe to print. The first byte says whether
// line ends stay, the rest is the text. No control byte is left (C0 but a
// kept line end, DEL, a C1 control alone or in UTF-8); every other byte
// stays in its place, so each \xNN read back as its byte gives the text
// again; and safe text stays as it is when made safe again.
#include <cstdint>

#include "escaped_text.h"
#include "fuzz_support.h"
#include "utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0) return 0;
  const bool keep_newlines = data[0] & 1;
  const std::string_view text(reinterpret_cast<const char *>(data) + 1,
                              size - 1);
  const std::string shown = escaped_text(text, keep_newlines);
  for (std::size_t at = 0; at < shown.size();) {
    const utf8_char c = utf8_at(shown, at);
    const long u =
        c.length > 0 ? c.code_point : static_cast<unsigned char>(shown[at]);
    fuzz::check(
        u >= 0xA0 || (u >= 0x20 && u != 0x7F) || (keep_newlines && u == '\n'),
        "no control byte left");
    at += c.length > 0 ? c.length : 1;
  }
  // Without a backslash of its own, each backslash of the safe text starts
  // an escape.
  if (text.find('\\') == std::string_view::npos) {
    std::string back;
    for (std::size_t at = 0; at < shown.size(); ++at)
      if (shown[at] == '\\') {
        back +=
            static_cast<char>(std::stoi(shown.substr(at + 2, 2), nullptr, 16));
        at += 3;
      } else {
        back += shown[at];
      }
    fuzz::check(back == text, "every byte kept or escaped in its place");
  }
  fuzz::check(escaped_text(shown, keep_newlines) == shown,
              "safe text stays as it is");
  return 0;
}
