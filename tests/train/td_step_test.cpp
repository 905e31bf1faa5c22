#include "headless/td_step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <utility>

#include "headless/self_play.h"
#include "rules/primitives.h"
#include "tests/support/same_weights.h"
#include "train/trainer.h"

namespace morvik {

namespace {
ActiveInputs StartInputs() {
  BoardPosition p;
  BuildBoardPosition(StartingPosition(), p);
  ActiveInputs a;
  CollectActive(p.own, p.opponent, a);
  return a;
}

float Value(const PackedNet& net, const ActiveInputs& a) {
  NetTrace t;
  return Forward(net, a, t);
}

// The winner's value of a finished game: its points mapped from -3..3 onto
// 0..1, so that the loser's, 1 minus it, is the loser's points mapped alike.
TEST(FinalTarget, MapsTheGamesPointsOntoZeroToOne) {
  const std::pair<WinKind, float> rows[] = {{WinKind::kPlain, 4.0f / 6.0f},
                                            {WinKind::kGammon, 5.0f / 6.0f},
                                            {WinKind::kBackgammon, 1.0f}};
  for (const auto& [kind, value] : rows) {
    EXPECT_EQ(FinalTarget(kind, TrainTarget::kPoints), value) << Points(kind);
    EXPECT_FLOAT_EQ(1.0f - FinalTarget(kind, TrainTarget::kPoints), (3.0f - Points(kind)) / 6.0f);
    EXPECT_EQ(FinalTarget(kind, TrainTarget::kWin), 1.0f) << Points(kind);
  }
}

TEST(TdStep, MovesTheValueTowardTheTargetFromEitherSide) {
  static PackedNet net;
  RandomWeights(net, 11, 0.1);
  const ActiveInputs a = StartInputs();
  for (const float target : {1.0f, 0.0f}) {
    static PackedNet copy;
    copy = net;
    const float before = TdStep(copy, a, target, 0.1f);
    EXPECT_EQ(before, Value(net, a));
    const float after = Value(copy, a);
    EXPECT_LT(std::abs(target - after), std::abs(target - before)) << target;
  }
}

TEST(TdStep, OnlyTheActiveInputsFirstLayerWeightsChange) {
  static PackedNet net;
  static PackedNet copy;
  RandomWeights(net, 12, 0.1);
  copy = net;
  const ActiveInputs a = StartInputs();
  TdStep(copy, a, 1.0f, 0.1f);
  int changedRows = 0;
  for (int k = 0; k < kInputs; ++k) {
    if (std::memcmp(copy.w1[k], net.w1[k], sizeof net.w1[k]) != 0) ++changedRows;
  }
  EXPECT_EQ(changedRows, a.count);
  EXPECT_NE(std::memcmp(copy.w2, net.w2, sizeof net.w2), 0);
  EXPECT_NE(std::memcmp(copy.w3, net.w3, sizeof net.w3), 0);
}

TEST(TdStep, ReachedTargetLeavesWeightsAlone) {
  static PackedNet net;
  static PackedNet copy;
  RandomWeights(net, 13, 0.1);
  copy = net;
  const ActiveInputs a = StartInputs();
  TdStep(copy, a, Value(net, a), 0.1f);
  EXPECT_EQ(SameWeights(copy, net), true);
}

// The same seed and thread count give the same weights, bit for bit.
TEST(Trainer, RoundsAreReproducible) {
  TrainOptions o;
  o.threads = 2;
  o.roundGames = 2;
  o.seed = 5;
  static Trainer a(o);
  static Trainer b(o);
  for (int64_t g = 0; g < 12; g += 4) {
    a.PlayRound(g, g + 4, 0.1f);
    b.PlayRound(g, g + 4, 0.1f);
  }
  EXPECT_EQ(SameWeights(a.Weights(), b.Weights()), true);
}

// With one thread the merge is the plain online update of one copy.
TEST(Trainer, OneThreadEqualsSequentialGames) {
  TrainOptions o;
  o.threads = 1;
  o.roundGames = 3;
  o.seed = 9;
  static Trainer trainer(o);
  static PackedNet net;
  net = trainer.Weights();
  trainer.PlayRound(0, 3, 0.05f);
  static PlayWorkspace ws;
  for (uint64_t g = 0; g < 3; ++g) {
    DiceStream dice(StreamSeed(9, g));
    TrainGame(net, dice, 0.05f, ws);
  }
  EXPECT_EQ(SameWeights(trainer.Weights(), net), true);
}
}  // namespace

}  // namespace morvik
