// Helpers for tests: positions from short lists, random positions reached by
// random play.
#pragma once

#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

#include "rules/board.h"
#include "rules/move_list.h"
#include "rules/primitives.h"

namespace morvik {

inline SignedBoard Board(std::initializer_list<std::pair<int, int>> cells) {
  SignedBoard b;
  for (const auto& [index, value] : cells) b[index] = value;
  return b;
}

// The side to move in `own`: the human when humanMoves, else the computer.
inline BoardPosition PositionFor(const SignedBoard& board, bool humanMoves) {
  BoardPosition p;
  BuildBoardPosition(board, p);
  if (humanMoves) std::swap(p.own, p.opponent);
  return p;
}

// Positions met in random games from the start (sides alternating), until a
// side has borne off all its checkers.
std::vector<SignedBoard> RandomPlayPositions(std::mt19937& rng, int count);

}  // namespace morvik
