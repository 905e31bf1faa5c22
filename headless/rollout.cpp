#include "headless/rollout.h"

#include <cassert>
#include <chrono>
#include <cmath>
#include <thread>
#include <utility>

#include "player/player_sink.h"
#include "rules/game_result.h"

namespace morvik {

TrialResult PlayTrial(const PackedNet& net, SideBoard boards[2], const int (*rolls)[2],
                      int fixedRolls, DiceStream& dice, const TrialRules& rules, SearchScratch& s,
                      ComputerPlayer* player, const double* means, int knownMeans) {
  assert(!rules.lookahead || player != nullptr);
  const SearchRules search = ToolSearch(rules.target);
  const int plies = rules.plies > 0 ? rules.plies : kGameTurnLimit;
  NullSink sink;
  TrialResult result;
  for (int ply = 0, mover = 0;; ++ply, mover = 1 - mover) {
    int d1 = 0, d2 = 0;
    if (ply < fixedRolls) {
      d1 = rolls[ply][0];
      d2 = rolls[ply][1];
    } else {
      dice.Roll(d1, d2);
    }
    SideBoard& own = boards[mover];
    SideBoard& opponent = boards[1 - mover];
    // The roller's value before the roll: what the 21 rolls' best moves leave.
    double mean = 0.0;
    if (rules.luckAdjusted) {
      mean = ply < knownMeans
                 ? means[ply]
                 : 1.0 - static_cast<double>(OnePlyAverage(net, search, opponent, own, s));
    }
    float value = 0.0f;
    float luckValue = 0.0f;  // the best move's value for this roll, as the mean weighs it
    if (rules.lookahead) {
      if (rules.luckAdjusted) {
        SideBoard a = own, b = opponent;
        luckValue = PlayBestMove(net, search, a, b, d1, d2, s);
        if (AllBorneOff(a)) luckValue = FinalTarget(KindOfWin(b), rules.target);
      }
      player->PlayComputerMove(own, opponent, 1, d1, d2, sink);
      if (ply + 1 == plies && !AllBorneOff(own)) value = Evaluate(net, own, opponent, s);
    } else {
      value = PlayBestMove(net, search, own, opponent, d1, d2, s);
    }
    const bool over = AllBorneOff(own);
    if (over) {
      value = FinalTarget(KindOfWin(opponent), rules.target);
      const int points = Points(KindOfWin(opponent));
      result.points = mover == 1 ? points : -points;
    }
    if (rules.luckAdjusted) {
      const double luck = static_cast<double>(rules.lookahead ? luckValue : value) - mean;
      result.luck += mover == 1 ? luck : -luck;
    }
    if (over || ply + 1 == plies) {
      result.value = mover == 1 ? value : 1.0f - value;
      return result;
    }
  }
}

float RolloutValue(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                   PlayWorkspace& ws, TrainTarget target, const RolloutSettings& settings,
                   DiceStream& dice) {
  assert(settings.trials > 0 && settings.plies >= 0);
  const TrialRules rules{settings.plies, target, false, false};
  double sum = 0.0;
  for (int t = 0; t < settings.trials; ++t) {
    int first[1][2];
    StratumRoll(t % 36, first[0][0], first[0][1]);
    SideBoard boards[2] = {opponent, own};
    sum += PlayTrial(net, boards, first, 1, dice, rules, ws.search).value;
  }
  return static_cast<float>(sum / settings.trials);
}

double StratifiedStandardError(const std::vector<double>& results) {
  const size_t n = results.size();
  if (n < 2) return 0.0;
  const auto spread = [&](size_t first, size_t step) {
    double sum = 0.0, squares = 0.0;
    size_t count = 0;
    for (size_t k = first; k < n; k += step, ++count) sum += results[k];
    const double mean = sum / static_cast<double>(count);
    for (size_t k = first; k < n; k += step) squares += (results[k] - mean) * (results[k] - mean);
    return squares / static_cast<double>(count - 1);  // the unbiased variance of one result
  };
  if (n % 36 != 0 || n < 72) return std::sqrt(spread(0, 1) / static_cast<double>(n));
  // The mean is the mean of the 36 strata's means, each of n / 36 results.
  double variance = 0.0;
  for (size_t h = 0; h < 36; ++h) variance += spread(h, 36) / static_cast<double>(n / 36);
  return std::sqrt(variance) / 36.0;
}

namespace {
// Keeps the order of the second rolls apart from the trials' own dice.
constexpr uint64_t kSecondRollMix = 0x5EC0DD1CEull;
}  // namespace

struct Roller::Worker {
  SearchScratch search;
  std::unique_ptr<ComputerPlayer> player;
  std::atomic<int> done{0};
  std::atomic<double> sum{0.0};
};

Roller::Roller(const PackedNet& net, int threads, bool lookahead) : net_(net) {
  assert(threads >= 1);
  for (int t = 0; t < threads; ++t) {
    workers_.push_back(std::make_unique<Worker>());
    if (lookahead) workers_.back()->player = std::make_unique<ComputerPlayer>(net);
  }
}

Roller::~Roller() = default;

RolloutEstimate Roller::Roll(const BoardPosition& position, const RolloutPlan& plan,
                             const Progress& progress) {
  assert(plan.trials > 0 && (!plan.lookahead || workers_[0]->player));
  const int n = plan.trials;
  const int threads = static_cast<int>(workers_.size());
  adjusted_.assign(static_cast<size_t>(n), 0.0);
  points_.assign(static_cast<size_t>(n), 0);
  const TrialRules rules{plan.plies, TrainTarget::kPoints, plan.luckAdjusted, plan.lookahead};
  // Every trial starts from the position, and those of one first roll reach
  // the same position after it: their luck's means are found once here.
  int knownMeans = 0;
  if (plan.luckAdjusted) {
    Worker& first = *workers_[0];
    const SearchRules search = ToolSearch(TrainTarget::kPoints);
    firstMean_ = 1.0 - static_cast<double>(OnePlyAverage(net_, search, position.own,
                                                         position.opponent, first.search));
    knownMeans = 1;
    if (plan.plies != 1) {
      knownMeans = 2;
      for (int r = 0; r < 36; ++r) {
        int d1 = 0, d2 = 0;
        StratumRoll(r, d1, d2);
        SideBoard roller = position.opponent, other = position.own;
        if (plan.lookahead) {
          NullSink sink;
          first.player->PlayComputerMove(roller, other, 1, d1, d2, sink);
        } else {
          PlayBestMove(net_, search, roller, other, d1, d2, first.search);
        }
        // A first move that ends the game leaves no second roll.
        secondMeans_[r] = AllBorneOff(roller)
                              ? 0.0
                              : 1.0 - static_cast<double>(
                                          OnePlyAverage(net_, search, roller, other, first.search));
      }
    }
  }
  for (int h = 0; h < 36; ++h) {
    int* order = secondRolls_[h];
    DiceStream shuffle(StreamSeed(plan.seed ^ kSecondRollMix, static_cast<uint64_t>(h)));
    for (int i = 0; i < 36; ++i) order[i] = i;
    for (int i = 35; i > 0; --i)
      std::swap(order[i], order[shuffle.Next() % static_cast<uint64_t>(i + 1)]);
  }
  const auto start = std::chrono::steady_clock::now();
  const auto run = [&](int w) {
    Worker& worker = *workers_[static_cast<size_t>(w)];
    worker.done = 0;
    worker.sum = 0.0;
    auto last = start;
    for (int k = w; k < n; k += threads) {
      int rolls[2][2];
      StratumRoll(k % 36, rolls[0][0], rolls[0][1]);
      StratumRoll(secondRolls_[k % 36][k / 36 % 36], rolls[1][0], rolls[1][1]);
      DiceStream dice(StreamSeed(plan.seed, static_cast<uint64_t>(k)));
      SideBoard boards[2] = {position.opponent, position.own};
      const double means[2] = {firstMean_, secondMeans_[k % 36]};
      const TrialResult r = PlayTrial(net_, boards, rolls, plan.stratified, dice, rules,
                                      worker.search, worker.player.get(), means, knownMeans);
      const double value = static_cast<double>(r.value) - r.luck;
      adjusted_[static_cast<size_t>(k)] = value;
      points_[static_cast<size_t>(k)] = r.points;
      worker.sum.store(worker.sum.load(std::memory_order_relaxed) + value,
                       std::memory_order_relaxed);
      worker.done.fetch_add(1, std::memory_order_release);
      if (w != 0 || !progress) continue;
      const auto now = std::chrono::steady_clock::now();
      if (now - last < std::chrono::milliseconds(500)) continue;
      last = now;
      int done = 0;
      double sum = 0.0;
      for (const auto& other : workers_) {
        done += other->done.load(std::memory_order_acquire);
        sum += other->sum.load(std::memory_order_relaxed);
      }
      progress(done, sum / done);
    }
  };
  std::vector<std::thread> others;
  for (int w = 1; w < threads; ++w) others.emplace_back(run, w);
  run(0);
  for (std::thread& t : others) t.join();

  RolloutEstimate e;
  e.trials = n;
  double sum = 0.0;
  for (double v : adjusted_) sum += v;
  e.value = sum / n;
  e.standardError = StratifiedStandardError(adjusted_);
  int won[3] = {0, 0, 0}, lost[3] = {0, 0, 0};
  for (int p : points_) {
    for (int i = 0; i < 3; ++i) {
      won[i] += p > i;
      lost[i] += -p > i;
    }
  }
  for (int i = 0; i < 3; ++i) {
    e.won[i] = static_cast<double>(won[i]) / n;
    e.lost[i] = static_cast<double>(lost[i]) / n;
  }
  return e;
}

}  // namespace morvik
