// Fitting fixed targets: the error falls on positions never stepped on, the
// learning rate falls as promised, and the same seed gives the same weights.
#include "train/fitter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "headless/dice_stream.h"
#include "tests/support/temp_path.h"
#include "train/position_kinds.h"
#include "train/trainer.h"

namespace morvik {

namespace {

// Positions of a few games of `player`, their targets what `teacher` says.
std::vector<TrainingPosition> Taught(const PackedNet& player, const PackedNet& teacher, int games) {
  auto ws = std::make_unique<PlayWorkspace>();
  std::vector<TrainingPosition> out;
  for (int g = 0; g < games; ++g) {
    DiceStream dice(StreamSeed(3, static_cast<uint64_t>(g)));
    ObserveGame(player, dice, *ws, 0, 0, [&](const SideBoard& own, const SideBoard& opponent) {
      TrainingPosition p;
      CountRows(own, opponent, p.counts);
      ActiveInputs active;
      NetTrace trace;
      CollectActive(own, opponent, active);
      p.target = Forward(teacher, active, trace);
      out.push_back(p);
    });
  }
  return out;
}

std::unique_ptr<PackedNet> SomeNet(uint64_t seed, double range) {
  auto net = std::make_unique<PackedNet>();
  RandomWeights(*net, seed, range);
  return net;
}

TEST(Fitter, HeldOutErrorFallsAsTheStudentLearnsTheTeacher) {
  const auto teacher = SomeNet(1, 0.3);
  auto student = SomeNet(2, 0.1);
  FitOptions options;
  options.epochs = 4;
  options.alpha = 0.1f;
  options.lateAlpha = 0.02f;
  Fitter fitter(options, Taught(*student, *teacher, 20));
  ASSERT_GT(fitter.HeldOutCount(), 20u);
  const double before = fitter.HeldOutError(*student);
  for (int e = 0; e < fitter.Epochs(); ++e) fitter.Pass(*student, e);
  EXPECT_LT(fitter.HeldOutError(*student), 0.5 * before);
}

TEST(Fitter, LearningRateFallsLinearlyFromFirstToLastPass) {
  FitOptions options;
  options.epochs = 5;
  options.alpha = 0.05f;
  options.lateAlpha = 0.01f;
  const Fitter fitter(options, {});
  const float expected[] = {0.05f, 0.04f, 0.03f, 0.02f, 0.01f};
  for (int e = 0; e < 5; ++e) EXPECT_NEAR(fitter.AlphaOf(e), expected[e], 1e-7f) << e;
  options.epochs = 1;
  EXPECT_EQ(Fitter(options, {}).AlphaOf(0), 0.05f);
}

TEST(Fitter, SameSeedSameWeightsOtherSeedOtherWeights) {
  const auto teacher = SomeNet(4, 0.3);
  const auto start = SomeNet(5, 0.1);
  const auto positions = Taught(*start, *teacher, 3);
  auto fit = [&](uint64_t seed) {
    FitOptions options;
    options.seed = seed;
    options.epochs = 2;
    Fitter fitter(options, positions);
    auto net = std::make_unique<PackedNet>(*start);
    for (int e = 0; e < 2; ++e) fitter.Pass(*net, e);
    return net;
  };
  const auto a = fit(1), b = fit(1), c = fit(2);
  EXPECT_EQ(0, std::memcmp(a->w1, b->w1, sizeof a->w1));
  EXPECT_NE(0, std::memcmp(a->w1, c->w1, sizeof a->w1));
}

// The trainer's two steps end to end: positions collected from a few games,
// then fitted, each writing its file; a damaged positions file stops the fit.
TEST(CollectAndFit, TrainerWritesPositionsThenFittedWeights) {
  const std::string weights = UniqueTempPath("start.pc");
  const std::string positions = UniqueTempPath("collected.pos");
  const std::string fitted = UniqueTempPath("fitted.pc");
  ASSERT_TRUE(SaveWeightFile(*SomeNet(7, 0.2), weights));
  TrainOptions collect;
  collect.resume = weights;
  collect.collectTo = positions;
  collect.games = 4;
  collect.benchEvery = 0;
  ASSERT_TRUE(Trainer(collect).Run());
  std::vector<TrainingPosition> read;
  std::string error;
  ASSERT_TRUE(LoadPositions(positions, read, error)) << error;
  EXPECT_GT(read.size(), 40u);

  // Rollouts of 36 trials cut short after one move score the same positions
  // as the one-ply value does.
  const std::string rolled = UniqueTempPath("rolled.pos");
  TrainOptions rollouts = collect;
  rollouts.collectTo = rolled;
  rollouts.rolloutTrials = 36;
  rollouts.rolloutPlies = 1;
  ASSERT_TRUE(Trainer(rollouts).Run());
  std::vector<TrainingPosition> again;
  ASSERT_TRUE(LoadPositions(rolled, again, error)) << error;
  ASSERT_EQ(again.size(), read.size());
  for (size_t i = 0; i < read.size(); ++i) {
    EXPECT_EQ(again[i].counts, read[i].counts);
    EXPECT_NEAR(again[i].target, read[i].target, 1e-6);
  }

  TrainOptions fit;
  fit.resume = weights;
  fit.fitFrom = {positions};
  fit.epochs = 2;
  fit.alpha = 0.01f;
  fit.benchEvery = 0;
  fit.output = fitted;
  ASSERT_TRUE(Trainer(fit).Run());
  auto before = std::make_unique<PackedNet>(), after = std::make_unique<PackedNet>();
  ASSERT_TRUE(LoadWeightFile(weights, *before));
  ASSERT_TRUE(LoadWeightFile(fitted, *after));
  EXPECT_NE(0, std::memcmp(before->w1, after->w1, sizeof before->w1));

  fit.fitFrom = {positions, weights};  // a weight file is no positions file
  EXPECT_FALSE(Trainer(fit).Run());

  // Games that all start from races collect nothing but races.
  const std::string races = UniqueTempPath("races.pos");
  collect.collectTo = races;
  collect.startFrom = positions;
  collect.startShare = 1.0;
  collect.startKinds = kRaceKind;
  ASSERT_TRUE(Trainer(collect).Run());
  read.clear();
  ASSERT_TRUE(LoadPositions(races, read, error)) << error;
  EXPECT_GT(read.size(), 4u);
  for (const TrainingPosition& p : read) EXPECT_TRUE(KindsOf(p) & kRaceKind);
  for (const auto& p : {weights, positions, fitted, races, rolled}) std::remove(p.c_str());
}

}  // namespace

}  // namespace morvik
