// The size of a TD step, not only its direction: each weight moves by
// alpha * (target - value) times the output's derivative with respect to it,
// checked against central differences of the forward pass.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "headless/td_step.h"
#include "rules/primitives.h"
#include "tests/support/positions.h"
#include "train/trainer.h"

namespace morvik {

namespace {

float Value(const PackedNet& net, const ActiveInputs& a) {
  NetTrace t;
  return Forward(net, a, t);
}

// d value / d w by central differences, the weight restored afterwards.
double Numeric(PackedNet& net, const ActiveInputs& a, float& w) {
  const float h = 1e-2f;
  const float kept = w;
  w = kept + h;
  const double up = Value(net, a);
  w = kept - h;
  const double down = Value(net, a);
  w = kept;
  return (up - down) / (2.0 * static_cast<double>(h));
}

TEST(TdStep, EveryWeightMovesByItsGradient) {
  std::mt19937 rng(9);
  const std::vector<SignedBoard> boards = RandomPlayPositions(rng, 40);
  for (const float gain : {0.5f, 0.8f}) {
    for (size_t b = 0; b < boards.size(); b += 13) {
      auto net = std::make_unique<PackedNet>();
      RandomWeights(*net, 5 + b, 0.6);
      net->gain = gain;
      BoardPosition p;
      BuildBoardPosition(boards[b], p);
      ActiveInputs a;
      CollectActive(p.own, p.opponent, a);

      auto before = std::make_unique<PackedNet>(*net);
      const float target = 1.0f;
      const float alpha = 0.5f;
      const float value = TdStep(*net, a, target, alpha);
      ASSERT_EQ(value, Value(*before, a));
      const double scale = static_cast<double>(alpha) * (target - static_cast<double>(value));

      const auto check = [&](float& old, float moved, const char* what, int i, int j) {
        const double expected = scale * Numeric(*before, a, old);
        const double got = static_cast<double>(moved) - static_cast<double>(old);
        EXPECT_NEAR(got, expected, 2e-5 + 0.01 * std::fabs(expected))
            << what << "[" << i << "][" << j << "] gain " << gain;
      };
      for (int j = 0; j < kHidden; j += 3) check(before->w3[j], net->w3[j], "w3", j, 0);
      for (int k = 0; k < kHidden; k += 7) {
        for (int j = 0; j < kHidden; j += 5) check(before->w2[k][j], net->w2[k][j], "w2", k, j);
      }
      for (int i = 0; i < a.count; i += 4) {
        const int input = a.index[i];
        for (int k = 0; k < kHidden; k += 9)
          check(before->w1[input][k], net->w1[input][k], "w1", input, k);
      }
    }
  }
}

}  // namespace

}  // namespace morvik
