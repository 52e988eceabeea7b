// The command line's reading of values, one rule for every option.
#include "option_values.h"

#include <algorithm>

CLI::Validator decimal_value() {
  return CLI::Validator(
      [](std::string &value) {
        value = trim_blanks(value);
        if (std::string refusal = decimal_refusal(value); !refusal.empty())
          return refusal;
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
