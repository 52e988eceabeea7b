// How the command line reads a value: numbers in decimal only, blanks around
// any value dropped, an empty value refused; the reading of the digits is
// the engine's, which a page shares.
#pragma once

#include <CLI/CLI.hpp>

#include "setting_choice.h"  // trim_blanks, decimal_digits

// The options of the settings (roll and stats).
void add_setting_options(CLI::App &command, setting_choices &o);

// A transformer for number options: drops the blanks around the value and
// refuses anything but decimal digits (no sign, no 0x, no octal), so CLI11's
// own reading sees a plain decimal number.
CLI::Validator decimal_value();
// A transformer for text options: drops the blanks around the value and
// refuses a value that is then empty.
CLI::Validator non_empty_value();
