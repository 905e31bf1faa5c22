// The fixed positions that bench runs, each with all 21 rolls.
#pragma once

#include <array>

#include "rules/board.h"

namespace morvik {

struct BenchPosition {
  const char* name;
  SignedBoard board;
};

std::array<BenchPosition, 5> BenchPositions();

// A fixed pseudo-random weight set, so the signature does not depend on any file.
void LoadBenchWeights();

}  // namespace morvik
