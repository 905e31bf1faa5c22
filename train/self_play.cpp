#include "train/self_play.h"

#include <cstring>
#include <utility>

#include "rules/primitives.h"
#include "train/game_result.h"
#include "train/td_step.h"

namespace {
constexpr int kMaxTurns = 5000;  // a safety net; real games end far sooner

// A hash of the 52 row counts, eight at a time.
uint64_t PositionKey(const RowCounts& counts) {
  uint64_t words[7] = {};
  std::memcpy(words, &counts, sizeof counts);
  uint64_t h = 0x84222325CBF29CE4ull;
  for (const uint64_t w : words) {
    h = (h ^ w) * 0xBF58476D1CE4E5B9ull;
    h ^= h >> 29;
  }
  return h;
}

// The table cell of the candidate position: found when the same position was
// already met during this move, else claimed for it (true). -1 when the
// table is full.
int CandidateCell(PlayWorkspace& ws, uint64_t key, bool& claimed) {
  int slot = static_cast<int>(key & (PlayWorkspace::kSeen - 1));
  claimed = false;
  for (int probe = 0; probe < PlayWorkspace::kSeen; ++probe) {
    if (ws.seenStamp[slot] != ws.stamp) {
      ws.seenStamp[slot] = ws.stamp;
      ws.seenKey[slot] = key;
      claimed = true;
      return slot;
    }
    if (ws.seenKey[slot] == key) return slot;
    slot = (slot + 1) & (PlayWorkspace::kSeen - 1);
  }
  claimed = true;
  return -1;
}

// Evaluates the waiting candidates at once.
void FlushCandidates(const PackedNet& net, PlayWorkspace& ws) {
  if (ws.batchCount == 0) return;
  float values[kBatchSize];
  ForwardBatch(net, ws.batchInputs, ws.batchCount, values);
  for (int b = 0; b < ws.batchCount; ++b) {
    if (ws.batchCell[b] >= 0) ws.seenValue[ws.batchCell[b]] = values[b];
    ws.ownValue[ws.batchCandidate[b]] = values[b];
  }
  ws.batchCount = 0;
}

// The network's value of every candidate of ws.list; a position met twice
// during the move is evaluated once.
void ValueCandidates(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                     PlayWorkspace& ws) {
  RowCounts rows;
  CountRows(own, opponent, rows);
  ws.batchCount = 0;
  for (int i = 0; i < ws.list.count; ++i) {
    const int b = ws.batchCount;
    RowCounts after;
    CountsAfter(rows, ws.list[i], after);
    bool claimed = false;
    ws.cellOf[i] = CandidateCell(ws, PositionKey(after), claimed);
    if (!claimed) continue;
    CollectActive(after, ws.batch[b]);
    ws.batchInputs[b] = &ws.batch[b];
    ws.batchCell[b] = ws.cellOf[i];
    ws.batchCandidate[b] = i;
    if (++ws.batchCount == kBatchSize) FlushCandidates(net, ws);
  }
  FlushCandidates(net, ws);
}

void StartSides(SideBoard (&sides)[2]) {
  BoardPosition start;
  BuildBoardPosition(StartingPosition(), start);
  sides[0] = start.own;
  sides[1] = start.opponent;
}
}  // namespace

float PlayGreedy(const PackedNet& net, SideBoard& own, SideBoard& opponent, int d1, int d2,
                 PlayWorkspace& ws, ActiveInputs& chosen) {
  EnumerateMoves(own, opponent, d1, d2, ws.list);
  NetTrace trace;
  if (++ws.stamp == 0) {
    for (uint32_t& s : ws.seenStamp) s = 0;
    ws.stamp = 1;
  }
  ValueCandidates(net, own, opponent, ws);
  int best = -1;
  float bestValue = 0.0f;
  for (int i = 0; i < ws.list.count; ++i) {
    const float v = ws.cellOf[i] >= 0 ? ws.seenValue[ws.cellOf[i]] : ws.ownValue[i];
    if (best < 0 || v > bestValue) {
      best = i;
      bestValue = v;
    }
  }
  if (best >= 0) ApplyEntry(own, opponent, ws.list[best]);
  CollectActive(own, opponent, chosen);
  if (best < 0) bestValue = Forward(net, chosen, trace);
  return bestValue;
}

int TrainGame(PackedNet& net, DiceStream& dice, float alpha, PlayWorkspace& ws) {
  SideBoard sides[2];
  StartSides(sides);
  ActiveInputs* current = &ws.after[0];
  ActiveInputs* previous = &ws.after[1];
  int d1 = 0;
  int d2 = 0;
  dice.OpeningRoll(d1, d2);
  int mover = 0;
  for (int turn = 0; turn < kMaxTurns; ++turn) {
    if (turn > 0) dice.Roll(d1, d2);
    const float value = PlayGreedy(net, sides[mover], sides[1 - mover], d1, d2, ws, *current);
    // The mover's previous position is worth what this one is not.
    if (turn > 0) TdStep(net, *previous, 1.0f - value, alpha);
    if (HasWon(sides[mover])) {
      TdStep(net, *current, 1.0f, alpha);
      return turn + 1;
    }
    std::swap(current, previous);
    mover = 1 - mover;
  }
  return kMaxTurns;
}

int BaselineGame(const PackedNet& net, const BaselineWeights& baseline, DiceStream& dice,
                 bool netFirst, PlayWorkspace& ws) {
  SideBoard sides[2];  // [0] the network's, [1] the baseline's
  StartSides(sides);
  int d1 = 0;
  int d2 = 0;
  dice.OpeningRoll(d1, d2);
  int mover = netFirst ? 0 : 1;
  for (int turn = 0; turn < kMaxTurns; ++turn) {
    if (turn > 0) dice.Roll(d1, d2);
    SideBoard& own = sides[mover];
    SideBoard& other = sides[1 - mover];
    if (mover == 0) {
      PlayGreedy(net, own, other, d1, d2, ws, ws.candidate);
    } else {
      EnumerateMoves(own, other, d1, d2, ws.list);
      const int pick = ChooseBaselineMove(baseline, own, other, ws.list);
      if (pick >= 0) ApplyEntry(own, other, ws.list[pick]);
    }
    if (HasWon(own)) return (mover == 0 ? 1 : -1) * GamePoints(other);
    mover = 1 - mover;
  }
  return 0;
}
