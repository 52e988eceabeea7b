// How the command line reads a value: numbers in decimal only, blanks around
// any value dropped, an empty value refused.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <string_view>

// The text without the blanks and tabs at either end.
std::string trim_blanks(std::string_view text);

// The value of a text of decimal digits alone (leading zeros are zeros),
// or nothing; values past 999999999 are given as 1000000000, beyond any
// range the options take.
std::optional<long> decimal_digits(std::string_view text);

struct setting_options;
// The options of the settings (roll and stats).
void add_setting_options(CLI::App &command, setting_options &o);

// A transformer for number options: drops the blanks around the value and
// refuses anything but decimal digits (no sign, no 0x, no octal), so CLI11's
// own reading sees a plain decimal number.
CLI::Validator decimal_value();
// A transformer for text options: drops the blanks around the value and
// refuses a value that is then empty.
CLI::Validator non_empty_value();
