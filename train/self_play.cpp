#include "train/self_play.h"

#include <utility>

#include "rules/primitives.h"
#include "train/game_result.h"
#include "train/td_step.h"

namespace {
constexpr int kMaxTurns = 5000;  // a safety net; real games end far sooner

uint64_t PositionKey(const ActiveInputs& active) {
  uint64_t h = 0x84222325CBF29CE4ull;
  for (int a = 0; a < active.count; ++a) {
    h ^= static_cast<uint64_t>(active.index[a]) + 0x9E3779B97F4A7C15ull;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 29;
  }
  return h;
}

// The network's value of the candidate position, looked up when the same
// position was already valued during this move.
float CandidateValue(const PackedNet& net, PlayWorkspace& ws, NetTrace& trace) {
  const uint64_t key = PositionKey(ws.candidate);
  int slot = static_cast<int>(key & (PlayWorkspace::kSeen - 1));
  for (int probe = 0; probe < PlayWorkspace::kSeen; ++probe) {
    if (ws.seenStamp[slot] != ws.stamp) {
      ws.seenStamp[slot] = ws.stamp;
      ws.seenKey[slot] = key;
      return ws.seenValue[slot] = Forward(net, ws.candidate, trace);
    }
    if (ws.seenKey[slot] == key) return ws.seenValue[slot];
    slot = (slot + 1) & (PlayWorkspace::kSeen - 1);
  }
  return Forward(net, ws.candidate, trace);
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
  int best = -1;
  float bestValue = 0.0f;
  for (int i = 0; i < ws.list.count; ++i) {
    ApplyEntry(own, opponent, ws.list[i]);
    CollectActive(own, opponent, ws.candidate);
    const float v = CandidateValue(net, ws, trace);
    UndoEntry(own, opponent, ws.list[i]);
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
