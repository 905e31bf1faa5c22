// Cubeless single games between two players, in pairs with mirrored dice:
// each pair plays the same dice sequence twice, the players trading seats,
// so luck largely cancels.
#pragma once

#include <cstdint>
#include <functional>

#include "player/computer_player.h"
#include "rules/move_list.h"
#include "train/baseline.h"

class DuelPlayer {
 public:
  virtual ~DuelPlayer() = default;
  // Plays one full move for the side owning `own` (larger die first).
  virtual void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) = 0;
};

// The game's computer player, with or without its look-ahead.
class NetworkDuelPlayer : public DuelPlayer {
 public:
  NetworkDuelPlayer(ComputerPlayer& player, bool lookahead)
      : player_(player), lookahead_(lookahead ? 1 : 0) {}
  void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) override;

 private:
  ComputerPlayer& player_;
  int lookahead_;
};

// The baseline evaluator choosing among the same full moves.
class BaselineDuelPlayer : public DuelPlayer {
 public:
  BaselineDuelPlayer(const BaselineWeights& weights, MoveList& scratch)
      : weights_(weights), list_(scratch) {}
  void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) override;

 private:
  const BaselineWeights& weights_;
  MoveList& list_;
};

// Figures for the first player.
struct DuelResult {
  int pairs = 0;
  int wins = 0, gammons = 0, backgammons = 0;  // games won, and of those worth 2 and 3
  int lostGammons = 0, lostBackgammons = 0;
  long points = 0;
  double pairWinsSquared = 0.0;  // sums over pairs, for the intervals
  double pairPointsSquared = 0.0;

  int Games() const { return 2 * pairs; }
  double WinRate() const;
  double PointsPerGame() const;
  // Half-widths of the 95% confidence intervals, from the spread of the pairs.
  double WinRateMargin() const;
  double PointsMargin() const;
};

// Points of one game for the first player (+ won, - lost).
int PlayDuelGame(DuelPlayer& first, DuelPlayer& second, uint64_t diceSeed, bool firstStarts);

// `pairs` mirrored pairs; pair p's dice come from stream p of `seed`.
// `progress` (may be empty) is called after every pair.
DuelResult PlayDuel(DuelPlayer& first, DuelPlayer& second, int pairs, uint64_t seed,
                    const std::function<void(const DuelResult&)>& progress);
