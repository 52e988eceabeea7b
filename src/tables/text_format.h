// The category routines' formatter: the text vsnprintf gives, byte for byte,
// made without the C library's stream machinery for the conversions the
// tables use, which takes a tenth of the time.
#pragma once

#include <cstdarg>
#include <cstddef>

// As std::vsnprintf(buf, size, fmt, args): writes at most size - 1 bytes and
// a terminator and returns the length of the whole text.
// The conversions %d, %s, %% and %.Nf or %.*f (a double, any precision) are
// made here; a format with any other conversion goes to std::vsnprintf.
int format_text(char *buf, std::size_t size, const char *fmt, va_list args)
    __attribute__((format(printf, 3, 0)));

// The tenths of v as "%.0f" (decimals 0) or "%.1f" (decimals 1) prints it:
// "51.0" gives 510, "17" gives 170, 0.25 printed with one decimal ("0.2")
// gives 2. A value stated in an item's text is counted from this, so the
// amount counted is always the amount shown.
long long tenths_as_printed(double v, int decimals);
