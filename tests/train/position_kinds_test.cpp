// The kinds of extra starting positions, the boards a stored position stands
// for, and how the trainer draws its starts.
#include "train/position_kinds.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "headless/dice_stream.h"
#include "tests/support/positions.h"
#include "train/trainer.h"

namespace morvik {

namespace {

// A signed board as the trainer stores it: the computer (negative) has just
// moved.
TrainingPosition Stored(const SignedBoard& board, float target = 0.5f) {
  const BoardPosition p = PositionFor(board, false);
  TrainingPosition stored;
  CountRows(p.own, p.opponent, stored.counts);
  stored.target = target;
  return stored;
}

struct KindRow {
  const char* name;
  SignedBoard board;
  float target;
  unsigned kinds;
};

TEST(KindsOf, TableOfPositions) {
  const KindRow rows[] = {
      {"the start", StartingPosition(), 0.5f, 0},
      {"a race", Board({{3, 5}, {8, 10}, {17, -15}}), 0.5f, kRaceKind},
      {"a race already lost", Board({{3, 5}, {8, 10}, {17, -15}}), 0.2f, kRaceKind | kLostKind},
      {"a game already won", Board({{3, 5}, {8, 10}, {17, -15}}), 0.8f, kRaceKind | kLostKind},
      {"bearing off against a checker back", Board({{1, -1}, {2, 8}, {5, 4}, {20, -14}}), 0.5f,
       kLeftBackKind},
      {"bearing in, crashed, against a checker back", Board({{1, -1}, {2, 8}, {9, 4}, {20, -14}}),
       0.5f, kCrashedKind},
      {"bearing in against a checker back", Board({{1, -1}, {4, 8}, {9, 4}, {20, -14}}), 0.5f, 0},
      {"a crashed board", Board({{1, 5}, {2, 3}, {20, 7}, {10, -15}}), 0.5f, kCrashedKind},
      {"on the bar against a crashed board", Board({{0, -1}, {1, 4}, {2, 4}, {8, 7}, {13, -14}}),
       0.5f, kCrashedKind},
      {"one side off", Board({{3, 5}}), 0.5f, 0},
  };
  for (const KindRow& row : rows) {
    EXPECT_EQ(KindsOf(Stored(row.board, row.target)), row.kinds) << row.name;
  }
}

TEST(ParseKinds, NamesCombineAndAnUnknownNameFails) {
  EXPECT_EQ(ParseKinds("race"), kRaceKind);
  EXPECT_EQ(ParseKinds("lost,race"), kRaceKind | kLostKind);
  EXPECT_EQ(ParseKinds("race,left-back,crashed,lost"), kAllKinds);
  EXPECT_EQ(ParseKinds("race,,crashed"), kRaceKind | kCrashedKind);
  EXPECT_EQ(ParseKinds("race,back"), 0u);
  EXPECT_EQ(ParseKinds(""), 0u);
}

TEST(PositionOf, GivesBackTheBoardsThePositionWasCountedFrom) {
  std::mt19937 rng(5);
  for (const SignedBoard& board : RandomPlayPositions(rng, 300)) {
    const BoardPosition p = PositionFor(board, false);
    RowCounts counts;
    CountRows(p.own, p.opponent, counts);
    const BoardPosition back = PositionOf(counts);
    EXPECT_EQ(back.own, p.own);
    EXPECT_EQ(back.opponent, p.opponent);
  }
}

// About the chosen share of games starts from a position, every position
// can be drawn, and the draw depends only on the seed and the game.
TEST(StartOf, DrawsTheShareOfGamesFromThePositions) {
  TrainOptions o;
  o.startShare = 0.3;
  std::vector<int> drawn(7);
  int from = 0;
  for (int64_t g = 0; g < 10000; ++g) {
    const GameStart s = StartOf(o, g, drawn.size());
    EXPECT_EQ(s.randomPlies, 0);
    if (s.position < 0) continue;
    ++from;
    ASSERT_LT(s.position, 7);
    ++drawn[static_cast<size_t>(s.position)];
    EXPECT_EQ(StartOf(o, g, drawn.size()).position, s.position);
  }
  EXPECT_NEAR(from, 3000, 200);
  for (int n : drawn) EXPECT_GT(n, 300);
  EXPECT_EQ(StartOf(o, 5, 0).position, -1) << "no positions, no starts from one";
}

// The random openings drawn before starting positions existed are drawn the
// same way still, so earlier runs can be repeated.
TEST(StartOf, RandomOpeningsUnchangedByStartingPositions) {
  TrainOptions o;
  o.randomShare = 0.5;
  o.startShare = 0.5;
  for (int64_t g = 0; g < 200; ++g) {
    const GameStart plain = StartOf(o, g), both = StartOf(o, g, 100);
    EXPECT_EQ(plain.randomPlies, both.randomPlies);
    EXPECT_EQ(plain.choiceSeed, both.choiceSeed);
  }
}

}  // namespace

}  // namespace morvik
