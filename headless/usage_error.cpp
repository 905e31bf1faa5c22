#include "headless/usage_error.h"

#include <algorithm>
#include <charconv>

namespace morvik {

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
