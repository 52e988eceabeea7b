// How the command line reads a value: through the engine's rules for each
// setting and number, so what the parser refuses the engine refuses in the
// same words for any front end.
#pragma once

#include <CLI/CLI.hpp>

#include "command_core.h"

// The options of the settings (roll and stats), one for each row of the
// engine's table.
void add_setting_options(CLI::App &command, setting_choices &o);

// A number option of a command (--count, -n, --seed) into `value`, read by
// the engine's rule; `type` names its kind in the help ("INT").
CLI::Option *add_number_option(CLI::App &command, const number_option &option,
                               std::string &value, const std::string &help,
                               const char *type);

// A transformer for text options: drops the blanks around the value and
// refuses a value that is then empty.
CLI::Validator non_empty_value();
