// TD(lambda): the returns each position aims at, and a whole game learning
// from them once it has ended.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "headless/dice_stream.h"
#include "headless/game_loop.h"
#include "headless/self_play.h"
#include "headless/td_step.h"
#include "tests/support/same_weights.h"
#include "train/trainer.h"

namespace morvik {

namespace {

// The value of the position n moves after t, for t's mover: every move hands
// the turn over, so odd distances count for the other side.
double NStep(const std::vector<float>& values, float final, int t, int n) {
  const int last = static_cast<int>(values.size()) - 1;
  const double v = t + n == last ? final : values[static_cast<size_t>(t + n)];
  return n % 2 ? 1.0 - v : v;
}

// The lambda-return by its definition: n-step returns weighted (1 - lambda)
// lambda^(n-1), the rest of the weight on the final result.
double ByDefinition(const std::vector<float>& values, float final, float lambda, int t) {
  const int left = static_cast<int>(values.size()) - 1 - t;
  if (left == 0) return final;
  double sum = 0.0;
  for (int n = 1; n < left; ++n)
    sum += (1 - lambda) * std::pow(lambda, n - 1) * NStep(values, final, t, n);
  return sum + std::pow(lambda, left - 1) * NStep(values, final, t, left);
}

TEST(LambdaReturns, MatchTheDefinitionFromNextValueToFinalResult) {
  const std::vector<float> values = {0.5f, 0.62f, 0.41f, 0.7f, 0.2f, 0.9f, 0.35f};
  const float final = 5.0f / 6.0f;  // the last mover won a gammon
  for (float lambda : {0.0f, 0.3f, 0.7f, 1.0f}) {
    std::vector<float> returns(values.size());
    LambdaReturns(values.data(), static_cast<int>(values.size()), final, lambda, returns.data());
    for (int t = 0; t < static_cast<int>(values.size()); ++t) {
      EXPECT_NEAR(returns[static_cast<size_t>(t)], ByDefinition(values, final, lambda, t), 1e-6)
          << "lambda " << lambda << " position " << t;
    }
    if (lambda == 0.0f) {
      EXPECT_FLOAT_EQ(returns[2], 1.0f - values[3]);
    }
    if (lambda == 1.0f) {
      EXPECT_FLOAT_EQ(returns[5], 1.0f - final);
    }
  }
}

// Greedy in both seats, recording what the network saw.
class Recorder : public GamePlayer {
 public:
  Recorder(const PackedNet& net, PlayWorkspace& ws) : net_(net), ws_(ws) {}
  void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) override {
    ActiveInputs chosen;
    values.push_back(PlayGreedy(net_, own, opponent, d1, d2, ws_, chosen));
    positions.push_back(chosen);
  }
  std::vector<float> values;
  std::vector<ActiveInputs> positions;

 private:
  const PackedNet& net_;
  PlayWorkspace& ws_;
};

// The game is played with the weights it started with, and then every
// position, in order, takes one step toward its return.
TEST(TrainGameLambda, StepsEveryPositionTowardItsReturnAfterTheGame) {
  auto ws = std::make_unique<PlayWorkspace>();
  auto start = std::make_unique<PackedNet>();
  RandomWeights(*start, 13, 0.2);
  auto trained = std::make_unique<PackedNet>(*start);
  DiceStream dice(StreamSeed(6, 1));
  const int turns = TrainGameLambda(*trained, dice, 0.05f, 0.6f, *ws, TrainTarget::kPoints);

  Recorder recorder(*start, *ws);
  float final = 0.0f;
  DiceStream same(StreamSeed(6, 1));
  const GameOutcome outcome =
      PlayGame(recorder, recorder, same, true, kGameTurnLimit, [&](const MoveReport& m) {
        if (m.result.Over()) final = FinalTarget(m.result.kind, TrainTarget::kPoints);
        return true;
      });
  ASSERT_EQ(outcome.turns, turns);
  ASSERT_EQ(static_cast<int>(recorder.values.size()), turns);
  std::vector<float> returns(recorder.values.size());
  LambdaReturns(recorder.values.data(), turns, final, 0.6f, returns.data());
  auto expected = std::make_unique<PackedNet>(*start);
  for (int t = 0; t < turns; ++t)
    TdStep(*expected, recorder.positions[static_cast<size_t>(t)], returns[static_cast<size_t>(t)],
           0.05f);
  EXPECT_TRUE(SameWeights(*trained, *expected));
}

}  // namespace

}  // namespace morvik
