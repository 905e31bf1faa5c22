// Scoring a full-move list with the network, each entry tried in place on the
// two boards and taken back.
#pragma once

#include "rules/move_list.h"

// scores[i] = the network's value of the position after entry i, the side
// owning `own` first. Both boards end as they began.
void ScoreEntries(SideBoard& own, SideBoard& opponent, const MoveList& list, float* scores);

// The first index with the strictly highest score (0 when n is 0).
int FirstBest(const float* scores, int n);
