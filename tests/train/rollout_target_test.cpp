// Rollout targets: games played on from a position by the network against
// itself, every first roll thrown alike in each group of 36.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "headless/rollout.h"
#include "tests/support/positions.h"
#include "train/trainer.h"

namespace morvik {

namespace {

struct RolloutTest : ::testing::Test {
  void SetUp() override { RandomWeights(*net, 3, 0.3); }
  float Rollout(const BoardPosition& p, RolloutSettings settings, uint64_t seed,
                TrainTarget target = TrainTarget::kPoints) {
    DiceStream dice(seed);
    return RolloutValue(*net, p.own, p.opponent, *ws, target, settings, dice);
  }
  std::unique_ptr<PlayWorkspace> ws = std::make_unique<PlayWorkspace>();
  std::unique_ptr<PackedNet> net = std::make_unique<PackedNet>();
};

// Cut short after one move, 36 trials throw each of the opponent's rolls once:
// the one-ply value, which weighs the 21 distinct rolls by their chances.
TEST_F(RolloutTest, ThirtySixOneMoveTrialsAreTheOnePlyValue) {
  std::mt19937 rng(11);
  for (const SignedBoard& board : RandomPlayPositions(rng, 12)) {
    const BoardPosition p = PositionFor(board, true);
    EXPECT_NEAR(Rollout(p, {36, 1}, 1),
                OnePlyValue(*net, p.own, p.opponent, *ws, TrainTarget::kPoints), 1e-6);
  }
}

// The computer's last checker comes off with every roll: every trial ends at
// once with the exact loss, a gammon when the human has none off.
TEST_F(RolloutTest, GamesThatEndScoreTheirExactResult) {
  const BoardPosition plain = PositionFor(Board({{6, 14}, {24, -1}}), true);
  const BoardPosition gammon = PositionFor(Board({{6, 15}, {24, -1}}), true);
  EXPECT_NEAR(Rollout(plain, {72, 0}, 5), 1.0f - 4.0f / 6.0f, 1e-6);
  EXPECT_NEAR(Rollout(gammon, {7, 3}, 5), 1.0f - 5.0f / 6.0f, 1e-6);
  EXPECT_NEAR(Rollout(gammon, {36, 0}, 5, TrainTarget::kWin), 0.0f, 1e-6);
}

// Whole games from the start: the same dice give the same value, other dice
// another, and a value is a mean of results between 0 and 1.
TEST_F(RolloutTest, WholeGamesAreReproducibleMeansOfResults) {
  const BoardPosition start = PositionFor(StartingPosition(), true);
  const float a = Rollout(start, {36, 0}, 7);
  EXPECT_EQ(a, Rollout(start, {36, 0}, 7));
  EXPECT_NE(a, Rollout(start, {36, 0}, 8));
  EXPECT_GE(a, 0.0f);
  EXPECT_LE(a, 1.0f);
  const float win = Rollout(start, {36, 0}, 7, TrainTarget::kWin);
  // 36 whole games scored as wins: a multiple of 1/36.
  EXPECT_NEAR(win * 36.0f, std::round(win * 36.0f), 1e-4);
}

}  // namespace

}  // namespace morvik
