// What every accepted command-line position must satisfy: it is sound, it
// survives the round trip through the two SideBoards, and the moves of either
// side for any roll are sound plays that leave the boards as they were.
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/board.h"

namespace morvik {

// Aborts with a message on the first fault. The dice come from `salt`.
void CheckAcceptedPosition(const SignedBoard& board, const uint8_t* salt, size_t size);

// The moves of the side owning `own`, then of the other side, for dice taken
// from `salt`: sound plays that leave the boards as they were.
void CheckMovesOfBoth(BoardPosition& position, const uint8_t* salt, size_t size);

// Aborts with `what` unless `ok`.
void Require(bool ok, const char* what);

}  // namespace morvik
