#include "headless/duel.h"

#include <cmath>

#include "headless/dice_stream.h"

namespace morvik {

namespace {
double Margin(double sum, double sumSquared, int pairs) {
  if (pairs < 2) return 0.0;
  const double n = pairs;
  const double mean = sum / n;
  const double variance = (sumSquared - n * mean * mean) / (n - 1.0);
  return 1.96 * std::sqrt(variance > 0.0 ? variance / n : 0.0) / 2.0;
}
}  // namespace

double DuelResult::WinRate() const {
  return pairs ? static_cast<double>(wins) / Games() : 0.0;
}
double DuelResult::PointsPerGame() const {
  return pairs ? static_cast<double>(points) / Games() : 0.0;
}
double DuelResult::WinRateMargin() const {
  return Margin(static_cast<double>(wins), pairWinsSquared, pairs);
}
double DuelResult::PointsMargin() const {
  return Margin(static_cast<double>(points), pairPointsSquared, pairs);
}

int PlayDuelGame(GamePlayer& first, GamePlayer& second, uint64_t diceSeed, bool firstStarts) {
  DiceStream dice(diceSeed);
  return PlayGame(first, second, dice, firstStarts, kGameTurnLimit).points;
}

DuelResult PlayDuel(GamePlayer& first, GamePlayer& second, int pairs, uint64_t seed,
                    const std::function<void(const DuelResult&)>& progress) {
  DuelResult r;
  for (int p = 0; p < pairs; ++p) {
    const uint64_t diceSeed = StreamSeed(seed, static_cast<uint64_t>(p));
    int pairWins = 0;
    int pairPoints = 0;
    for (const bool firstStarts : {true, false}) {
      const int points = PlayDuelGame(first, second, diceSeed, firstStarts);
      pairPoints += points;
      if (points > 0) {
        ++pairWins;
        r.gammons += points == 2;
        r.backgammons += points == 3;
      }
      r.lostGammons += points == -2;
      r.lostBackgammons += points == -3;
    }
    ++r.pairs;
    r.wins += pairWins;
    r.points += pairPoints;
    r.pairWinsSquared += static_cast<double>(pairWins) * pairWins;
    r.pairPointsSquared += static_cast<double>(pairPoints) * pairPoints;
    if (progress) progress(r);
  }
  return r;
}

}  // namespace morvik
