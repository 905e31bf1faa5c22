// Command-line options declared through CLI11: each option with its type,
// range, exclusions and help where it is added. Read strictly: an option is
// given at most once, a value is never an option's name, and every problem
// is a UsageError in the tools' own wording.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "headless/usage_error.h"

namespace morvik {

// Makes `app` a command whose only help flag is --help.
void SetUpCommand(CLI::App& app);

// The first checks of every option with values: an option's name where a
// value belongs is a value missing.
void RefuseOptionNames(CLI::Option& option);

// An option with values (a std::pair takes two); `valueName` shows them in
// the help. `read` reads each value first and may rewrite it (a number in
// the tools' own notation, for CLI11 to convert); further checks go after it
// with ->check().
template <typename T>
CLI::Option* AddValue(CLI::App& app, const std::string& name, T& value, const std::string& help,
                      const std::string& valueName, const CLI::Validator& read = {}) {
  CLI::Option* option = app.add_option(name, value, help);
  option->type_name(valueName)->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  option->transform(read);
  RefuseOptionNames(*option);
  return option;
}

// A flag: `on` becomes true when it is given.
CLI::Option* AddFlag(CLI::App& app, const std::string& name, bool& on, const std::string& help);

// A whole number in low..high, worded as ParseInt words it.
CLI::Validator Integer(int low, int high, const std::string& what);

// A decimal number: "WHAT is not a number: 'T'" or "WHAT is out of range: T".
CLI::Validator Real(double low, double high, const std::string& what);

// Any other check of one value: `problem` returns what is wrong with the
// text, or nothing.
CLI::Validator Refuse(std::function<std::string(const std::string&)> problem);

// One of `names`; anything else is `refusal(value)`.
CLI::Validator OneOf(std::vector<std::string> names,
                     std::function<std::string(const std::string&)> refusal);

// Parses argv[first..argc) into the options declared on `app`. `family`
// names the options of the program's other commands, which are reported as
// not applying here. Throws UsageError, or HelpRequested for --help.
void ParseCommand(CLI::App& app, int argc, char** argv, int first,
                  const std::vector<std::string>& family = {});

// The names of the options declared on `app` and its option groups.
std::vector<std::string> OptionNames(const CLI::App& app);

}  // namespace morvik
