// Lines from a stream, with a bound on their length so that endless input
// without a line end cannot exhaust memory.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace morvik {

class LineReader {
 public:
  explicit LineReader(std::FILE* in, std::size_t limit = 8192) : in_(in), limit_(limit) {}

  // The next line without its line feed; false at the end of the input. A
  // longer line than the limit is read to its end, cut, and flagged.
  bool Next(std::string& line, bool& tooLong);

 private:
  std::FILE* in_;
  std::size_t limit_;
};

}  // namespace morvik
