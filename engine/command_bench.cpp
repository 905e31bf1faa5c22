#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "engine/arguments.h"
#include "engine/bench_player.h"
#include "engine/bench_positions.h"
#include "engine/commands.h"
#include "engine/fnv_hash.h"
#include "headless/self_play.h"
#include "net/batch_forward.h"
#include "net/network.h"
#include "net/packed_net.h"
#include "net/weight_file.h"
#include "player/rolls.h"
#include "rules/enumerate.h"
#include "rules/move_list.h"
#include "rules/primitives.h"

namespace morvik {

namespace {
MoveList gList;

struct Totals {
  long lists = 0;
  long entries = 0;
  long evaluations = 0;
};

// This thread's processor time: the rates are those of one core, whatever
// else the machine is running.
double ProcessorSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// All 21 rolls of one position for the computer, larger die first; every
// entry played, evaluated and taken back.
void RunPosition(const SignedBoard& board, bool evaluate, Totals& totals, FnvHash* signature) {
  BoardPosition position;
  BuildBoardPosition(board, position);
  for (const Roll& roll : kRolls) {
    EnumerateMoves(position.own, position.opponent, roll.high, roll.low, gList);
    ++totals.lists;
    totals.entries += gList.count;
    for (int e = 0; e < gList.count; ++e) {
      if (signature != nullptr) {
        for (const CheckerMove& m : gList[e].slot)
          signature->Add(static_cast<uint64_t>(m.from * 65536 + m.to * 256 + m.hit));
      }
      if (!evaluate) continue;
      ApplyEntry(position.own, position.opponent, gList[e]);
      const float v = EvaluateBoards(position.own, position.opponent);
      UndoEntry(position.own, position.opponent, gList[e]);
      ++totals.evaluations;
      if (signature != nullptr) signature->AddFloat(v);
    }
  }
}

// All 21 rolls of one position, every entry's position evaluated in full
// batches (and the last partial one) of the batched evaluation.
void RunPositionBatched(const SignedBoard& board, Totals& totals) {
  static ActiveInputs inputs[kBatchSize];
  const ActiveInputs* pointers[kBatchSize];
  float values[kBatchSize];
  BoardPosition position;
  BuildBoardPosition(board, position);
  RowCounts rows;
  CountRows(position.own, position.opponent, rows);
  for (const Roll& roll : kRolls) {
    EnumerateMoves(position.own, position.opponent, roll.high, roll.low, gList);
    ++totals.lists;
    totals.entries += gList.count;
    int n = 0;
    for (int e = 0; e < gList.count; ++e) {
      RowCounts after;
      CountsAfter(rows, gList[e], after);
      CollectActive(after, inputs[n]);
      pointers[n] = &inputs[n];
      if (++n == kBatchSize || e + 1 == gList.count) {
        ForwardBatch(gPackedNet, pointers, n, values);
        totals.evaluations += n;
        n = 0;
      }
    }
  }
}

enum class RateOf { kLists, kEvaluations, kBatchedEvaluations };

void Rate(const char* what, RateOf kind, double minSeconds) {
  const auto positions = BenchPositions();
  Totals totals;
  const double start = ProcessorSeconds();
  do {
    for (const BenchPosition& p : positions) {
      if (kind == RateOf::kBatchedEvaluations) {
        RunPositionBatched(p.board, totals);
      } else {
        RunPosition(p.board, kind == RateOf::kEvaluations, totals, nullptr);
      }
    }
  } while (ProcessorSeconds() - start < minSeconds);
  const double s = ProcessorSeconds() - start;
  if (kind != RateOf::kLists) {
    std::printf("%-10s %12.0f evaluations/s  (%ld in %.2f s of processor time)\n", what,
                static_cast<double>(totals.evaluations) / s, totals.evaluations, s);
  } else {
    std::printf(
        "%-10s %12.0f full-move lists/s  (%ld lists, %ld entries in %.2f s of processor time)\n",
        what, static_cast<double>(totals.lists) / s, totals.lists, totals.entries, s);
  }
}

// Self-play training games (TD(0) after every move) on one thread, from the
// bench weights.
void SelfPlayRate(double minSeconds) {
  auto net = std::make_unique<PackedNet>(gPackedNet);
  auto ws = std::make_unique<PlayWorkspace>();
  DiceStream dice(20261208);
  long games = 0;
  long turns = 0;
  const double start = ProcessorSeconds();
  do {
    turns += TrainGame(*net, dice, 0.1f, *ws);
    ++games;
  } while (ProcessorSeconds() - start < minSeconds);
  const double s = ProcessorSeconds() - start;
  std::printf(
      "%-10s %12.0f games/s  (%ld games, %ld moves in %.2f s of processor time, one thread)\n",
      "self-play", static_cast<double>(games) / s, games, turns, s);
}

NetPath ParsePath(const std::string& name) {
  for (NetPath p : {NetPath::kSse2, NetPath::kAvx2, NetPath::kAvx512}) {
    if (name == NetPathName(p)) {
      if (p > BestNetPath()) throw UsageError("this processor has no " + name);
      return p;
    }
  }
  throw UsageError("--path must be sse2, avx2 or avx512");
}

}  // namespace

int RunBench(int argc, char** argv) {
  const EngineOptions options = ReadEngineOptions(argc, argv);
  const double seconds = options.seconds;
  if (options.hasPath) ForceNetPath(ParsePath(options.path));
  if (options.hasWeights) LoadEngineWeights(options);  // refused before any work
  std::printf("vector path %s (best here %s), batches of %d\n", NetPathName(ActiveNetPath()),
              NetPathName(BestNetPath()), kBatchSize);
  LoadBenchWeights();
  Totals totals;
  FnvHash signature;
  for (const BenchPosition& p : BenchPositions()) {
    Totals one;
    RunPosition(p.board, true, one, &signature);
    std::printf("position %-8s 21 rolls, %6ld entries\n", p.name, one.entries);
    totals.entries += one.entries;
    totals.evaluations += one.evaluations;
  }
  std::fflush(stdout);
  Rate("movegen", RateOf::kLists, seconds);
  std::fflush(stdout);
  Rate("eval", RateOf::kEvaluations, seconds);
  std::fflush(stdout);
  Rate("eval batch", RateOf::kBatchedEvaluations, seconds);
  std::fflush(stdout);
  SelfPlayRate(seconds);
  std::fflush(stdout);
  const std::vector<BenchMove> fixed = FixedSetMoves();
  const uint64_t play = BenchComputerMoves("move", fixed, false, seconds);
  std::fflush(stdout);
  const uint64_t lookahead = BenchComputerMoves("move", fixed, true, seconds);
  std::printf(
      "signature: entries %ld evaluations %ld checksum %016llx play %016llx lookahead %016llx\n",
      totals.entries, totals.evaluations, static_cast<unsigned long long>(signature.hash),
      static_cast<unsigned long long>(play), static_cast<unsigned long long>(lookahead));
  std::fflush(stdout);
  const std::vector<BenchMove> sample = SampleMoves();
  const uint64_t samplePlay = BenchComputerMoves("game sample", sample, false, seconds);
  std::fflush(stdout);
  const uint64_t sampleLookahead = BenchComputerMoves("game sample", sample, true, seconds);
  std::printf("sample signature: moves %zu play %016llx lookahead %016llx\n", sample.size(),
              static_cast<unsigned long long>(samplePlay),
              static_cast<unsigned long long>(sampleLookahead));
  const std::vector<BenchMove> gnubg = GnubgSampleMoves();
  if (options.hasWeights) {
    std::fflush(stdout);
    LoadEngineWeights(options);
    std::printf("game sample with the weights of %s:\n", options.weights.c_str());
    BenchComputerMoves("game sample", sample, false, seconds);
    std::fflush(stdout);
    BenchComputerMoves("game sample", sample, true, seconds);
    std::fflush(stdout);
    BenchComputerMoves("gnubg sample", gnubg, false, seconds);
    std::fflush(stdout);
    BenchComputerMoves("gnubg sample", gnubg, true, seconds);
    std::fflush(stdout);
    SelfPlayRate(seconds);
  }
  return 0;
}

}  // namespace morvik
