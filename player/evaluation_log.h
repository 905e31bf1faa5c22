// The lines of the computer's evaluation log.
#pragma once

#include "rules/move_list.h"
#include "rules/notation.h"

namespace morvik {

inline constexpr const char* kFirstPlyWin = "vundet, første lag";

// A count on a line of its own.
void FormatCountLine(TextLine& line, int count);

// "0.52345  13-8 8-5 255-0 0-0": the score with five decimals, two blanks,
// then all four slots as stored, empty ones included.
void FormatCandidateLine(TextLine& line, float score, const MoveEntry& entry);

// The history line: "Computer: 5-2: B/20* 13/11 ", the moves up to the first
// slot whose from is 0 or 255.
void FormatComputerLine(TextLine& line, int d1, int d2, const MoveEntry& entry);

}  // namespace morvik
