// The command line's reading of values, one rule for every option: the
// engine's.
#include "option_values.h"

namespace {

// Drops the blanks around the value, then gives the engine's refusal; the
// description is the help's ("INT in [1 - 99]").
CLI::Validator engine_rule(
    std::function<std::string(const std::string &)> refusal,
    std::string description) {
  return CLI::Validator(
      [refusal](std::string &value) {
        value = trim_blanks(value);
        return refusal(value);
      },
      std::move(description));
}

}  // namespace

void add_setting_options(CLI::App &command, setting_choices &o) {
  for (const setting_row &row : SETTING_ROWS) {
    CLI::Option *option =
        command.add_option(row.option, o.*row.choice, setting_help(row));
    const bool number = row.kind == setting_kind::number;
    option->type_name(number ? "INT" : "TEXT");
    option->transform(engine_rule(
        [&row](const std::string &v) { return setting_value_refusal(row, v); },
        number ? "INT in [" + std::to_string(row.range.lo) + " - " +
                     std::to_string(row.range.hi) + "]"
               : ""));
  }
}

CLI::Option *add_number_option(CLI::App &command, const number_option &option,
                               std::string &value, const std::string &help,
                               const char *type) {
  return command.add_option(option.option, value, help)
      ->type_name(type)
      ->transform(engine_rule(
          [&option](const std::string &v) {
            return number_value_refusal(option, v);
          },
          std::string(type) == "INT"
              ? "INT in [" + std::to_string(option.lo) + " - " +
                    std::to_string(option.hi) + "]"
              : ""));
}

CLI::Validator non_empty_value() {
  return engine_rule(
      [](const std::string &v) {
        return v.empty() ? std::string("an empty value is not allowed")
                         : std::string();
      },
      "");
}
