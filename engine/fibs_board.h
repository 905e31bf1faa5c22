// The FIBS raw board line ("board:You:Opponent:matchlength:...", 53 fields
// separated by colons) that servers and external-player front ends send.
// Side 0 is "you" (the colour, direction, home and bar fields and the first of
// each pair of fields are its), side 1 the opponent. The side that must act is
// told by the turn field, not by the names: servers address a board to the
// side on roll, while some front ends keep one point of view for the whole
// game and let the turn say who plays.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "rules/board.h"

namespace morvik {

inline constexpr int kFibsFieldCount = 53;

struct FibsBoard {
  int matchLength = 0;  // 0 (money) or 9999 for unlimited
  std::array<int, 2> score{};
  std::array<int, 26> cells{};  // positive = O, negative = X; 0 and 25 are the bars
  int turn = 0;                 // the colour of the side on roll (0: game over)
  std::array<int, 2> dice{};    // side 0's roll, 0 0 before rolling
  std::array<int, 2> opponentDice{};
  int cube = 1;
  std::array<int, 2> mayDouble{};
  int wasDoubled = 0;  // the side on roll has just offered the cube
  int colour = 1;      // +1: side 0 plays O (positive cells), -1: X
  int direction = -1;  // -1: side 0 moves from cell 24 towards cell 1
  int home = 0;        // where side 0 bears off: 0 or 25
  int bar = 25;        // side 0's bar cell: 25 or 0
  std::array<int, 2> onHome{};
  std::array<int, 2> onBar{};  // not relied on: the bar cells hold the counts
  int canMove = 0;
  int forcedMove = 0;
  int didCrawford = 0;
  int redoubles = 0;
};

// Reads a whole line into `board`. Returns an empty string when the line is a
// well-formed, consistent position with a side to act, else the reason.
std::string ParseFibsBoard(std::string_view line, FibsBoard& board);

// The side on roll (it moves, or decides whether to double), or after a
// double the side that must take or drop.
int FibsActingSide(const FibsBoard& board);

// A side's two dice.
const std::array<int, 2>& FibsDice(const FibsBoard& board, int side);

// How many checkers a side has on its own point 1..24 or on its bar (25).
int FibsCheckers(const FibsBoard& board, int side, int ownPoint);

// The two sides in their own numbering (24 down to 1, 25 the bar, 0 borne
// off), for a board ParseFibsBoard accepted.
void FibsSideBoards(const FibsBoard& board, int side, SideBoard& mover, SideBoard& other);

}  // namespace morvik
