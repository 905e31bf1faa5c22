// Command-line options of the headless tools, parsed by CLI11, with strict
// checking: every problem is a UsageError naming it (one line, exit status
// 2), and --help is a HelpRequested carrying the help text (exit status 0).
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace morvik {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct HelpRequested {
  std::string text;
};

struct OptionRule {
  OptionRule(std::string name, int values, std::string help = {})
      : name(std::move(name)), values(values), help(std::move(help)) {}
  std::string name;  // "--board"
  int values;        // how many values follow it (0 for a flag)
  std::string help;  // one line for --help
};

class Arguments {
 public:
  // Parses argv[first..argc) against the allowed options; an option may be
  // given once. `family` names the options of the program's other commands,
  // reported as not applying here. Throws UsageError or HelpRequested.
  Arguments(int argc, char** argv, int first, const std::vector<OptionRule>& allowed,
            const std::vector<std::string>& family = {});

  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  const std::vector<std::string>& Values(const std::string& name) const;
  std::string Value(const std::string& name, const std::string& fallback) const;

 private:
  std::map<std::string, std::vector<std::string>> values_;
};

int ParseInt(const std::string& text, int low, int high, const std::string& what);

// The non-empty items of a comma-separated list.
std::vector<std::string> SplitList(const std::string& text);

}  // namespace morvik
