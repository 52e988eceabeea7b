// The command line's reading of values, one rule for every option.
#include "option_values.h"

std::string trim_blanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::optional<long> decimal_digits(std::string_view text) {
  if (text.empty()) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min(value * 10 + (c - '0'), 1000000000L);
  }
  return value;
}

CLI::Validator decimal_value() {
  return CLI::Validator(
      [](std::string &value) {
        value = trim_blanks(value);
        if (!decimal_digits(value))
          return "'" + value + "' is not a decimal number";
        // Leading zeros go, so no reader takes the value for octal.
        value.erase(0,
                    std::min(value.find_first_not_of('0'), value.size() - 1));
        return std::string();
      },
      "");
}

CLI::Validator non_empty_value() {
  return CLI::Validator(
      [](std::string &value) {
        value = trim_blanks(value);
        return value.empty() ? std::string("an empty value is not allowed")
                             : std::string();
      },
      "");
}
