// What the headless tools report for a wrong command line: a UsageError
// names the problem in one line (exit status 2), and --help is a
// HelpRequested carrying the help text (exit status 0).
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace morvik {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct HelpRequested {
  std::string text;
};

// A whole decimal number in low..high, an optional '+' before it; anything
// else is a UsageError naming `what`.
int ParseInt(const std::string& text, int low, int high, const std::string& what);

// The non-empty items of a comma-separated list.
std::vector<std::string> SplitList(const std::string& text);

}  // namespace morvik
