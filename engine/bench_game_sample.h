// The bench's sample of positions and rolls from real games (self-play of the
// shipped weights), fixed in the source so that its figures and signature
// never depend on a file.
#pragma once

#include <span>

#include "rules/board.h"

namespace morvik {

struct SampleMove {
  int d1;  // the larger die first, as the computer plays its roll
  int d2;
  int board[26];  // points 0..25 of the board, the side to move negative
};

std::span<const SampleMove> GameSample();
// The same from games of the shipped weights with the look-ahead against GNU
// Backgammon, whose positions are harder than self-play's.
std::span<const SampleMove> GnubgSample();

SignedBoard SampleBoard(const SampleMove& move);

}  // namespace morvik
