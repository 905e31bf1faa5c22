// Plays the first listed full move: a weak player with a known direction.
#pragma once

#include "headless/game_loop.h"
#include "rules/enumerate.h"
#include "rules/move_list.h"

namespace morvik {

class FirstListedPlayer : public GamePlayer {
 public:
  void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) override {
    EnumerateMoves(own, opponent, d1, d2, list_);
    if (list_.count > 0) ApplyEntry(own, opponent, list_[0]);
  }

 private:
  MoveList list_;
};

}  // namespace morvik
