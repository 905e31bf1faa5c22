// Pruning of full-move lists before they are scored: plays that repeat one
// another are struck out and the rest close up in order.
#pragma once

#include "rules/move_list.h"

namespace morvik {

// Two different dice: of two ways of running one checker to the same point
// without a hit on the way, only the one listed first stays.
void PruneSameChecker(MoveList& list);

// Doublets: strikes out reorderings of earlier plays. Struck-out entries carry
// 255 in slot 1's from and keep taking part in later comparisons.
void PruneDoublets(MoveList& list);

}  // namespace morvik
