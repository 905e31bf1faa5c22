#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "net/batch_forward.h"
#include "net/network.h"
#include "net/weight_file.h"
#include "tests/net/random_net.h"
#include "tests/net/reference_net.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {

uint32_t Bits(float f) {
  uint32_t b;
  std::memcpy(&b, &f, sizeof b);
  return b;
}

TEST(EvaluateNet, AllZeroWeightsGiveOneHalf) {
  std::mt19937 rng(1);
  SetUpRandomNet(rng, 0.0);
  BoardPosition p;
  BuildBoardPosition(StartingPosition(), p);
  EncodeInput(p.own, p.opponent);
  EvaluateNet();
  EXPECT_EQ(NetOutput(), 0.5f);
}

TEST(EvaluateNet, StartingPositionEncodesBothHalvesAlike) {
  BoardPosition p;
  BuildBoardPosition(StartingPosition(), p);
  EncodeInput(p.own, p.opponent);
  std::vector<int> ones;
  for (int k = 0; k < kInputs; ++k) {
    if (NetActivations[0][k] == 1.0f) ones.push_back(k);
  }
  const std::vector<int> half = {90,  91,  92,  93,  94,  120, 121, 122,
                                 195, 196, 197, 198, 199, 360, 361};
  std::vector<int> expected = half;
  for (int k : half) expected.push_back(k + 390);
  EXPECT_EQ(ones, expected);
}

// On every vector path the processor has, the baseline first.
TEST(EvaluateNet, FastPathMatchesThePlainLoopBitForBit) {
  std::mt19937 rng(99);
  const std::vector<SignedBoard> positions = RandomPlayPositions(rng, 3000);
  for (NetPath path : {NetPath::kSse2, NetPath::kAvx2, NetPath::kAvx512}) {
    if (path > BestNetPath()) continue;
    ForceNetPath(path);
    for (double scale : {0.1, 1.0, 8.0}) {
      SetUpRandomNet(rng, scale);
      for (const SignedBoard& b : positions) {
        BoardPosition p;
        BuildBoardPosition(b, p);
        const float fast = EvaluateBoards(p.own, p.opponent);
        const float hidden = NetActivations[2][17];
        EncodeInput(p.own, p.opponent);
        EvaluateNet();
        ASSERT_EQ(Bits(NetOutput()), Bits(fast));
        ReferenceEvaluateNet();
        ASSERT_EQ(Bits(NetOutput()), Bits(fast)) << NetPathName(path) << " scale " << scale;
        ASSERT_EQ(Bits(NetActivations[2][17]), Bits(hidden));
      }
    }
  }
  ForceNetPath(BestNetPath());
}

TEST(EvaluateNet, ValueIsTheSameWhicheverIdenticalSideComesFirst) {
  std::mt19937 rng(5);
  SetUpRandomNet(rng, 1.0);
  BoardPosition p;
  BuildBoardPosition(StartingPosition(), p);
  EXPECT_EQ(EvaluateBoards(p.own, p.opponent), EvaluateBoards(p.opponent, p.own));
}

}  // namespace

}  // namespace morvik
