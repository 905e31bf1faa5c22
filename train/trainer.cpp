#include "train/trainer.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "headless/dice_stream.h"
#include "net/weight_file.h"
#include "net/weight_order.h"
#include "train/position_kinds.h"
#include "train/position_set.h"

namespace morvik {

namespace {
constexpr uint64_t kBenchSeed = 0x5EED0B0Cull;
constexpr uint64_t kStartSeed = 0x57A27EDull;
}  // namespace

GameStart StartOf(const TrainOptions& o, int64_t g, size_t positions) {
  GameStart start;
  DiceStream pick(StreamSeed(o.seed ^ kStartSeed, static_cast<uint64_t>(g)));
  const auto share = [&] { return static_cast<double>(pick.Next() >> 11) * 0x1.0p-53; };
  if (o.randomShare > 0.0 && share() < o.randomShare) {
    start.randomPlies = 1 + static_cast<int>(pick.Next() % static_cast<uint64_t>(o.randomPlies));
    start.choiceSeed = pick.Next();
  }
  if (positions > 0 && share() < o.startShare) {
    start.position = static_cast<int64_t>(pick.Next() % positions);
  }
  return start;
}

namespace {
void MergeBlock(float* master, const float* base, const std::vector<const float*>& locals, int n) {
  for (int i = 0; i < n; ++i) {
    float v = base[i];
    for (const float* local : locals) v += local[i] - base[i];
    master[i] = v;
  }
}

// master = base + the sum over threads, in thread order, of (local - base).
void Merge(PackedNet& master, const PackedNet& base,
           const std::vector<std::unique_ptr<PackedNet>>& locals) {
  std::vector<const float*> w1, w2, w3;
  for (const auto& l : locals) {
    w1.push_back(&l->w1[0][0]);
    w2.push_back(&l->w2[0][0]);
    w3.push_back(&l->w3[0]);
  }
  MergeBlock(&master.w1[0][0], &base.w1[0][0], w1, kInputs * kHidden);
  MergeBlock(&master.w2[0][0], &base.w2[0][0], w2, kHidden * kHidden);
  MergeBlock(&master.w3[0], &base.w3[0], w3, kHidden);
}

}  // namespace

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void RandomWeights(PackedNet& net, uint64_t seed, double range) {
  DiceStream random(StreamSeed(seed, 0xFFFFFFFFull));
  ForEachPackedWeight(net, [&](float& w, int) {
    const double u = static_cast<double>(random.Next() >> 11) * 0x1.0p-53;
    w = static_cast<float>((2.0 * u - 1.0) * range);
  });
  net.gain = 0.5f;
}

void PackedToFileOrder(const PackedNet& net, float* values) {
  ForEachPackedWeight(net, [&](const float& w, int i) { values[i] = w; });
}

bool SaveWeightFile(const PackedNet& net, const std::string& path) {
  static thread_local float values[kWeightCount];
  PackedToFileOrder(net, values);
  const std::string temporary = path + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = WriteWeightValues(file, values, kWeightCount);
  const bool closed = std::fclose(file) == 0;
  return written && closed && std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool LoadWeightFile(const std::string& path, PackedNet& net) {
  static thread_local float values[kWeightCount];
  const WeightFileReport report = ReadWeightFile(path.c_str(), values);
  if (!IsComplete(report)) return false;
  MakeNet(values, net);
  return true;
}

Trainer::Trainer(const TrainOptions& options)
    : options_(options), master_(new PackedNet), base_(new PackedNet) {
  for (int t = 0; t < options_.threads; ++t) {
    locals_.emplace_back(new PackedNet);
    workspaces_.emplace_back(new PlayWorkspace);
  }
  RandomWeights(*master_, options_.seed, options_.initRange);
}

Trainer::~Trainer() = default;

float Trainer::AlphaAt(int64_t games) const {
  return games < options_.lateFrom ? options_.alpha : options_.lateAlpha;
}

void Trainer::PlayRound(int64_t first, int64_t end, float alpha) {
  *base_ = *master_;
  const int64_t perThread = options_.roundGames;
  Parallel([&](int t) {
    PackedNet& net = *locals_[static_cast<size_t>(t)];
    net = *base_;
    for (int64_t g = first + t * perThread; g < first + (t + 1) * perThread && g < end; ++g) {
      DiceStream dice(StreamSeed(options_.seed, static_cast<uint64_t>(g)));
      const GameStart start = StartOf(options_, g, starts_.size());
      PlayWorkspace& ws = *workspaces_[static_cast<size_t>(t)];
      BoardPosition from;
      const BoardPosition* begin = BeginOf(start, from);
      if (options_.lambda > 0.0f) {
        TrainGameLambda(net, dice, alpha, options_.lambda, ws, options_.target, start.randomPlies,
                        start.choiceSeed, begin);
      } else {
        TrainGame(net, dice, alpha, ws, options_.target, options_.depth, start.randomPlies,
                  start.choiceSeed, begin);
      }
    }
  });
  Merge(*master_, *base_, locals_);
}

BenchFigures Trainer::Bench() {
  std::vector<BenchFigures> part(static_cast<size_t>(options_.threads));
  Parallel([&](int t) {
    BenchFigures& f = part[static_cast<size_t>(t)];
    for (int p = t; p < options_.benchPairs; p += options_.threads) {
      for (int seat = 0; seat < 2; ++seat) {
        DiceStream dice(StreamSeed(kBenchSeed, static_cast<uint64_t>(p)));
        const int points = BaselineGame(*master_, baseline_, dice, seat == 0,
                                        *workspaces_[static_cast<size_t>(t)]);
        ++f.games;
        f.wins += points > 0;
        f.points += points;
      }
    }
  });
  BenchFigures all;
  for (const BenchFigures& f : part) {
    all.games += f.games;
    all.wins += f.wins;
    all.points += f.points;
  }
  return all;
}

void Trainer::Checkpoint(int64_t games, const BenchFigures* bench) {
  char name[32];
  std::snprintf(name, sizeof name, "%09lld", static_cast<long long>(games));
  Checkpoint(name, std::to_string(games), bench);
}

void Trainer::Checkpoint(const std::string& name, const std::string& key,
                         const BenchFigures* bench) {
  if (!SaveWeightFile(*master_, options_.output)) {
    std::fprintf(stderr, "morvik-train: cannot write %s\n", options_.output.c_str());
  }
  if (!options_.checkpointDir.empty()) {
    SaveWeightFile(*master_, options_.checkpointDir + "/gammon-" + name + ".pc");
  }
  if (bench != nullptr && !options_.curve.empty()) {
    if (std::FILE* f = std::fopen(options_.curve.c_str(), "a")) {
      std::fprintf(f, "%s %.4f %.4f %d\n", key.c_str(), bench->WinRate(), bench->PointsPerGame(),
                   bench->games);
      std::fclose(f);
    }
  }
}

bool Trainer::Run() {
  std::string error;
  const std::string dir =
      options_.baselineDir.empty() ? DefaultBaselineDir() : options_.baselineDir;
  if (options_.benchEvery > 0 && !LoadBaseline(dir, baseline_, error)) {
    std::fprintf(stderr, "morvik-train: %s\n", error.c_str());
    return false;
  }
  if (!options_.resume.empty() && !LoadWeightFile(options_.resume, *master_)) {
    std::fprintf(stderr, "morvik-train: cannot read 32840 weights from %s\n",
                 options_.resume.c_str());
    return false;
  }
  if (!LoadStarts()) return false;
  if (!options_.collectTo.empty()) return Collect();
  if (!options_.fitFrom.empty()) return Fit();
  return SelfPlay();
}

const BoardPosition* Trainer::BeginOf(const GameStart& start, BoardPosition& storage) const {
  if (start.position < 0) return nullptr;
  storage = PositionOf(starts_[static_cast<size_t>(start.position)]);
  return &storage;
}

bool Trainer::LoadStarts() {
  if (options_.startFrom.empty()) return true;
  std::vector<TrainingPosition> all;
  std::string error;
  if (!LoadPositions(options_.startFrom, all, error)) {
    std::fprintf(stderr, "morvik-train: %s\n", error.c_str());
    return false;
  }
  for (const TrainingPosition& p : all)
    if (KindsOf(p) & options_.startKinds) starts_.push_back(p.counts);
  std::fprintf(stderr, "starting positions: %zu of the %zu in %s\n", starts_.size(), all.size(),
               options_.startFrom.c_str());
  if (starts_.empty()) {
    std::fprintf(stderr, "morvik-train: %s holds no position of the chosen kinds\n",
                 options_.startFrom.c_str());
    return false;
  }
  return true;
}

bool Trainer::SelfPlay() {
  const auto start = std::chrono::steady_clock::now();
  double lastReport = 0.0;
  char benchText[64] = "none yet";
  int64_t done = options_.startGames;
  const int64_t roundSize = static_cast<int64_t>(options_.threads) * options_.roundGames;
  while (done < options_.games) {
    if (options_.maxSeconds > 0.0 && Seconds(start) >= options_.maxSeconds) break;
    const int64_t end = std::min(options_.games, done + roundSize);
    PlayRound(done, end, AlphaAt(done));
    const int64_t before = done;
    done = end;
    const bool benchNow =
        options_.benchEvery > 0 && done / options_.benchEvery != before / options_.benchEvery;
    if (benchNow) {
      const BenchFigures b = Bench();
      std::snprintf(benchText, sizeof benchText, "%.1f%% (%+.3f ppg, %d games)",
                    100.0 * b.WinRate(), b.PointsPerGame(), b.games);
      Checkpoint(done, &b);
    }
    const double elapsed = Seconds(start);
    if (benchNow || elapsed - lastReport >= 10.0) {
      lastReport = elapsed;
      const double rate = static_cast<double>(done - options_.startGames) / elapsed;
      const double left = rate > 0 ? static_cast<double>(options_.games - done) / rate : 0.0;
      std::fprintf(stderr,
                   "games %lld  %.1f games/s  %.0f s elapsed  %.0f s left  alpha %g  vs baseline "
                   "%s\n",
                   static_cast<long long>(done), rate, elapsed, left, AlphaAt(done), benchText);
    }
  }
  Checkpoint(done, nullptr);
  std::fprintf(stderr, "finished: %lld games in %.0f s, weights in %s\n",
               static_cast<long long>(done), Seconds(start), options_.output.c_str());
  return true;
}

}  // namespace morvik
