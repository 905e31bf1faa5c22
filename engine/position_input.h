// Positions from the command line: the signed board "v0,...,v25" and the
// 14-character position ID.
#pragma once

#include <string>

#include "rules/board.h"

namespace morvik {

// Throws UsageError on a wrong count of values, a value that is not an
// integer, a bar of the wrong sign or a side with more than 15 checkers.
SignedBoard ParseSignedBoard(const std::string& text);

// The ID lists the side not on roll, then the side on roll, each from its own
// 1-point up to its bar. The side on roll becomes the human when
// `moverIsHuman`, else the computer.
SignedBoard ParsePositionId(const std::string& id, bool moverIsHuman);

// Throws UsageError when a side has more than 15 checkers.
void CheckTotals(const SignedBoard& board);

}  // namespace morvik
