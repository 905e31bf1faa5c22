// Self-play games of the network, greedy by its value, with a TD(0) step
// after every move; and games of the network against the baseline.
#pragma once

#include <cstdint>

#include "net/batch_forward.h"
#include "net/packed_net.h"
#include "rules/move_list.h"
#include "train/baseline.h"
#include "train/dice_stream.h"

// Scratch storage of one playing thread (about 2.5 MB: allocate once).
struct PlayWorkspace {
  MoveList list;
  ActiveInputs candidate;
  ActiveInputs after[2];
  // Values of the positions already met during one move: different orders of
  // the same checker moves often reach the same position.
  static constexpr int kSeen = 8192;
  uint64_t seenKey[kSeen];
  float seenValue[kSeen];
  uint32_t seenStamp[kSeen] = {};
  uint32_t stamp = 0;
  // Candidates waiting for one batched evaluation: their inputs, and for each
  // candidate of the move the table cell its value goes to (-1: none free).
  ActiveInputs batch[kBatchSize];
  const ActiveInputs* batchInputs[kBatchSize];
  int batchCell[kBatchSize];
  int batchCandidate[kBatchSize];
  int batchCount = 0;
  int cellOf[MoveList::kCapacity];
  float ownValue[MoveList::kCapacity];
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
