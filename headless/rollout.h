// Rollouts: the value of a position as the mean result of games the network
// plays on from it against itself. One trial is written once, in PlayTrial:
// the trainer's plain rollouts (RolloutValue) and the analysis rollouts of
// the engine (Roller) both play it.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "headless/dice_stream.h"
#include "headless/self_play.h"
#include "net/packed_net.h"
#include "player/computer_player.h"

namespace morvik {

struct RolloutSettings {
  int trials = 36;  // games played on; each group of 36 throws every first roll once
  int plies = 0;    // moves in each before the network's value stands in; 0: to the end
};

// The value, for the side owning `own` that has just moved, of `settings.trials`
// games played on from the position, the opponent rolling first: trial t
// opens with the (t mod 36)-th of the 36 rolls, the later rolls come from
// `dice`. A game that ends scores its exact final target; one cut short after
// `settings.plies` moves scores the network's value of the position reached.
// With 36 trials of one move it is the one-ply value (see OnePlyValue). Uses
// the workspace as PlayGreedy does.
float RolloutValue(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                   PlayWorkspace& ws, TrainTarget target, const RolloutSettings& settings,
                   DiceStream& dice);

// The k-th of the 36 ordered rolls, larger die first.
inline void StratumRoll(int k, int& d1, int& d2) {
  const int a = 1 + k / 6, b = 1 + k % 6;
  d1 = a > b ? a : b;
  d2 = a > b ? b : a;
}

// How one trial is played.
struct TrialRules {
  int plies = 0;  // moves before the network's value stands in; 0: to the end
  TrainTarget target = TrainTarget::kPoints;
  // Take each roll's luck off the result: the value after the best move for
  // the roll thrown less the mean of that over the 21 rolls.
  bool luckAdjusted = false;
  // Play the game's computer player with its look-ahead instead of the
  // network's best move (it must be given to PlayTrial).
  bool lookahead = false;
};

// What one trial gives, for the side that had just moved where it began.
struct TrialResult {
  float value = 0.0f;  // the game's final target, or the network's value where it was cut
  double luck = 0.0;   // the sum of the rolls' luck (0 unless luck-adjusted)
  int points = 0;      // the game's result in points, 0 when cut short
};

// One game played on: boards[1] has just moved, boards[0] rolls first. The
// first `fixedRolls` rolls are `rolls` (larger die first), the later ones
// come from `dice`. The boards end as the game left them. `means`, when
// given, holds the luck's mean (the roller's value before the roll) of the
// first `knownMeans` plies, found once for many trials.
TrialResult PlayTrial(const PackedNet& net, SideBoard boards[2], const int (*rolls)[2],
                      int fixedRolls, DiceStream& dice, const TrialRules& rules, SearchScratch& s,
                      ComputerPlayer* player = nullptr, const double* means = nullptr,
                      int knownMeans = 0);

// An analysis rollout: variance reduced, with an honest interval, the same
// for every thread count.
struct RolloutPlan {
  int trials = 1296;  // a multiple of 36
  int plies = 0;      // 0: every game to its end
  // Rolls thrown alike: trial k opens with roll k mod 36; with 2, the
  // trials of one first roll throw the 36 second rolls in an order drawn
  // from the seed, so 1,296 trials throw every pair once, and fewer a fair
  // sample of them.
  int stratified = 2;
  bool luckAdjusted = true;
  bool lookahead = false;
  uint64_t seed = 1;  // trial k's later rolls come from StreamSeed(seed, k)
};

struct RolloutEstimate {
  int trials = 0;
  double value = 0.0;          // mean, 0..1, for the side that has just moved
  double standardError = 0.0;  // of `value`
  // Shares of the trials the side that has just moved won and lost: plain
  // games and better, gammons and better, backgammons.
  double won[3] = {0.0, 0.0, 0.0};
  double lost[3] = {0.0, 0.0, 0.0};
};

// The standard error of a mean of `results` whose k-th came from stratum
// k mod 36 (equal numbers in each): from the spread within the strata, or
// from the spread of them all when a stratum holds fewer than two.
double StratifiedStandardError(const std::vector<double>& results);

// Rolls positions out on `threads` threads, each with its own workspace made
// once. Trial k of every rollout uses the same dice, whatever the thread
// count, so that rollouts of the moves of one roll are compared on equal
// dice.
class Roller {
 public:
  Roller(const PackedNet& net, int threads, bool lookahead);
  ~Roller();

  // Sees the trials done so far and the running mean (for the side that has
  // just moved), from one thread, about twice a second.
  using Progress = std::function<void(int done, double value)>;

  // The position `own` has just moved, `opponent` is on roll.
  RolloutEstimate Roll(const BoardPosition& position, const RolloutPlan& plan,
                       const Progress& progress = {});

 private:
  struct Worker;
  const PackedNet& net_;
  std::vector<std::unique_ptr<Worker>> workers_;
  // The luck's mean before the first roll and, by the first roll, before
  // the second: the same in every trial that throws them.
  double firstMean_ = 0.0;
  double secondMeans_[36] = {};
  int secondRolls_[36][36] = {};  // by first roll, the order of the second rolls
  std::vector<double> adjusted_;  // the current rollout's results, by trial
  std::vector<int> points_;
};

}  // namespace morvik
