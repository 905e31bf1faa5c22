// Kinds of positions where greedy self-play seldom goes and the network plays
// worst, for drawing extra starting positions: races, bear-offs against a
// checker left back, crashed boards and games one side has already lost.
#pragma once

#include <string>

#include "rules/board.h"
#include "train/position_set.h"

namespace morvik {

enum PositionKind : unsigned {
  kRaceKind = 1,      // the two sides have passed each other
  kLeftBackKind = 2,  // one side bears off while the other still has a checker back
  kCrashedKind = 4,   // in contact, a side with eight or more checkers off or on its 1-3
                      // points and some still outside its home board
  kLostKind = 8,      // one side expects to lose more than a single game
  kAllKinds = 15,
};

// The kinds a position belongs to (any number of them, or none).
unsigned KindsOf(const TrainingPosition& position);

// Parses a comma-separated list of race, left-back, crashed and lost; 0 when
// a name is unknown.
unsigned ParseKinds(const std::string& list);

// The two sides' boards of a position: `own` the side that has just moved.
BoardPosition PositionOf(const RowCounts& counts);

}  // namespace morvik
