#include "rules/game_result.h"

#include <gtest/gtest.h>

#include "tests/support/positions.h"

namespace morvik {

namespace {

struct ResultCase {
  const char* name;
  SignedBoard board;
  int humanPoints;  // + the human has won, - the computer has, 0 the game goes on
};

// Human's home board: points 1..6; the computer's: 19..24.
const ResultCase kCases[] = {
    {"start", StartingPosition(), 0},
    {"both still playing", Board({{1, 1}, {24, -1}}), 0},
    {"human wins plain", Board({{20, -14}}), 1},
    {"human wins gammon", Board({{12, -15}}), 2},
    {"human wins backgammon, checker in his home", Board({{12, -14}, {3, -1}}), 3},
    {"human wins backgammon, checker on the bar", Board({{12, -14}, {0, -1}}), 3},
    {"computer wins plain", Board({{5, 14}}), -1},
    {"computer wins gammon", Board({{10, 15}}), -2},
    {"computer wins backgammon, checker in its home", Board({{10, 14}, {20, 1}}), -3},
    {"computer wins backgammon, checker on the bar", Board({{10, 14}, {25, 1}}), -3},
};

TEST(GameResult, EveryKindForEitherSide) {
  for (const ResultCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const BoardPosition human = PositionFor(c.board, true);
    const GameResult forHuman = ResultOf(human.own, human.opponent);
    const GameResult forComputer = ResultOf(human.opponent, human.own);
    EXPECT_EQ(forHuman.PointsForOwn(), c.humanPoints);
    EXPECT_EQ(forComputer.PointsForOwn(), -c.humanPoints);
    EXPECT_EQ(forHuman.Over(), c.humanPoints != 0);
    EXPECT_EQ(forHuman.kind, forComputer.kind);
    EXPECT_EQ(Points(forHuman.kind), c.humanPoints < 0 ? -c.humanPoints : c.humanPoints);
    EXPECT_EQ(AllBorneOff(human.own), c.humanPoints > 0);
    EXPECT_EQ(AllBorneOff(human.opponent), c.humanPoints < 0);
  }
}

}  // namespace

}  // namespace morvik
