// The move notation of the game history: "Player-1: 6-5: 24/18 18/13 ".
#pragma once

#include <string_view>

#include "rules/board.h"

namespace morvik {

// A history or log line in fixed storage, so that play allocates nothing.
struct TextLine {
  char text[160];
  int length = 0;

  std::string_view View() const { return {text, static_cast<size_t>(length)}; }
  void Append(std::string_view s);
  void AppendInt(long value);
};

// "B" for the bar, "Off" for borne off, "*" straight after a hit's destination,
// one blank after every move.
void AppendMove(TextLine& line, const CheckerMove& move);

// prefix, "d1-d2: ", then the n moves.
void FormatMoveLine(TextLine& line, std::string_view prefix, int d1, int d2,
                    const CheckerMove* moves, int n);

}  // namespace morvik
