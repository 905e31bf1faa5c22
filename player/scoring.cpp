#include "player/scoring.h"

#include "net/network.h"

namespace morvik {

namespace {

// Evaluates the waiting positions, records their values and hands them on to
// the repeats.
void Flush(const PackedNet& net, PendingBatch& batch, float* scores, ScoreTable& known) {
  if (batch.count == 0) return;
  float values[kBatchSize];
  ForwardBatch(net, batch.pointers, batch.count, values);
  for (int b = 0; b < batch.count; ++b) {
    scores[batch.entries[b]] = values[b];
    known.Add(batch.keys[b], values[b]);
  }
  for (int r = 0; r < batch.repeats; ++r)
    scores[batch.repeatEntry[r]] = values[batch.repeatLane[r]];
  batch.count = 0;
  batch.repeats = 0;
}

// The lane already waiting for this position, or -1.
int WaitingLane(const PendingBatch& batch, const PositionKey& key) {
  for (int b = 0; b < batch.count; ++b) {
    if (batch.keys[b] == key) return b;
  }
  return -1;
}

}  // namespace

int ScoreEntries(const SideBoard& own, const SideBoard& opponent, const MoveList& list,
                 float* scores, ScoreTable& known, PendingBatch& batch) {
  return ScoreEntries(gPackedNet, own, opponent, list, scores, known, batch);
}

int ScoreEntries(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                 const MoveList& list, float* scores, ScoreTable& known, PendingBatch& batch) {
  const PositionKey start = KeyOf(own);
  RowCounts rows;
  CountRows(own, opponent, rows);
  batch.count = 0;
  batch.repeats = 0;
  int evaluated = 0;
  for (int i = 0; i < list.count; ++i) {
    const PositionKey key = KeyAfter(start, list[i]);
    if (const float* seen = known.Find(key)) {
      scores[i] = *seen;
      continue;
    }
    if (const int lane = WaitingLane(batch, key); lane >= 0) {
      batch.repeatEntry[batch.repeats] = i;
      batch.repeatLane[batch.repeats] = lane;
      if (++batch.repeats == PendingBatch::kMaxRepeats) Flush(net, batch, scores, known);
      continue;
    }
    const int b = batch.count++;
    RowCounts after;
    CountsAfter(rows, list[i], after);
    CollectActive(after, batch.inputs[b]);
    batch.pointers[b] = &batch.inputs[b];
    batch.keys[b] = key;
    batch.entries[b] = i;
    ++evaluated;
    if (batch.count == kBatchSize) Flush(net, batch, scores, known);
  }
  Flush(net, batch, scores, known);
  return evaluated;
}

int FirstBest(const float* scores, int n) {
  int best = 0;
  for (int k = 1; k < n; ++k) {
    if (scores[k] > scores[best]) best = k;
  }
  return best;
}

}  // namespace morvik
