// The trainer's second way of learning: collect positions with one-ply or
// rollout targets from games of fixed weights, then fit the weights to them.
#include <atomic>
#include <cstdio>

#include "headless/dice_stream.h"
#include "train/fitter.h"
#include "train/position_set.h"
#include "train/trainer.h"

namespace morvik {

namespace {
// Keeps the rollouts' dice apart from the games' own.
constexpr uint64_t kRolloutSeedMix = 0x5EEDF00DCAFEull;
}  // namespace

bool Trainer::Collect() {
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::vector<TrainingPosition>> part(static_cast<size_t>(options_.threads));
  std::atomic<int64_t> done{0};
  std::atomic<bool> late{false};
  const int64_t games = options_.games;
  Parallel([&](int t) {
    auto& out = part[static_cast<size_t>(t)];
    double lastReport = 0.0;
    PositionScoring scoring;
    scoring.target = options_.target;
    scoring.rollout = {options_.rolloutTrials, options_.rolloutPlies};
    scoring.candidates = options_.candidates;
    scoring.candidateShare = options_.candidateShare;
    for (int64_t g = t; g < games && !late; g += options_.threads) {
      DiceStream dice(StreamSeed(options_.seed, static_cast<uint64_t>(g)));
      const GameStart begin = StartOf(options_, g, starts_.size());
      BoardPosition from;
      scoring.seed = StreamSeed(options_.seed ^ kRolloutSeedMix, static_cast<uint64_t>(g));
      CollectGamePositions(*master_, dice, *workspaces_[static_cast<size_t>(t)], scoring,
                           begin.randomPlies, begin.choiceSeed, out, BeginOf(begin, from));
      const int64_t n = ++done;
      const double elapsed = Seconds(start);
      if (options_.maxSeconds > 0.0 && elapsed >= options_.maxSeconds) late = true;
      if (t != 0 || elapsed - lastReport < 10.0) continue;
      lastReport = elapsed;
      std::fprintf(stderr, "games %lld of %lld  %.1f games/s  %zu positions  %.0f s left\n",
                   static_cast<long long>(n), static_cast<long long>(games), n / elapsed,
                   out.size() * static_cast<size_t>(options_.threads),
                   static_cast<double>(games - n) * elapsed / static_cast<double>(n));
    }
  });
  std::vector<TrainingPosition> all;
  for (auto& p : part) all.insert(all.end(), p.begin(), p.end());
  if (!SavePositions(options_.collectTo, all)) {
    std::fprintf(stderr, "morvik-train: cannot write %s\n", options_.collectTo.c_str());
    return false;
  }
  std::fprintf(stderr, "finished: %lld games, %zu positions in %.0f s, written to %s\n",
               static_cast<long long>(done.load()), all.size(), Seconds(start),
               options_.collectTo.c_str());
  return true;
}

bool Trainer::Fit() {
  std::vector<TrainingPosition> positions;
  for (const std::string& path : options_.fitFrom) {
    std::string error;
    if (!LoadPositions(path, positions, error)) {
      std::fprintf(stderr, "morvik-train: %s\n", error.c_str());
      return false;
    }
  }
  FitOptions fit;
  fit.epochs = options_.epochs;
  fit.alpha = options_.alpha;
  fit.lateAlpha = options_.lateAlpha;
  fit.seed = options_.seed;
  Fitter fitter(fit, std::move(positions));
  std::fprintf(stderr, "fitting %zu positions, %zu held out: held-out error %.5f\n",
               fitter.TrainingCount(), fitter.HeldOutCount(), fitter.HeldOutError(*master_));
  const auto start = std::chrono::steady_clock::now();
  for (int e = 0; e < fitter.Epochs(); ++e) {
    const double trained = fitter.Pass(*master_, e);
    const double held = fitter.HeldOutError(*master_);
    char bench[64] = "";
    BenchFigures b;
    if (options_.benchEvery > 0) {
      b = Bench();
      std::snprintf(bench, sizeof bench, "  vs baseline %.1f%% (%+.3f ppg, %d games)",
                    100.0 * b.WinRate(), b.PointsPerGame(), b.games);
    }
    char name[32];
    std::snprintf(name, sizeof name, "fit-%03d", e + 1);
    Checkpoint(name, std::to_string(e + 1), options_.benchEvery > 0 ? &b : nullptr);
    std::fprintf(stderr, "epoch %d  alpha %g  error %.5f  held-out %.5f  %.0f s%s\n", e + 1,
                 fitter.AlphaOf(e), trained, held, Seconds(start), bench);
  }
  return true;
}

}  // namespace morvik
