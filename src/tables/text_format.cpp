// The category routines' formatter.
#include "text_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// The text being made: bytes past the buffer's room are counted, not kept.
struct text_out {
  char *buf;
  std::size_t room;  // bytes that may be written before the terminator
  std::size_t len;   // length of the whole text so far
  void put(const char *s, std::size_t n) {
    if (len < room) std::memcpy(buf + len, s, n < room - len ? n : room - len);
    len += n;
  }
};

// Only these conversions are made here: %d, %s, %%, and %.Nf with N given as
// one digit or as *.
bool made_here(const char *fmt) {
  for (const char *p = std::strchr(fmt, '%'); p; p = std::strchr(p, '%')) {
    ++p;
    if (*p == 'd' || *p == 's' || *p == '%') {
      ++p;
    } else if (p[0] == '.' && (p[1] == '*' || (p[1] >= '0' && p[1] <= '9')) &&
               p[2] == 'f') {
      p += 3;
    } else {
      return false;
    }
  }
  return true;
}

// Writes the decimal digits of v ending at end; returns where they start.
char *digits(uint64_t v, char *end) {
  do {
    *--end = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  return end;
}

void put_int(text_out &out, int v) {
  char tmp[16];
  char *end = tmp + sizeof tmp;
  uint64_t magnitude = v < 0
                           ? 0 - static_cast<uint64_t>(static_cast<int64_t>(v))
                           : static_cast<uint64_t>(v);
  char *p = digits(magnitude, end);
  if (v < 0) *--p = '-';
  out.put(p, static_cast<std::size_t>(end - p));
}

// |v| * 10^decimals rounded as %.Nf rounds it: the exact binary value, half
// to even. False (and nothing made) for N above 2, for a value not finite or
// of which 100 times the magnitude is not below 2^63.
bool scaled_whole(double v, int decimals, uint64_t &whole) {
  constexpr uint64_t SCALE[] = {1, 10, 100};
  int exponent = 0;
  double fraction = std::isfinite(v) ? std::frexp(std::fabs(v), &exponent) : 0;
  // |v| = mantissa * 2^shift exactly, mantissa below 2^53.
  auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
  int shift = exponent - 53;
  if (!std::isfinite(v) || decimals < 0 || decimals > 2 || shift > 0)
    return false;
  uint64_t scaled = mantissa * SCALE[decimals];  // below 2^60
  whole = 0;
  if (shift > -64) {
    int k = -shift;
    whole = k == 0 ? scaled : scaled >> k;
    uint64_t rest = k == 0 ? 0 : scaled & ((uint64_t{1} << k) - 1);
    uint64_t half = k == 0 ? 1 : uint64_t{1} << (k - 1);
    if (k > 0 && (rest > half || (rest == half && (whole & 1)))) ++whole;
  }
  return true;
}

// %.Nf as the C library makes it, made here where scaled_whole can round
// the value; the C library makes the rest.
void put_fixed(text_out &out, double v, int decimals) {
  uint64_t whole = 0;  // |v| * 10^N, rounded
  if (!scaled_whole(v, decimals, whole)) {
    char tmp[400];
    int n = std::snprintf(tmp, sizeof tmp, "%.*f", decimals, v);
    if (n > 0) out.put(tmp, static_cast<std::size_t>(n));
    return;
  }
  char tmp[32];
  char *end = tmp + sizeof tmp;
  char *p = end;
  if (decimals > 0) {
    for (int i = 0; i < decimals; ++i, whole /= 10)
      *--p = static_cast<char>('0' + whole % 10);
    *--p = '.';
  }
  p = digits(whole, p);
  if (std::signbit(v)) *--p = '-';
  out.put(p, static_cast<std::size_t>(end - p));
}

}  // namespace

long long tenths_as_printed(double v, int decimals) {
  uint64_t whole = 0;
  if (decimals < 0 || decimals > 1 || !scaled_whole(v, decimals, whole))
    return std::llround(v * 10.0);
  auto tenths = static_cast<long long>(decimals == 0 ? whole * 10 : whole);
  return std::signbit(v) ? -tenths : tenths;
}

int format_text(char *buf, std::size_t size, const char *fmt, va_list args) {
  if (size == 0 || !made_here(fmt)) return std::vsnprintf(buf, size, fmt, args);
  text_out out{buf, size - 1, 0};
  for (const char *p = fmt; *p;) {
    const char *mark = std::strchr(p, '%');
    std::size_t plain =
        mark ? static_cast<std::size_t>(mark - p) : std::strlen(p);
    out.put(p, plain);
    if (!mark) break;
    p = mark + 1;
    if (*p == '%') {
      out.put("%", 1);
      ++p;
    } else if (*p == 'd') {
      put_int(out, va_arg(args, int));
      ++p;
    } else if (*p == 's') {
      const char *s = va_arg(args, const char *);
      if (!s) s = "(null)";
      out.put(s, std::strlen(s));
      ++p;
    } else {  // .Nf or .*f
      int decimals = p[1] == '*' ? va_arg(args, int) : p[1] - '0';
      put_fixed(out, va_arg(args, double), decimals);
      p += 3;
    }
  }
  buf[out.len < out.room ? out.len : out.room] = '\0';
  return static_cast<int>(out.len);
}
