#include "engine/bench_player.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "engine/bench_positions.h"
#include "engine/fnv_hash.h"
#include "player/computer_player.h"
#include "rules/primitives.h"

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

// One computer move: larger die first, as the game rolls them.
void PlayOne(ComputerPlayer& player, const SignedBoard& board, int i, int j, bool lookahead,
             PlayerSink& sink, Sample& sample) {
  BoardPosition p;
  BuildBoardPosition(board, p);
  const long evaluations = player.Evaluations();
  const long lookAheads = player.LookAheads();
  const double cpu = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  player.PlayComputerMove(p.own, p.opponent, lookahead ? 1 : 0, j, i, sink);
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  sample.seconds = std::min(sample.seconds, s);
  sample.cpu = std::min(sample.cpu, CpuSeconds() - cpu);
  sample.evaluations = player.Evaluations() - evaluations;
  sample.triggered = player.LookAheads() != lookAheads;
}

// Median and worst of one measure over the moves.
void Spread(std::vector<Sample>& samples, double Sample::*measure, double& median, double& worst) {
  std::sort(samples.begin(), samples.end(),
            [measure](const Sample& a, const Sample& b) { return a.*measure < b.*measure; });
  median = samples[samples.size() / 2].*measure * 1e6;
  worst = samples.back().*measure * 1e6;
}

void Report(const char* what, std::vector<Sample> samples) {
  if (samples.empty()) {
    std::printf("%-18s no moves\n", what);
    return;
  }
  long evaluations = 0;
  for (const Sample& s : samples) evaluations += s.evaluations;
  double median, worst, cpuMedian, cpuWorst;
  Spread(samples, &Sample::seconds, median, worst);
  Spread(samples, &Sample::cpu, cpuMedian, cpuWorst);
  std::printf(
      "%-18s %4zu moves  median %8.1f us  worst %8.1f us  (processor time: %8.1f / %8.1f us)  "
      "%7.1f evaluations/move\n",
      what, samples.size(), median, worst, cpuMedian, cpuWorst,
      static_cast<double>(evaluations) / static_cast<double>(samples.size()));
}

}  // namespace

uint64_t BenchComputerMoves(bool lookahead, double seconds) {
  const auto player = std::make_unique<ComputerPlayer>();
  const auto positions = BenchPositions();
  std::vector<Sample> samples(positions.size() * 21);
  HashingSink signature;
  NullSink quiet;
  const auto start = std::chrono::steady_clock::now();
  for (int pass = 0;; ++pass) {
    size_t n = 0;
    for (const BenchPosition& p : positions) {
      for (int i = 1; i <= 6; ++i) {
        for (int j = i; j <= 6; ++j) {
          PlayOne(*player, p.board, i, j, lookahead,
                  pass == 0 ? static_cast<PlayerSink&>(signature) : quiet, samples[n++]);
        }
      }
    }
    if (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >= seconds)
      break;
  }
  Report(lookahead ? "move, look-ahead" : "move", samples);
  if (lookahead) {
    std::vector<Sample> triggered;
    for (const Sample& s : samples) {
      if (s.triggered) triggered.push_back(s);
    }
    Report("  when triggered", triggered);
  }
  return signature.hash.hash;
}
