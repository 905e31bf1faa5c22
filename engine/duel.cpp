#include "engine/duel.h"

#include <cmath>

#include "player/player_sink.h"
#include "train/dice_stream.h"
#include "train/game_result.h"

namespace {
constexpr int kMaxTurns = 5000;  // a safety net; real games end far sooner

double Margin(double sum, double sumSquared, int pairs) {
  if (pairs < 2) return 0.0;
  const double n = pairs;
  const double mean = sum / n;
  const double variance = (sumSquared - n * mean * mean) / (n - 1.0);
  return 1.96 * std::sqrt(variance > 0.0 ? variance / n : 0.0) / 2.0;
}
}  // namespace

void NetworkDuelPlayer::Play(SideBoard& own, SideBoard& opponent, int d1, int d2) {
  NullSink sink;
  player_.PlayComputerMove(own, opponent, lookahead_, d1, d2, sink);
}

void BaselineDuelPlayer::Play(SideBoard& own, SideBoard& opponent, int d1, int d2) {
  EnumerateMoves(own, opponent, d1, d2, list_);
  const int pick = ChooseBaselineMove(weights_, own, opponent, list_);
  if (pick >= 0) ApplyEntry(own, opponent, list_[pick]);
}

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

int PlayDuelGame(DuelPlayer& first, DuelPlayer& second, uint64_t diceSeed, bool firstStarts) {
  BoardPosition start;
  BuildBoardPosition(StartingPosition(), start);
  SideBoard sides[2] = {start.own, start.opponent};  // [0] the first player's
  DuelPlayer* players[2] = {&first, &second};
  DiceStream dice(diceSeed);
  int d1 = 0;
  int d2 = 0;
  dice.OpeningRoll(d1, d2);
  int mover = firstStarts ? 0 : 1;
  for (int turn = 0; turn < kMaxTurns; ++turn) {
    if (turn > 0) dice.Roll(d1, d2);
    players[mover]->Play(sides[mover], sides[1 - mover], d1, d2);
    if (HasWon(sides[mover])) return (mover == 0 ? 1 : -1) * GamePoints(sides[1 - mover]);
    mover = 1 - mover;
  }
  return 0;
}

DuelResult PlayDuel(DuelPlayer& first, DuelPlayer& second, int pairs, uint64_t seed,
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
