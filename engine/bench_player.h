// The bench of the computer's whole move, without and with the look-ahead.
#pragma once

#include <cstdint>

// Plays every bench position with all 21 rolls, prints the time per move
// (the fastest of the repeats that fit in `seconds`, at least one) and the
// evaluations per move, and returns a checksum of every history and log
// line but the thinking time.
uint64_t BenchComputerMoves(bool lookahead, double seconds);
