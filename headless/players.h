// The players the headless tools seat at the game loop.
#pragma once

#include "headless/baseline.h"
#include "headless/game_loop.h"
#include "player/computer_player.h"
#include "rules/move_list.h"

namespace morvik {

// The game's computer player, with or without its look-ahead.
class NetworkPlayer : public GamePlayer {
 public:
  NetworkPlayer(ComputerPlayer& player, bool lookahead)
      : player_(player), lookahead_(lookahead ? 1 : 0) {}
  void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) override;

 private:
  ComputerPlayer& player_;
  int lookahead_;
};

// The baseline evaluator choosing among the same full moves.
class BaselinePlayer : public GamePlayer {
 public:
  BaselinePlayer(const BaselineWeights& weights, MoveList& scratch)
      : weights_(weights), list_(scratch) {}
  void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) override;

 private:
  const BaselineWeights& weights_;
  MoveList& list_;
};

}  // namespace morvik
