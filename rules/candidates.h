// The movement rule for one die: entering, blocked points, hitting, bearing off.
#pragma once

#include "rules/board.h"

namespace morvik {

struct CandidateList {
  std::array<CheckerMove, kCheckersPerSide> moves{};
  int32_t count = 0;
};

// Every single-checker move of the side owning `own` with die d, in ascending
// order of origin. Changes nothing.
void SingleDieCandidates(const SideBoard& own, const SideBoard& opponent, int d,
                         CandidateList& list);

}  // namespace morvik
