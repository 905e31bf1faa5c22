// Micro-benchmarks of the engine core: full-move lists, the network, and its
// parts. `morvik-engine bench` gives the whole-program figures.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "engine/bench_positions.h"
#include "net/batch_forward.h"
#include "net/network.h"
#include "net/packed_net.h"
#include "player/rolls.h"
#include "rules/enumerate.h"
#include "rules/move_list.h"
#include "rules/primitives.h"

namespace morvik {

namespace {

void BM_EnumerateMoves(benchmark::State& state) {
  auto list = std::make_unique<MoveList>();
  const auto positions = BenchPositions();
  BoardPosition p;
  BuildBoardPosition(positions[static_cast<size_t>(state.range(0))].board, p);
  for (auto _ : state) {
    for (const Roll& roll : kRolls)
      benchmark::DoNotOptimize(EnumerateMoves(p.own, p.opponent, roll.high, roll.low, *list));
  }
  state.SetItemsProcessed(state.iterations() * kDistinctRolls);
}
BENCHMARK(BM_EnumerateMoves)->DenseRange(0, 4);

void BM_EvaluateBoards(benchmark::State& state) {
  LoadBenchWeights();
  BoardPosition p;
  BuildBoardPosition(BenchPositions()[1].board, p);
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateBoards(p.own, p.opponent));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateBoards);

void BM_Forward(benchmark::State& state) {
  LoadBenchWeights();
  BoardPosition p;
  BuildBoardPosition(BenchPositions()[1].board, p);
  ActiveInputs active;
  CollectActive(p.own, p.opponent, active);
  NetTrace trace;
  for (auto _ : state) benchmark::DoNotOptimize(Forward(gPackedNet, active, trace));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Forward);

// A full batch of the contact position's neighbours on each path: state.range(0)
// is the path (0 baseline, 1 AVX2, 2 AVX-512), skipped when not available.
void BM_ForwardBatch(benchmark::State& state) {
  const auto path = static_cast<NetPath>(state.range(0));
  if (path > BestNetPath()) {
    state.SkipWithError("path not available on this processor");
    return;
  }
  LoadBenchWeights();
  ForceNetPath(path);
  auto list = std::make_unique<MoveList>();
  BoardPosition p;
  BuildBoardPosition(BenchPositions()[1].board, p);
  EnumerateMoves(p.own, p.opponent, 6, 3, *list);
  ActiveInputs inputs[kBatchSize];
  const ActiveInputs* batch[kBatchSize];
  for (int b = 0; b < kBatchSize; ++b) {
    const MoveEntry& e = (*list)[b % list->count];
    ApplyEntry(p.own, p.opponent, e);
    CollectActive(p.own, p.opponent, inputs[b]);
    UndoEntry(p.own, p.opponent, e);
    batch[b] = &inputs[b];
  }
  float values[kBatchSize];
  for (auto _ : state) {
    ForwardBatch(gPackedNet, batch, kBatchSize, values);
    benchmark::DoNotOptimize(values);
  }
  ForceNetPath(BestNetPath());
  state.SetItemsProcessed(state.iterations() * kBatchSize);
}
BENCHMARK(BM_ForwardBatch)->DenseRange(0, 2);

void BM_CollectActive(benchmark::State& state) {
  BoardPosition p;
  BuildBoardPosition(BenchPositions()[1].board, p);
  ActiveInputs active;
  for (auto _ : state) {
    CollectActive(p.own, p.opponent, active);
    benchmark::DoNotOptimize(active.count);
  }
}
BENCHMARK(BM_CollectActive);

void BM_Sigmoid81(benchmark::State& state) {
  float x = 0.37f;
  for (auto _ : state) {
    float s = 0;
    for (int i = 0; i < 81; ++i) s += Sigmoid(0.5f, x + static_cast<float>(i) * 0.01f);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_Sigmoid81);

}  // namespace

}  // namespace morvik
