// Self-play games of the network, greedy by its value, with a TD(0) step
// after every move; and games of the network against the baseline. The
// trainer plays them, and the engine's bench times them.
#pragma once

#include <cstdint>

#include "headless/baseline.h"
#include "headless/dice_stream.h"
#include "net/packed_net.h"
#include "player/position_key.h"
#include "player/scoring.h"
#include "rules/move_list.h"

namespace morvik {

// Scratch storage of one playing thread (about 6 MB: allocate once).
struct PlayWorkspace {
  MoveList list;
  ActiveInputs candidate;
  ActiveInputs after[2];
  // The values of the candidates, and of the positions already met during one
  // move: different orders of the same checker moves often reach one position.
  float scores[MoveList::kCapacity];
  ScoreTable known;
  PendingBatch batch;
};

// Plays the first entry with the strictly highest network value for the
// mover (no move when there is none); `chosen` receives the inputs of the
// position after it, mover first. Returns that position's value.
float PlayGreedy(const PackedNet& net, SideBoard& own, SideBoard& opponent, int d1, int d2,
                 PlayWorkspace& ws, ActiveInputs& chosen);

// One self-play game from the starting position, learning as it goes.
// Returns the number of turns played.
int TrainGame(PackedNet& net, DiceStream& dice, float alpha, PlayWorkspace& ws);

// One game of the network (greedy, no learning) against the baseline; the
// network moves first when netFirst. Returns the network's points (+ won,
// - lost: 1, 2 or 3).
int BaselineGame(const PackedNet& net, const BaselineWeights& baseline, DiceStream& dice,
                 bool netFirst, PlayWorkspace& ws);

}  // namespace morvik
