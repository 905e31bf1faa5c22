#include "player/scoring.h"

#include "net/batch_forward.h"

namespace morvik {

namespace {

// The lane already waiting for this position, or -1.
int WaitingLane(const PendingBatch& batch, const PositionKey& key) {
  for (int b = 0; b < batch.count; ++b) {
    if (batch.keys[b] == key) return b;
  }
  return -1;
}

// One entry: its value now when known or waiting, else queued. Returns 1 when
// queued for evaluation.
int QueueOne(const PackedNet& net, const RowCounts& rows, const MoveEntry& entry,
             const PositionKey& key, float* scores, int target, ScoreTable& known,
             PendingBatch& batch) {
  if (const float* seen = known.Find(key)) {
    scores[target] = *seen;
    return 0;
  }
  if (const int lane = WaitingLane(batch, key); lane >= 0) {
    batch.repeatEntry[batch.repeats] = target;
    batch.repeatLane[batch.repeats] = lane;
    if (++batch.repeats == PendingBatch::kMaxRepeats) FlushBatch(net, batch, scores, known);
    return 0;
  }
  const int b = batch.count++;
  RowCounts after;
  CountsAfter(rows, entry, after);
  CollectActive(after, batch.inputs[b]);
  batch.pointers[b] = &batch.inputs[b];
  batch.keys[b] = key;
  batch.entries[b] = target;
  if (batch.count == kBatchSize) FlushBatch(net, batch, scores, known);
  return 1;
}

}  // namespace

void FlushBatch(const PackedNet& net, PendingBatch& batch, float* scores, ScoreTable& known) {
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

int ScoreEntries(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                 const MoveList& list, float* scores, ScoreTable& known, PendingBatch& batch) {
  batch.count = 0;
  batch.repeats = 0;
  const int evaluated = QueueEntries(net, own, opponent, list, scores, 0, known, batch);
  FlushBatch(net, batch, scores, known);
  return evaluated;
}

int QueueEntries(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                 const MoveList& list, float* scores, int first, ScoreTable& known,
                 PendingBatch& batch) {
  const PositionKey start = KeyOf(own);
  RowCounts rows;
  CountRows(own, opponent, rows);
  int evaluated = 0;
  // The keys of a run of entries first, their table cells loading meanwhile.
  constexpr int kRun = 16;
  PositionKey keys[kRun];
  for (int i0 = 0; i0 < list.count; i0 += kRun) {
    const int run = list.count - i0 < kRun ? list.count - i0 : kRun;
    for (int r = 0; r < run; ++r) {
      keys[r] = KeyAfter(start, list[i0 + r]);
      known.Prefetch(keys[r]);
    }
    for (int r = 0; r < run; ++r) {
      evaluated += QueueOne(net, rows, list[i0 + r], keys[r], scores, first + i0 + r, known, batch);
    }
  }
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
