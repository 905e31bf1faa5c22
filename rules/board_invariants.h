// Checks that hold for every position the game can reach, used by the soak
// run, the fuzz targets, the reliability tests and, in debug builds, by the
// rules themselves after every move played or taken back. Each returns nullptr when
// the position is sound, else a short description of the first fault.
#pragma once

#include <cassert>

#include "rules/board.h"
#include "rules/move_list.h"

namespace morvik {

// Slots are 0 or 1, filled from slot 1 without a gap, 15 checkers in all.
const char* SideBoardFault(const SideBoard& side);

// Both sides sound, and no point held by both (a side's q is the other's 25 - q).
const char* PositionFault(const SideBoard& own, const SideBoard& opponent);
const char* PositionFault(const BoardPosition& position);

// Margins 0, computer's bar <= 0, human's bar >= 0, at most 15 a side.
const char* SignedBoardFault(const SignedBoard& board);

// Index of the listed play that turns `before` into `after` for the side
// owning `own`, or -1 when no listed play does. Both boards of `before` are
// restored after every trial.
int FindListedPlay(const BoardPosition& before, const BoardPosition& after, const MoveList& list);

// Every entry of the list is a sound play of one to four moves: applied it
// leaves a sound position, taken back it restores the boards exactly.
const char* MoveListFault(const BoardPosition& position, const MoveList& list);

// Debug builds (the asan preset) check the invariants after every move played
// or taken back; optimised builds (NDEBUG) check nothing.
#ifndef NDEBUG
#define MORVIK_ASSERT_POSITION(own, opponent) assert(PositionFault((own), (opponent)) == nullptr)
#define MORVIK_ASSERT_SIGNED(board) assert(SignedBoardFault(board) == nullptr)
#else
#define MORVIK_ASSERT_POSITION(own, opponent) ((void)0)
#define MORVIK_ASSERT_SIGNED(board) ((void)0)
#endif

}  // namespace morvik
