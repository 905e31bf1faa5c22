#include "engine/line_reader.h"

namespace morvik {

bool LineReader::Next(std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  int c = std::getc(in_);
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    if (line.size() < limit_) {
      line += static_cast<char>(c);
    } else {
      tooLong = true;
    }
    c = std::getc(in_);
  }
  return true;
}

}  // namespace morvik
