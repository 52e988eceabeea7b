// The tables' formatter gives vsnprintf's text byte for byte: the rounding
// of the exact binary value half to even, signs, the conversions it hands
// on, and the cut at the buffer's end.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "text_format.h"

namespace {

// format_text and vsnprintf give the same length and leave the same bytes in
// a buffer of `size` bytes (and nothing written past it).
__attribute__((format(printf, 2, 3))) void expect_same(std::size_t size,
                                                       const char *fmt, ...) {
  char ours[512], theirs[512];
  std::memset(ours, '#', sizeof ours);
  std::memset(theirs, '#', sizeof theirs);
  va_list args, again;
  va_start(args, fmt);
  va_copy(again, args);
  int n = format_text(ours, size, fmt, args);
  int m = std::vsnprintf(theirs, size, fmt, again);
  va_end(again);
  va_end(args);
  ASSERT_EQ(n, m) << fmt;
  ASSERT_EQ(std::string(ours, sizeof ours), std::string(theirs, sizeof theirs))
      << fmt << " into " << size << ": " << std::string(theirs, size);
}

TEST(TextFormat, FixedDecimalsAsTheCLibrary) {
  const double edges[] = {0.0,    -0.0,    0.05,     0.25,  0.125,      2.5,
                          3.5,    -2.5,    -0.04,    0.005, 1.005,      0.015f,
                          9.995,  99.95f,  1e-30,    1e15,  9.0e15,     1e17,
                          -1e300, DBL_MIN, INFINITY, NAN,   123456.785, 0.45f};
  std::mt19937_64 bits(7);
  std::vector<double> values(std::begin(edges), std::end(edges));
  for (int i = 0; i < 20000; ++i) {
    // Products of floats as the tables make them, and halves of every kind.
    float f = static_cast<float>(bits() % 2000000) / 1000.0f;
    values.push_back(f * static_cast<float>(bits() % 300) / 7.0f);
    values.push_back(std::ldexp(static_cast<double>(bits() % 4096) + 0.5,
                                -static_cast<int>(bits() % 12)));
  }
  for (double v : values) {
    expect_same(64, "%.0f|%.1f|%.2f", v, v, v);
    expect_same(64, ", %.*f %s", static_cast<int>(bits() % 5) - 1, v, "SC");
  }
}

}  // namespace
