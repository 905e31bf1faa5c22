#include "engine/bench_player.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "engine/bench_game_sample.h"
#include "engine/bench_positions.h"
#include "engine/fnv_hash.h"
#include "player/computer_player.h"
#include "player/rolls.h"
#include "rules/primitives.h"

namespace morvik {

namespace {

class HashingSink : public PlayerSink {
 public:
  void History(std::string_view line) override { hash.AddLine(line); }
  void Log(std::string_view line) override { hash.AddLine(line); }
  void LogElapsed(double) override {}
  FnvHash hash;
};

// This thread's processor time: the move's cost on one core, whatever else
// the machine is running.
double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Sample {
  double seconds = 1e30;
  double cpu = 1e30;
  long evaluations = 0;
  bool triggered = false;
};

void PlayOne(ComputerPlayer& player, const BenchMove& move, bool lookahead, PlayerSink& sink,
             Sample& sample) {
  BoardPosition p;
  BuildBoardPosition(move.board, p);
  const long evaluations = player.Evaluations();
  const long lookAheads = player.LookAheads();
  const double cpu = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  player.PlayComputerMove(p.own, p.opponent, lookahead ? 1 : 0, move.d1, move.d2, sink);
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  sample.seconds = std::min(sample.seconds, s);
  sample.cpu = std::min(sample.cpu, CpuSeconds() - cpu);
  sample.evaluations = player.Evaluations() - evaluations;
  sample.triggered = player.LookAheads() != lookAheads;
}

struct Spread {
  double median = 0.0;
  double p99 = 0.0;
  double worst = 0.0;
};

// Median, 99th percentile and worst of one measure over the moves, in us.
Spread SpreadOf(std::vector<Sample>& samples, double Sample::*measure) {
  std::sort(samples.begin(), samples.end(),
            [measure](const Sample& a, const Sample& b) { return a.*measure < b.*measure; });
  const size_t n = samples.size();
  Spread s;
  s.median = samples[n / 2].*measure * 1e6;
  s.p99 = samples[std::min(n - 1, (n * 99 + 99) / 100 - 1)].*measure * 1e6;
  s.worst = samples.back().*measure * 1e6;
  return s;
}

void Report(const char* what, std::vector<Sample> samples) {
  if (samples.empty()) {
    std::printf("%-24s no moves\n", what);
    return;
  }
  long evaluations = 0;
  for (const Sample& s : samples) evaluations += s.evaluations;
  const Spread wall = SpreadOf(samples, &Sample::seconds);
  const Spread cpu = SpreadOf(samples, &Sample::cpu);
  std::printf(
      "%-24s %4zu moves  median %8.1f us  p99 %8.1f us  worst %8.1f us  "
      "(processor time: %8.1f / %8.1f / %8.1f us)  %7.1f evaluations/move\n",
      what, samples.size(), wall.median, wall.p99, wall.worst, cpu.median, cpu.p99, cpu.worst,
      static_cast<double>(evaluations) / static_cast<double>(samples.size()));
}

}  // namespace

std::vector<BenchMove> FixedSetMoves() {
  std::vector<BenchMove> moves;
  for (const BenchPosition& p : BenchPositions()) {
    for (const Roll& roll : kRolls) moves.push_back({p.board, roll.high, roll.low});
  }
  return moves;
}

namespace {
std::vector<BenchMove> MovesOf(std::span<const SampleMove> sample) {
  std::vector<BenchMove> moves;
  for (const SampleMove& m : sample) moves.push_back({SampleBoard(m), m.d1, m.d2});
  return moves;
}
}  // namespace

std::vector<BenchMove> SampleMoves() {
  return MovesOf(GameSample());
}

std::vector<BenchMove> GnubgSampleMoves() {
  return MovesOf(GnubgSample());
}

uint64_t BenchComputerMoves(const char* what, const std::vector<BenchMove>& moves, bool lookahead,
                            double seconds) {
  const auto player = std::make_unique<ComputerPlayer>(gPackedNet);
  std::vector<Sample> samples(moves.size());
  HashingSink signature;
  NullSink quiet;
  const auto start = std::chrono::steady_clock::now();
  for (int pass = 0;; ++pass) {
    for (size_t n = 0; n < moves.size(); ++n) {
      PlayOne(*player, moves[n], lookahead, pass == 0 ? static_cast<PlayerSink&>(signature) : quiet,
              samples[n]);
    }
    if (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >= seconds)
      break;
  }
  char title[64];
  std::snprintf(title, sizeof title, "%s%s", what, lookahead ? ", look-ahead" : "");
  Report(title, samples);
  if (lookahead) {
    std::vector<Sample> triggered;
    for (const Sample& s : samples) {
      if (s.triggered) triggered.push_back(s);
    }
    Report("  when triggered", triggered);
  }
  return signature.hash.hash;
}

}  // namespace morvik
