#include "rules/notation.h"

#include <cstdio>

namespace morvik {

void TextLine::Append(std::string_view s) {
  for (char c : s) {
    if (length < static_cast<int>(sizeof text)) text[length++] = c;
  }
}

void TextLine::AppendInt(long value) {
  char buffer[24];
  const int n = std::snprintf(buffer, sizeof buffer, "%ld", value);
  Append(std::string_view(buffer, static_cast<std::size_t>(n)));
}

void AppendMove(TextLine& line, const CheckerMove& move) {
  if (move.from == kBarRow) {
    line.Append("B");
  } else {
    line.AppendInt(move.from);
  }
  line.Append("/");
  if (move.to == kOffRow) {
    line.Append("Off");
  } else {
    line.AppendInt(move.to);
  }
  line.Append(move.hit == kHit ? "* " : " ");
}

void FormatMoveLine(TextLine& line, std::string_view prefix, int d1, int d2,
                    const CheckerMove* moves, int n) {
  line.length = 0;
  line.Append(prefix);
  line.AppendInt(d1);
  line.Append("-");
  line.AppendInt(d2);
  line.Append(": ");
  for (int i = 0; i < n; ++i) AppendMove(line, moves[i]);
}

}  // namespace morvik
