// Scoring a full-move list with the network, each entry tried in place on the
// two boards and taken back.
#pragma once

#include "net/batch_forward.h"
#include "player/position_key.h"
#include "rules/move_list.h"

namespace morvik {

// Positions waiting for one batched evaluation, and where their values go.
struct PendingBatch {
  ActiveInputs inputs[kBatchSize];
  const ActiveInputs* pointers[kBatchSize];
  PositionKey keys[kBatchSize];
  int entries[kBatchSize];
  int count = 0;
  // Entries reaching a position that is waiting in this batch: they take its
  // value once it is known.
  static constexpr int kMaxRepeats = 64;
  int repeatEntry[kMaxRepeats];
  int repeatLane[kMaxRepeats];
  int repeats = 0;
};

// scores[i] = the network's value of the position after entry i, the side
// owning `own` first (the boards themselves are only read). A position already
// in `known` (reached from the same boards), or met earlier in the list, takes
// its recorded value without a second evaluation. Returns the number of
// evaluations.
int ScoreEntries(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                 const MoveList& list, float* scores, ScoreTable& known, PendingBatch& batch);

// Queues the positions after the list's entries in `batch`, which may already
// hold others: entry i's value goes to scores[first + i], at once when known,
// else when the batch is evaluated (here when it fills, or by FlushBatch).
// Returns the number of positions queued for evaluation.
int QueueEntries(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                 const MoveList& list, float* scores, int first, ScoreTable& known,
                 PendingBatch& batch);

// Evaluates the waiting positions, records their values in `known` and hands
// them to `scores`; the batch is left empty.
void FlushBatch(const PackedNet& net, PendingBatch& batch, float* scores, ScoreTable& known);

// The first index with the strictly highest score (0 when n is 0).
int FirstBest(const float* scores, int n);

}  // namespace morvik
