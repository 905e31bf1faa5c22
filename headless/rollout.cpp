#include "headless/rollout.h"

#include <algorithm>
#include <cassert>

#include "rules/game_result.h"

namespace morvik {

namespace {
// One game played on from the position, the opponent (board 0) moving first
// with d1-d2; its value for the side owning board 1.
float PlayOn(const PackedNet& net, SideBoard boards[2], int d1, int d2, PlayWorkspace& ws,
             TrainTarget target, int plies, DiceStream& dice) {
  for (int ply = 0, mover = 0;; ++ply, mover = 1 - mover) {
    if (ply > 0) dice.Roll(d1, d2);
    SideBoard& own = boards[mover];
    SideBoard& opponent = boards[1 - mover];
    float value = PlayGreedy(net, own, opponent, d1, d2, ws, ws.candidate);
    const bool over = AllBorneOff(own);
    if (over) value = FinalTarget(KindOfWin(opponent), target);
    if (over || ply + 1 == plies) return mover == 1 ? value : 1.0f - value;
  }
}
}  // namespace

float RolloutValue(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                   PlayWorkspace& ws, TrainTarget target, const RolloutSettings& settings,
                   DiceStream& dice) {
  assert(settings.trials > 0 && settings.plies >= 0);
  const int plies = settings.plies > 0 ? settings.plies : kGameTurnLimit;
  double sum = 0.0;
  for (int t = 0; t < settings.trials; ++t) {
    const int a = 1 + t % 36 / 6, b = 1 + t % 6;
    SideBoard boards[2] = {opponent, own};
    sum += PlayOn(net, boards, std::max(a, b), std::min(a, b), ws, target, plies, dice);
  }
  return static_cast<float>(sum / settings.trials);
}

}  // namespace morvik
