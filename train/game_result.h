// Points of a finished single game: 1 plain, 2 gammon (the loser has borne
// off nothing), 3 backgammon (and still has a checker on the bar or in the
// winner's home board).
#pragma once

#include "rules/primitives.h"

inline int GamePoints(const SideBoard& loser) {
  if (CountCheckers(loser, kOffRow) > 0) return 1;
  for (int r = 19; r <= kBarRow; ++r) {
    if (loser.Occupied(r)) return 3;
  }
  return 2;
}

inline bool HasWon(const SideBoard& side) {
  return side.Slot(kOffRow, kCheckersPerSide) != 0;
}
