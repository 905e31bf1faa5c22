#include "train/self_play.h"

#include <utility>

#include "headless/game_loop.h"
#include "headless/players.h"
#include "rules/primitives.h"
#include "train/td_step.h"

namespace {
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

}  // namespace

namespace {
// The network choosing greedily by its own value: `chosen` receives the
// inputs of the position each move leads to, `value` that position's value.
class GreedyPlayer : public GamePlayer {
 public:
  GreedyPlayer(const PackedNet& net, PlayWorkspace& ws, ActiveInputs* chosen)
      : chosen(chosen), net_(net), ws_(ws) {}
  void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) override {
    value = PlayGreedy(net_, own, opponent, d1, d2, ws_, *chosen);
  }
  ActiveInputs* chosen;
  float value = 0.0f;

 private:
  const PackedNet& net_;
  PlayWorkspace& ws_;
};
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
  ActiveInputs* current = &ws.after[0];
  ActiveInputs* previous = &ws.after[1];
  GreedyPlayer player(net, ws, current);  // in both seats
  const auto learn = [&](const MoveReport& move) {
    // The mover's previous position is worth what this one is not.
    if (move.turn > 0) TdStep(net, *previous, 1.0f - player.value, alpha);
    if (move.result.Over()) {
      TdStep(net, *current, 1.0f, alpha);
      return true;
    }
    std::swap(current, previous);
    player.chosen = current;
    return true;
  };
  return PlayGame(player, player, dice, true, kGameTurnLimit, learn).turns;
}

int BaselineGame(const PackedNet& net, const BaselineWeights& baseline, DiceStream& dice,
                 bool netFirst, PlayWorkspace& ws) {
  GreedyPlayer network(net, ws, &ws.candidate);
  BaselinePlayer other(baseline, ws.list);
  return PlayGame(network, other, dice, netFirst, kGameTurnLimit).points;
}
