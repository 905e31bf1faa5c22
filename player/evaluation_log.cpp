#include "player/evaluation_log.h"

#include <cstdio>

namespace morvik {

void FormatCountLine(TextLine& line, int count) {
  line.length = 0;
  line.AppendInt(count);
}

void FormatCandidateLine(TextLine& line, float score, const MoveEntry& entry) {
  char buffer[32];
  const int n = std::snprintf(buffer, sizeof buffer, "%.5f", static_cast<double>(score));
  line.length = 0;
  line.Append(std::string_view(buffer, static_cast<std::size_t>(n)));
  line.Append(" ");
  for (const CheckerMove& m : entry.slot) {
    line.Append(" ");
    line.AppendInt(m.from);
    line.Append("-");
    line.AppendInt(m.to);
  }
}

void FormatComputerLine(TextLine& line, int d1, int d2, const MoveEntry& entry) {
  int n = 0;
  while (n < 4 && entry.slot[static_cast<std::size_t>(n)].from != 0 &&
         entry.slot[static_cast<std::size_t>(n)].from != kEndMarker) {
    ++n;
  }
  FormatMoveLine(line, "Computer: ", d1, d2, entry.slot.data(), n);
}

}  // namespace morvik
