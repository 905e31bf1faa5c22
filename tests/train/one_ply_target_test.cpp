// The one-ply training target: the opponent's 21 rolls weighted by their
// chances, each answered by its greedy reply, and the exact final value when
// that reply ends the game.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "headless/self_play.h"
#include "tests/support/positions.h"
#include "train/trainer.h"

namespace morvik {

namespace {

struct OnePlyRow {
  const char* name;
  SignedBoard board;  // the human has just moved; the computer rolls next
  TrainTarget target;
  float expected;
};

// The computer's last checker on its 1-point comes off with every roll.
const OnePlyRow kRows[] = {
    {"plain loss", Board({{6, 14}, {24, -1}}), TrainTarget::kPoints, 1.0f - 4.0f / 6.0f},
    {"gammon", Board({{6, 15}, {24, -1}}), TrainTarget::kPoints, 1.0f - 5.0f / 6.0f},
    {"backgammon", Board({{6, 14}, {20, 1}, {24, -1}}), TrainTarget::kPoints, 0.0f},
    {"any loss, win target", Board({{6, 15}, {24, -1}}), TrainTarget::kWin, 0.0f},
};

TEST(OnePlyValue, ReplyEndingTheGameTakesTheExactFinalValueOnEveryRoll) {
  auto ws = std::make_unique<PlayWorkspace>();
  auto net = std::make_unique<PackedNet>();
  RandomWeights(*net, 3, 0.5);
  for (const OnePlyRow& row : kRows) {
    const BoardPosition p = PositionFor(row.board, true);
    EXPECT_NEAR(OnePlyValue(*net, p.own, p.opponent, *ws, row.target), row.expected, 1e-6)
        << row.name;
  }
}

// With every weight zero the network says one half everywhere, so the mean
// over the rolls is one half only if their chances add up to one.
TEST(OnePlyValue, RollChancesAddUpToOne) {
  auto ws = std::make_unique<PlayWorkspace>();
  auto net = std::make_unique<PackedNet>();
  RandomWeights(*net, 3, 0.0);
  const BoardPosition p = PositionFor(StartingPosition(), true);
  EXPECT_NEAR(OnePlyValue(*net, p.own, p.opponent, *ws, TrainTarget::kPoints), 0.5f, 1e-6);
}

TEST(OnePlyTraining, GamesAreReproducibleAndLearnOtherwiseThanNextMoveSteps) {
  auto ws = std::make_unique<PlayWorkspace>();
  auto start = std::make_unique<PackedNet>();
  RandomWeights(*start, 7, 0.1);
  auto train = [&](TrainTargetDepth depth) {
    auto net = std::make_unique<PackedNet>(*start);
    DiceStream dice(StreamSeed(9, 0));
    TrainGame(*net, dice, 0.1f, *ws, TrainTarget::kPoints, depth);
    return net;
  };
  const auto a = train(TrainTargetDepth::kOnePly);
  const auto b = train(TrainTargetDepth::kOnePly);
  const auto next = train(TrainTargetDepth::kNextMove);
  EXPECT_EQ(0, std::memcmp(a->w2, b->w2, sizeof a->w2));
  EXPECT_NE(0, std::memcmp(a->w2, next->w2, sizeof a->w2));
  EXPECT_NE(0, std::memcmp(a->w2, start->w2, sizeof a->w2));
}

}  // namespace

}  // namespace morvik
