// The yardstick: turns from games against GNU Backgammon, each with gnubg's
// equity of every legal move, and the equity a player loses on them. A line
// of the set (scripts/yardstick.py writes them, gzip'd or plain):
//   ID DICE KIND RESULT=EQ0[/EQ2] ...
// ID and each RESULT are position IDs with the side on roll second; DICE is
// "62", larger first; EQ0 is gnubg's cubeless money equity of the move at
// 0-ply, EQ2 at 2-ply where it was evaluated again.
#pragma once

#include <string>
#include <vector>

#include "rules/board.h"

namespace morvik {

struct YardstickMove {
  SignedBoard result;  // the mover is the computer
  double equity = 0;   // the 2-ply figure where there is one, else the 0-ply one
  bool twoPly = false;
};

struct YardstickTurn {
  std::string id;
  SignedBoard board;  // the computer on roll
  int d1 = 0;
  int d2 = 0;
  std::string kind;
  std::vector<YardstickMove> moves;
  double best = 0;  // the highest equity listed
};

// Reads the set. A missing file, or a line that is not as above (fewer than
// two moves, a die out of 1..6, an equity that is not a number), is a
// UsageError naming the file and the line.
std::vector<YardstickTurn> ReadYardstick(const std::string& path);

// The move of `turn` reaching `result`, or null when none does.
const YardstickMove* FindMove(const YardstickTurn& turn, const SignedBoard& result);

// A mean with its 95% interval (1.96 standard errors; 0 for one value).
struct MeanInterval {
  double mean = 0;
  double half = 0;
  int count = 0;
};
MeanInterval Summarise(const std::vector<double>& values);

}  // namespace morvik
