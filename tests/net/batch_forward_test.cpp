#include "net/batch_forward.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "net/network.h"
#include "net/weight_file.h"
#include "rules/enumerate.h"
#include "rules/move_list.h"
#include "tests/net/random_net.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {

uint32_t Bits(float f) {
  uint32_t b;
  std::memcpy(&b, &f, sizeof b);
  return b;
}

// Every path this processor has, the baseline first.
std::vector<NetPath> PathsHere() {
  std::vector<NetPath> paths;
  for (NetPath p : {NetPath::kSse2, NetPath::kAvx2, NetPath::kAvx512}) {
    if (p <= BestNetPath()) paths.push_back(p);
  }
  return paths;
}

class PathGuard {
 public:
  explicit PathGuard(NetPath path) { ForceNetPath(path); }
  ~PathGuard() { ForceNetPath(BestNetPath()); }
};

std::vector<ActiveInputs> Inputs(const std::vector<SignedBoard>& boards) {
  std::vector<ActiveInputs> inputs(boards.size());
  for (size_t i = 0; i < boards.size(); ++i) {
    BoardPosition p;
    BuildBoardPosition(boards[i], p);
    CollectActive(p.own, p.opponent, inputs[i]);
  }
  return inputs;
}

// Every batch size from 1 to full, over positions from random games, weights
// from small to saturating: each lane equals the single evaluation.
void ExpectBatchesMatchSingle(std::mt19937& rng, const std::vector<ActiveInputs>& inputs) {
  for (double scale : {0.05, 1.0, 12.0}) {
    SetUpRandomNet(rng, scale);
    std::vector<float> single(inputs.size());
    NetTrace trace;
    for (size_t i = 0; i < inputs.size(); ++i) single[i] = Forward(gPackedNet, inputs[i], trace);
    for (NetPath path : PathsHere()) {
      PathGuard guard(path);
      ASSERT_EQ(ActiveNetPath(), path);
      size_t i = 0;
      for (int n = 1; i + static_cast<size_t>(n) <= inputs.size(); n = n % kBatchSize + 1) {
        const ActiveInputs* batch[kBatchSize];
        for (int b = 0; b < n; ++b) batch[b] = &inputs[i + static_cast<size_t>(b)];
        float values[kBatchSize];
        ForwardBatch(gPackedNet, batch, n, values);
        for (int b = 0; b < n; ++b) {
          ASSERT_EQ(Bits(values[b]), Bits(single[i + static_cast<size_t>(b)]))
              << NetPathName(path) << " batch of " << n << " lane " << b << " scale " << scale;
        }
        i += static_cast<size_t>(n);
      }
    }
  }
}

TEST(ForwardBatch, EveryPathAndBatchSizeMatchesTheSingleEvaluation) {
  std::mt19937 rng(41);
  ExpectBatchesMatchSingle(rng, Inputs(RandomPlayPositions(rng, 2500)));
}

// Hand-made inputs away from real positions: none, all 780, and single rows,
// so sums reach both ends of the exponential's range.
TEST(ForwardBatch, UnusualInputsMatchTheSingleEvaluation) {
  std::mt19937 rng(42);
  std::vector<ActiveInputs> inputs(3 * kBatchSize);
  for (size_t i = 0; i < inputs.size(); ++i) {
    ActiveInputs& a = inputs[i];
    const int step = static_cast<int>(i % 7) + 1;
    for (int k = static_cast<int>(i) % 3; k < kInputs && i % 5 != 0; k += step)
      a.index[a.count++] = k;
  }
  ExpectBatchesMatchSingle(rng, inputs);
}

TEST(ForwardBatch, NonFiniteSumsGiveTheSingleEvaluationsValues) {
  SetUpProgramNet(nullptr);
  std::vector<float> values(kWeightCount, 0.0f);
  values[0] = INFINITY;   // unit 0 from input 0
  values[1] = -INFINITY;  // unit 0 from input 1: both give NaN
  values[780] = 3e38f;    // unit 1 from input 0
  StoreWeights(values.data());
  std::vector<ActiveInputs> inputs(4);
  inputs[0].index[inputs[0].count++] = 0;
  inputs[1].index[inputs[1].count++] = 1;
  inputs[2].index[inputs[2].count++] = 0;
  inputs[2].index[inputs[2].count++] = 1;
  const ActiveInputs* batch[4] = {&inputs[0], &inputs[1], &inputs[2], &inputs[3]};
  NetTrace trace;
  for (NetPath path : PathsHere()) {
    PathGuard guard(path);
    float out[4];
    ForwardBatch(gPackedNet, batch, 4, out);
    for (int b = 0; b < 4; ++b) {
      EXPECT_EQ(Bits(out[b]), Bits(Forward(gPackedNet, inputs[static_cast<size_t>(b)], trace)))
          << NetPathName(path) << " lane " << b;
    }
  }
}

// The inputs of a candidate's position taken from row counts, without playing
// it, are those of the position the move really leads to.
TEST(ForwardBatch, InputsFromCountsEqualThoseOfThePlayedMove) {
  std::mt19937 rng(43);
  auto list = std::make_unique<MoveList>();
  for (const SignedBoard& board : RandomPlayPositions(rng, 150)) {
    BoardPosition p;
    BuildBoardPosition(board, p);
    RowCounts rows;
    CountRows(p.own, p.opponent, rows);
    for (int d1 = 1; d1 <= 6; ++d1) {
      for (int d2 = 1; d2 <= d1; ++d2) {
        EnumerateMoves(p.own, p.opponent, d1, d2, *list);
        for (int e = 0; e < list->count; ++e) {
          RowCounts after;
          CountsAfter(rows, (*list)[e], after);
          ActiveInputs fromCounts, played;
          CollectActive(after, fromCounts);
          ApplyEntry(p.own, p.opponent, (*list)[e]);
          CollectActive(p.own, p.opponent, played);
          UndoEntry(p.own, p.opponent, (*list)[e]);
          ASSERT_EQ(fromCounts.count, played.count);
          for (int a = 0; a < played.count; ++a) ASSERT_EQ(fromCounts.index[a], played.index[a]);
        }
      }
    }
  }
}

TEST(ForwardBatch, ForcingALowerPathTakesItAndAHigherOneIsRefused) {
  {
    PathGuard guard(NetPath::kSse2);
    EXPECT_EQ(ActiveNetPath(), NetPath::kSse2);
  }
  EXPECT_EQ(ActiveNetPath(), BestNetPath());
  ForceNetPath(NetPath::kAvx512);
  EXPECT_EQ(ActiveNetPath(), BestNetPath());
}

}  // namespace

}  // namespace morvik
