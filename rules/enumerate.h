// Full-move enumeration: every legal full move of a roll into a MoveList, and
// playing an entry on the two boards and taking it back.
#pragma once

#include "rules/board.h"
#include "rules/move_list.h"

namespace morvik {

// Removes the entries struck out, the others closing up in order.
void CloseUpStruck(MoveList& list);

// Every legal full move of the side owning `own` for dice d1, d2 (in that
// order), into `list`; returns the dice-usable count, also kept in the list.
// Moves are tried in place and taken back: both boards end as they began.
int EnumerateMoves(SideBoard& own, SideBoard& opponent, int d1, int d2, MoveList& list);

// Plays an entry slot by slot, and takes it back in the reverse order.
void ApplyEntry(SideBoard& own, SideBoard& opponent, const MoveEntry& entry);
void UndoEntry(SideBoard& own, SideBoard& opponent, const MoveEntry& entry);

}  // namespace morvik
