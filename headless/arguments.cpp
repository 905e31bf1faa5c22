#include "headless/arguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <utility>

namespace morvik {

namespace {
// The command as the help shows it: the program, and the subcommand if any.
std::string CommandName(int argc, char** argv, int first) {
  std::string name = argc > 0 ? argv[0] : "";
  const auto slash = name.rfind('/');
  if (slash != std::string::npos) name.erase(0, slash + 1);
  for (int i = 1; i < first && i < argc; ++i) name += std::string(" ") + argv[i];
  return name;
}

std::string ValueCount(int n) {
  return std::to_string(n) + (n == 1 ? " value" : " values");
}

// What CLI11 leaves to the caller: an option given twice, and one that only
// another command of the same program takes.
void CheckNames(int argc, char** argv, int first, const std::vector<OptionRule>& allowed,
                const std::vector<std::string>& family) {
  const std::string command = first > 1 ? argv[first - 1] : "this command";
  for (int i = first; i < argc; ++i) {
    const std::string word = argv[i];
    bool known = false;
    for (const OptionRule& rule : allowed) known = known || rule.name == word;
    const bool elsewhere = std::find(family.begin(), family.end(), word) != family.end();
    if (!known && elsewhere) throw UsageError("option " + word + " does not apply to " + command);
  }
  for (const OptionRule& rule : allowed) {
    if (std::count(argv + first, argv + argc, rule.name) > 1)
      throw UsageError("option " + rule.name + " given twice");
  }
}

// The values CLI11 collected; an option given without any holds one empty
// string.
std::vector<std::string> ValuesOf(const CLI::Option& option) {
  std::vector<std::string> values = option.results();
  if (values.size() == 1 && values.front().empty()) values.clear();
  return values;
}
}  // namespace

Arguments::Arguments(int argc, char** argv, int first, const std::vector<OptionRule>& allowed,
                     const std::vector<std::string>& family) {
  CLI::App app("", CommandName(argc, argv, first));
  app.set_help_flag("--help", "print this help and exit");
  app.allow_extras();
  std::vector<std::pair<const OptionRule*, CLI::Option*>> options;
  for (const OptionRule& rule : allowed) {
    CLI::Option* option = rule.values == 0 ? app.add_flag(rule.name)
                                           : app.add_option(rule.name)
                                                 ->expected(0, rule.values)
                                                 ->type_name(rule.values == 1 ? "VALUE" : "VALUES");
    option->description(rule.help);
    options.emplace_back(&rule, option);
  }
  CheckNames(argc, argv, first, allowed, family);
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
  for (const auto& [rule, option] : options) {
    if (option->count() == 0) continue;
    if (rule->values == 0) {  // a flag
      values_[rule->name];
      continue;
    }
    std::vector<std::string> values = ValuesOf(*option);
    if (static_cast<int>(values.size()) != rule->values) {
      throw UsageError("option " + rule->name + " needs " + ValueCount(rule->values) + ", got " +
                       std::to_string(values.size()));
    }
    values_[rule->name] = std::move(values);
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
  const bool tooLarge = result.ec == std::errc::result_out_of_range;
  if (text.empty() || result.ptr != end || (result.ec != std::errc() && !tooLarge)) {
    throw UsageError(what + " is not an integer: '" + text + "'");
  }
  if (tooLarge || value < low || value > high) {
    throw UsageError(what + " must lie in " + std::to_string(low) + ".." + std::to_string(high) +
                     ", got " + text);
  }
  return value;
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t comma = std::min(text.find(',', from), text.size());
    if (comma > from) items.push_back(text.substr(from, comma - from));
    from = comma + 1;
  }
  return items;
}

}  // namespace morvik
