#include "headless/self_play.h"

#include <utility>

#include "headless/game_loop.h"
#include "headless/players.h"
#include "headless/td_step.h"
#include "rules/enumerate.h"
#include "rules/primitives.h"

namespace morvik {

namespace {
// The network choosing greedily by its own value: `chosen` receives the
// inputs of the position each move leads to, `value` that position's value.
class GreedyPlayer : public GamePlayer {
 public:
  GreedyPlayer(const PackedNet& net, PlayWorkspace& ws, ActiveInputs* chosen)
      : chosen(chosen), net_(net), ws_(ws) {}
  void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) override {
    if (randomLeft > 0) {
      --randomLeft;
      PlayRandom(own, opponent, d1, d2);
      return;
    }
    value = PlayGreedy(net_, own, opponent, d1, d2, ws_, *chosen);
  }
  ActiveInputs* chosen;
  float value = 0.0f;
  // Moves still to be chosen at random, uniformly among the listed entries.
  int randomLeft = 0;
  DiceStream* chooser = nullptr;

 private:
  const PackedNet& net_;
  PlayWorkspace& ws_;

  void PlayRandom(SideBoard& own, SideBoard& opponent, int d1, int d2) {
    MoveList& list = ws_.search.list;
    EnumerateMoves(own, opponent, d1, d2, list);
    if (list.count > 0)
      ApplyEntry(own, opponent, list[static_cast<int>(chooser->Next() % list.count)]);
    CollectActive(own, opponent, *chosen);
    value = 0.5f;  // never a target: the next move is greedy or random too
  }
};
}  // namespace

float PlayGreedy(const PackedNet& net, SideBoard& own, SideBoard& opponent, int d1, int d2,
                 PlayWorkspace& ws, ActiveInputs& chosen) {
  const float value =
      PlayBestMove(net, ToolSearch(TrainTarget::kPoints), own, opponent, d1, d2, ws.search);
  CollectActive(own, opponent, chosen);
  return value;
}

float OnePlyValue(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                  PlayWorkspace& ws, TrainTarget target) {
  return OnePlyAverage(net, ToolSearch(target), own, opponent, ws.search);
}

int TrainGame(PackedNet& net, DiceStream& dice, float alpha, PlayWorkspace& ws, TrainTarget target,
              TrainTargetDepth depth, int randomPlies, uint64_t choiceSeed,
              const BoardPosition* from) {
  ActiveInputs* current = &ws.after[0];
  ActiveInputs* previous = &ws.after[1];
  GreedyPlayer player(net, ws, current);  // in both seats
  DiceStream chooser(choiceSeed);
  player.randomLeft = randomPlies;
  player.chooser = &chooser;
  const bool onePly = depth == TrainTargetDepth::kOnePly;
  const auto learn = [&](const MoveReport& move) {
    // The previous position is worth what this one is not, once this move
    // was the network's own choice.
    if (!onePly && move.turn > 0 && move.turn >= randomPlies) {
      TdStep(net, *previous, 1.0f - player.value, alpha);
    }
    if (move.result.Over()) {
      TdStep(net, *current, FinalTarget(move.result.kind, target), alpha);
      return true;
    }
    if (onePly) TdStep(net, *current, OnePlyValue(net, move.own, move.opponent, ws, target), alpha);
    std::swap(current, previous);
    player.chosen = current;
    return true;
  };
  return PlayGame(player, player, dice, true, kGameTurnLimit, learn, from).turns;
}

void LambdaReturns(const float* values, int count, float final, float lambda, float* returns) {
  if (count <= 0) return;
  // The last position's value is known exactly: it is the final result.
  double g = final;
  returns[count - 1] = final;
  for (int t = count - 2; t >= 0; --t) {
    const double next = t + 1 == count - 1 ? final : values[t + 1];
    g = (1.0 - lambda) * (1.0 - next) + lambda * (1.0 - g);
    returns[t] = static_cast<float>(g);
  }
}

int TrainGameLambda(PackedNet& net, DiceStream& dice, float alpha, float lambda, PlayWorkspace& ws,
                    TrainTarget target, int randomPlies, uint64_t choiceSeed,
                    const BoardPosition* from) {
  GreedyPlayer player(net, ws, &ws.after[0]);  // in both seats
  DiceStream chooser(choiceSeed);
  player.randomLeft = randomPlies;
  player.chooser = &chooser;
  int n = 0;
  float final = 0.0f;
  const auto record = [&](const MoveReport& move) {
    CountRows(move.own, move.opponent, ws.played[n]);
    ws.playedValues[n++] = player.value;
    if (move.result.Over()) final = FinalTarget(move.result.kind, target);
    return true;
  };
  const GameOutcome outcome = PlayGame(player, player, dice, true, kGameTurnLimit, record, from);
  if (outcome.winner < 0) return outcome.turns;
  LambdaReturns(ws.playedValues, n, final, lambda, ws.returns);
  // A position aims at the values of later moves, which must be the network's
  // own choices, not random ones; the last position's value is exact.
  const int first = randomPlies > 0 ? randomPlies - 1 : 0;
  for (int t = 0; t < n; ++t) {
    if (t < first && t != n - 1) continue;
    CollectActive(ws.played[t], ws.candidate);
    TdStep(net, ws.candidate, ws.returns[t], alpha);
  }
  return outcome.turns;
}

int ObserveGame(const PackedNet& net, DiceStream& dice, PlayWorkspace& ws, int randomPlies,
                uint64_t choiceSeed, const PositionVisitor& visit, const BoardPosition* from) {
  GreedyPlayer player(net, ws, &ws.after[0]);  // in both seats
  DiceStream chooser(choiceSeed);
  player.randomLeft = randomPlies;
  player.chooser = &chooser;
  const auto look = [&](const MoveReport& move) {
    if (!move.result.Over()) visit(move.own, move.opponent);
    return true;
  };
  return PlayGame(player, player, dice, true, kGameTurnLimit, look, from).turns;
}

int BaselineGame(const PackedNet& net, const BaselineWeights& baseline, DiceStream& dice,
                 bool netFirst, PlayWorkspace& ws) {
  GreedyPlayer network(net, ws, &ws.candidate);
  BaselinePlayer other(baseline, ws.search.list);
  return PlayGame(network, other, dice, netFirst, kGameTurnLimit).points;
}

}  // namespace morvik
