// The bench of the computer's whole move, without and with the look-ahead.
#pragma once

#include <cstdint>
#include <vector>

#include "rules/board.h"

namespace morvik {

// One computer move to time: the position (the computer's checkers negative)
// and its roll, larger die first.
struct BenchMove {
  SignedBoard board;
  int d1;
  int d2;
};

// Every bench position with all 21 rolls.
std::vector<BenchMove> FixedSetMoves();
// The real-game samples' moves: self-play, and games against GNU Backgammon.
std::vector<BenchMove> SampleMoves();
std::vector<BenchMove> GnubgSampleMoves();

// Plays every move, repeating the whole set while `seconds` last (at least
// once), prints the time per move (each move's fastest repeat: median, p99
// and worst) and the evaluations per move, and returns a checksum of every
// history and log line of the first pass but the thinking time.
uint64_t BenchComputerMoves(const char* what, const std::vector<BenchMove>& moves, bool lookahead,
                            double seconds);

}  // namespace morvik
