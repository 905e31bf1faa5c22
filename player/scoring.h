// Scoring a full-move list with the network, each entry tried in place on the
// two boards and taken back.
#pragma once

#include "player/position_key.h"
#include "rules/move_list.h"

// scores[i] = the network's value of the position after entry i, the side
// owning `own` first. A position already in `known` (reached from the same
// boards) takes its recorded value without a second evaluation. Both boards
// end as they began. Returns the number of evaluations.
int ScoreEntries(SideBoard& own, SideBoard& opponent, const MoveList& list, float* scores,
                 ScoreTable& known);

// The first index with the strictly highest score (0 when n is 0).
int FirstBest(const float* scores, int n);
