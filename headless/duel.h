// Cubeless single games between two players, in pairs with mirrored dice:
// each pair plays the same dice sequence twice, the players trading seats,
// so luck largely cancels.
#pragma once

#include <cstdint>
#include <functional>

#include "headless/game_loop.h"

namespace morvik {

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
int PlayDuelGame(GamePlayer& first, GamePlayer& second, uint64_t diceSeed, bool firstStarts);

// `pairs` mirrored pairs; pair p's dice come from stream p of `seed`.
// `progress` (may be empty) is called after every pair.
DuelResult PlayDuel(GamePlayer& first, GamePlayer& second, int pairs, uint64_t seed,
                    const std::function<void(const DuelResult&)>& progress);

}  // namespace morvik
