#include "headless/players.h"

#include "player/player_sink.h"
#include "rules/enumerate.h"

namespace morvik {

void NetworkPlayer::Play(SideBoard& own, SideBoard& opponent, int d1, int d2) {
  NullSink sink;
  player_.PlayComputerMove(own, opponent, lookahead_, d1, d2, sink);
}

void BaselinePlayer::Play(SideBoard& own, SideBoard& opponent, int d1, int d2) {
  EnumerateMoves(own, opponent, d1, d2, list_);
  const int pick = ChooseBaselineMove(weights_, own, opponent, list_);
  if (pick >= 0) ApplyEntry(own, opponent, list_[pick]);
}

}  // namespace morvik
