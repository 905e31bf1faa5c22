// The self-play trainer: rounds of games played in parallel on copies of the
// network, merged in thread order, with a learning-rate schedule, periodic
// benchmark games against the baseline, checkpoints and a progress line.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "headless/baseline.h"
#include "headless/self_play.h"
#include "net/packed_net.h"
#include "train/position_kinds.h"

namespace morvik {

struct TrainOptions {
  int64_t games = 1000000;  // train until this many games are done
  int64_t startGames = 0;   // games already behind the resumed weights
  uint64_t seed = 1;
  int threads = 2;
  int roundGames = 4;  // games per thread between merges
  float alpha = 0.1f;
  float lateAlpha = 0.02f;
  int64_t lateFrom = 300000;   // games after which lateAlpha applies
  double initRange = 0.1;      // initial weights uniform in +-initRange
  int64_t benchEvery = 50000;  // 0: never
  int benchPairs = 500;        // mirrored pairs per benchmark
  double maxSeconds = 0.0;     // 0: no time limit
  std::string resume;          // weight file to start from
  std::string output = "gammon.pc";
  std::string checkpointDir;  // empty: no numbered checkpoints
  std::string curve;          // benchmark figures, one line per benchmark
  std::string baselineDir;    // empty: DefaultBaselineDir()
  TrainTarget target = TrainTarget::kPoints;
  TrainTargetDepth depth = TrainTargetDepth::kNextMove;
  float lambda = 0.0f;       // above 0: learn from lambda-returns when each game ends
  double randomShare = 0.0;  // share of games whose first moves are random
  int randomPlies = 12;      // at most this many random moves at their start
  // Instead of learning by self-play: collect positions with one-ply targets
  // (or, with rolloutTrials above 0, rollout targets) from `games` games into
  // this file ...
  std::string collectTo;
  int rolloutTrials = 0;
  int rolloutPlies = 0;  // 0: every rollout game to its end
  int candidates = 0;    // with collectTo: the best moves of a drawn roll kept too
  double candidateShare = 0.5;
  // ... or fit the weights to the positions in these files.
  std::vector<std::string> fitFrom;
  // Positions some games start from: a share of the games begins from one of
  // the file's positions of the chosen kinds (see position_kinds.h).
  std::string startFrom;
  double startShare = 0.5;
  unsigned startKinds = kAllKinds;
  int epochs = 10;
};

// How game g begins: the number of random moves and the seed that picks them.
// With `positions` starting positions on hand, which one, or -1 for the opening.
struct GameStart {
  int randomPlies = 0;
  uint64_t choiceSeed = 0;
  int64_t position = -1;
};
GameStart StartOf(const TrainOptions& o, int64_t g, size_t positions = 0);

double Seconds(std::chrono::steady_clock::time_point since);

struct BenchFigures {
  int games = 0;
  int wins = 0;
  int points = 0;  // the network's net points
  double WinRate() const { return games ? static_cast<double>(wins) / games : 0.0; }
  double PointsPerGame() const { return games ? static_cast<double>(points) / games : 0.0; }
};

// Small random weights, the same for the same seed.
void RandomWeights(PackedNet& net, uint64_t seed, double range);
// The network's weights in file order (layer, receiving unit, sending unit).
void PackedToFileOrder(const PackedNet& net, float* values);
// Writes a weight file via a temporary and a rename; false on failure.
bool SaveWeightFile(const PackedNet& net, const std::string& path);
// Reads a weight file into `net`; false unless it holds all 32,840 values.
bool LoadWeightFile(const std::string& path, PackedNet& net);

class Trainer {
 public:
  explicit Trainer(const TrainOptions& options);
  ~Trainer();
  // Runs to the end; returns false (with a message on stderr) on failure.
  bool Run();
  const PackedNet& Weights() const { return *master_; }
  // One merged round of games starting at game number `first`.
  void PlayRound(int64_t first, int64_t end, float alpha);
  BenchFigures Bench();

 private:
  bool LoadStarts();
  // The position a game starts from, kept in `storage`; null for the opening.
  const BoardPosition* BeginOf(const GameStart& start, BoardPosition& storage) const;
  bool Collect();
  bool Fit();
  bool SelfPlay();
  float AlphaAt(int64_t games) const;
  void Checkpoint(int64_t games, const BenchFigures* bench);
  // Writes the weights to the output and as checkpoint gammon-<name>.pc, and
  // the benchmark figures, if any, to the curve as a line starting with key.
  void Checkpoint(const std::string& name, const std::string& key, const BenchFigures* bench);
  template <typename Task>
  void Parallel(Task task);

  TrainOptions options_;
  BaselineWeights baseline_;
  std::unique_ptr<PackedNet> master_;
  std::unique_ptr<PackedNet> base_;
  std::vector<std::unique_ptr<PackedNet>> locals_;
  std::vector<std::unique_ptr<PlayWorkspace>> workspaces_;
  std::vector<RowCounts> starts_;
};

template <typename Task>
void Trainer::Parallel(Task task) {
  std::vector<std::thread> helpers;
  for (int t = 1; t < options_.threads; ++t) helpers.emplace_back(task, t);
  task(0);
  for (std::thread& h : helpers) h.join();
}

}  // namespace morvik
