// The one-ply training target: the opponent's 21 rolls weighted by their
// chances, each answered by its greedy reply, and the exact final value when
// that reply ends the game.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "headless/game_loop.h"
#include "headless/self_play.h"
#include "headless/td_step.h"
#include "rules/enumerate.h"
#include "rules/primitives.h"
#include "tests/support/positions.h"
#include "tests/support/same_weights.h"
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

namespace morvik {

namespace {

// Plays uniformly random entries drawn as the trainer draws them.
class RandomMover : public GamePlayer {
 public:
  explicit RandomMover(uint64_t seed) : chooser_(seed) {}
  void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) override {
    EnumerateMoves(own, opponent, d1, d2, list_);
    if (list_.count > 0) {
      ApplyEntry(own, opponent, list_[static_cast<int>(chooser_.Next() % list_.count)]);
    }
  }

 private:
  DiceStream chooser_;
  MoveList list_;
};

// While the moves are random, no step may aim at their values: a game played
// at random to its end teaches only its final position.
TEST(RandomStarts, RandomMovesAreNeverTargets) {
  auto ws = std::make_unique<PlayWorkspace>();
  auto start = std::make_unique<PackedNet>();
  RandomWeights(*start, 11, 0.1);
  auto trained = std::make_unique<PackedNet>(*start);
  DiceStream dice(StreamSeed(4, 2));
  TrainGame(*trained, dice, 0.1f, *ws, TrainTarget::kPoints, TrainTargetDepth::kNextMove, 100000,
            77);
  auto lambda = std::make_unique<PackedNet>(*start);  // learning at the end of the game
  DiceStream lambdaDice(StreamSeed(4, 2));
  TrainGameLambda(*lambda, lambdaDice, 0.1f, 0.7f, *ws, TrainTarget::kPoints, 100000, 77);

  auto expected = std::make_unique<PackedNet>(*start);
  RandomMover mover(77);  // one chooser serves both seats
  ActiveInputs last;
  const auto keep = [&](const MoveReport& move) {
    CollectActive(move.own, move.opponent, last);
    if (move.result.Over())
      TdStep(*expected, last, FinalTarget(move.result.kind, TrainTarget::kPoints), 0.1f);
    return true;
  };
  DiceStream sameDice(StreamSeed(4, 2));
  ASSERT_GT(PlayGame(mover, mover, sameDice, true, kGameTurnLimit, keep).winner, -1);
  EXPECT_TRUE(SameWeights(*trained, *expected));
  EXPECT_TRUE(SameWeights(*lambda, *expected));
}

TEST(RandomStarts, TheChoiceSeedDecidesTheOpening) {
  auto ws = std::make_unique<PlayWorkspace>();
  auto start = std::make_unique<PackedNet>();
  RandomWeights(*start, 12, 0.1);
  auto train = [&](int plies, uint64_t seed) {
    auto net = std::make_unique<PackedNet>(*start);
    DiceStream dice(StreamSeed(5, 3));
    TrainGame(*net, dice, 0.1f, *ws, TrainTarget::kPoints, TrainTargetDepth::kNextMove, plies,
              seed);
    return net;
  };
  const auto none = train(0, 1), plain = train(0, 2);
  const auto a = train(6, 1), again = train(6, 1), other = train(6, 2);
  EXPECT_EQ(0, std::memcmp(none->w2, plain->w2, sizeof none->w2));
  EXPECT_EQ(0, std::memcmp(a->w2, again->w2, sizeof a->w2));
  EXPECT_NE(0, std::memcmp(a->w2, other->w2, sizeof a->w2));
  EXPECT_NE(0, std::memcmp(a->w2, none->w2, sizeof a->w2));
}

}  // namespace

}  // namespace morvik
