#include "headless/arguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <utility>

namespace {
// The command as the help shows it: the program, and the subcommand if any.
std::string CommandName(int argc, char** argv, int first) {
  std::string name = argc > 0 ? argv[0] : "";
  const auto slash = name.rfind('/');
  if (slash != std::string::npos) name.erase(0, slash + 1);
  for (int i = 1; i < first && i < argc; ++i) name += std::string(" ") + argv[i];
  return name;
}

void RefuseRepeats(int argc, char** argv, int first, const std::vector<OptionRule>& allowed) {
  for (const OptionRule& rule : allowed) {
    int seen = 0;
    for (int i = first; i < argc; ++i) {
      if (argv[i] == rule.name && ++seen == 2)
        throw UsageError("option " + rule.name + " given twice");
    }
  }
}
}  // namespace

Arguments::Arguments(int argc, char** argv, int first, const std::vector<OptionRule>& allowed) {
  CLI::App app("", CommandName(argc, argv, first));
  app.set_help_flag("--help", "print this help and exit");
  app.allow_extras();
  std::vector<std::pair<std::string, CLI::Option*>> options;
  for (const OptionRule& rule : allowed) {
    CLI::Option* option =
        rule.values == 0 ? app.add_flag(rule.name)
                         : app.add_option(rule.name)->expected(rule.values)->type_name("VALUE");
    option->description(rule.help);
    options.emplace_back(rule.name, option);
  }
  RefuseRepeats(argc, argv, first, allowed);
  std::vector<std::string> args(argv + first, argv + argc);
  std::reverse(args.begin(), args.end());  // CLI11 takes them last first
  try {
    app.parse(args);
  } catch (const CLI::CallForHelp&) {
    throw HelpRequested{app.help()};
  } catch (const CLI::ParseError& e) {
    throw UsageError(e.what());
  }
  if (!app.remaining().empty())
    throw UsageError("unknown option '" + app.remaining().front() + "'");
  for (const auto& [name, option] : options) {
    if (option->count() > 0) values_[name] = option->results();
  }
}

const std::vector<std::string>& Arguments::Values(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) throw UsageError("missing option " + name);
  return it->second;
}

std::string Arguments::Value(const std::string& name, const std::string& fallback) const {
  return Has(name) ? Values(name).front() : fallback;
}

int ParseInt(const std::string& text, int low, int high, const std::string& what) {
  int value = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  const auto result = std::from_chars(begin, end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end) {
    throw UsageError(what + " is not an integer: '" + text + "'");
  }
  if (value < low || value > high) {
    throw UsageError(what + " must lie in " + std::to_string(low) + ".." + std::to_string(high) +
                     ", got " + text);
  }
  return value;
}
