// What the network's output means. The shipped weights value points: the
// game's result for the side that has just moved, -3..3 (a backgammon lost
// to a backgammon won), mapped linearly onto 0..1, so that a plain win is
// 4/6, a gammon 5/6, a backgammon 1, and 1 - value is the other side's. A
// network may also be trained to the chance of winning whatever the size.
#pragma once

#include "rules/game_result.h"

namespace morvik {

enum class TrainTarget { kPoints, kWin };

// The exact value a finished game has for its winner.
inline float FinalTarget(WinKind kind, TrainTarget target) {
  if (target == TrainTarget::kWin) return 1.0f;
  return static_cast<float>(3 + Points(kind)) / 6.0f;
}

// A value on the points scale as points, -3..3.
inline double PointsOf(double value) {
  return 6.0 * value - 3.0;
}

}  // namespace morvik
