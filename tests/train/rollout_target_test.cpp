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

namespace morvik {

namespace {

// The analysis rollouts: variance reduced, the same on any thread count.
struct RollerTest : RolloutTest {
  RolloutEstimate Roll(const SignedBoard& board, RolloutPlan plan, int threads = 1) {
    BoardPosition p;  // own: the computer, which has just moved; the human rolls
    BuildBoardPosition(board, p);
    Roller roller(*net, threads, plan.lookahead);
    return roller.Roll(p, plan);
  }
};

// Exact answers come out exactly, with and without the luck taken off: the
// last checker comes off with any roll (a gammon, the other side has none
// off), and a checker on the six point comes off with 27 of the 36 rolls
// against a checker on the other side's ace point.
TEST_F(RollerTest, KnownValuesComeOutExactly) {
  const SignedBoard gammon = Board({{1, 1}, {19, -15}});
  const SignedBoard race = Board({{6, 1}, {24, -1}});
  for (const bool luck : {false, true}) {
    const RolloutPlan plan{72, 0, luck ? 2 : 1, luck, false, 9};
    const RolloutEstimate g = Roll(gammon, plan);
    EXPECT_NEAR(-PointsOf(g.value), 2.0, 1e-6);
    EXPECT_EQ(g.standardError, 0.0);
    EXPECT_EQ(g.lost[1], 1.0);
    const RolloutEstimate r = Roll(race, plan);
    EXPECT_NEAR(-PointsOf(r.value), 0.5, 1e-6);
    EXPECT_NEAR(r.standardError, 0.0, 1e-7);  // nothing varies within a first roll's trials
    EXPECT_EQ(r.lost[0], 0.75);
    EXPECT_EQ(r.won[0], 0.25);
  }
}

// Cut after one move, a luck-adjusted trial scores the mean over the 21
// rolls whatever it throws: every trial gives the one-ply value.
TEST_F(RollerTest, LuckTakenOffOneMoveLeavesTheOnePlyValue) {
  std::mt19937 rng(5);
  for (const SignedBoard& board : RandomPlayPositions(rng, 4)) {
    BoardPosition p;
    BuildBoardPosition(board, p);
    if (AllBorneOff(p.own) || AllBorneOff(p.opponent)) continue;
    const RolloutEstimate e = Roll(board, {36, 1, 1, true, false, 3});
    EXPECT_NEAR(e.value, OnePlyValue(*net, p.own, p.opponent, *ws, TrainTarget::kPoints), 1e-6);
    EXPECT_NEAR(e.standardError, 0.0, 1e-6);
  }
}

// Trial k's dice are its own: one thread or three give the same figures, and
// the look-ahead player plays other games from the same dice.
TEST_F(RollerTest, EveryThreadCountGivesTheSameResult) {
  const RolloutPlan plan{108, 6, 2, true, false, 4};
  const RolloutEstimate one = Roll(StartingPosition(), plan, 1);
  const RolloutEstimate three = Roll(StartingPosition(), plan, 3);
  EXPECT_EQ(one.value, three.value);
  EXPECT_EQ(one.standardError, three.standardError);
  EXPECT_GT(one.standardError, 0.0);
  RolloutPlan ahead{36, 2, 2, true, true, 4};
  EXPECT_EQ(Roll(StartingPosition(), ahead, 1).value, Roll(StartingPosition(), ahead, 2).value);
}

// Games cut after two moves throw only the stratified rolls: 1,296 trials
// throw every pair once whatever the seed, and 72 a sample drawn from it.
TEST_F(RollerTest, TheFirstTwoRollsAreAStratifiedSample) {
  const RolloutPlan every{1296, 2, 2, false, false, 1};
  RolloutPlan other = every;
  other.seed = 2;
  EXPECT_EQ(Roll(StartingPosition(), every).value, Roll(StartingPosition(), other).value);
  other.trials = 72;
  RolloutPlan some = other;
  some.seed = 3;
  EXPECT_NE(Roll(StartingPosition(), other).value, Roll(StartingPosition(), some).value);
}

// Strata that differ only from each other add nothing to the error.
TEST(StratifiedError, CountsOnlyTheSpreadWithinStrata) {
  std::vector<double> results(72);
  for (size_t k = 0; k < results.size(); ++k) results[k] = static_cast<double>(k % 36);
  EXPECT_EQ(StratifiedStandardError(results), 0.0);
  results[0] += 1.0;  // one stratum of two results 0 and 1: variance 0.5
  EXPECT_NEAR(StratifiedStandardError(results), std::sqrt(0.5 / 2.0) / 36.0, 1e-12);
  EXPECT_NEAR(StratifiedStandardError({0.0, 2.0}), 1.0, 1e-12);  // too few: the plain spread
}

}  // namespace

}  // namespace morvik
