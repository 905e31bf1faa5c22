// The one game result against the shared table of boundaries: the kind of
// win over each loser, who has won, and the points for either side. The game
// model, the look-ahead, the duel, the trainer and the soak all decide with it.
#include <gtest/gtest.h>

#include "rules/game_result.h"
#include "tests/support/game_results.h"

namespace morvik {

namespace {

TEST(GameResultTable, KindOfWinOverEveryLoser) {
  for (const ResultRow& row : GameResultRows()) {
    EXPECT_EQ(Points(KindOfWin(LoserBoard(row))), row.points) << row.what;
  }
}

TEST(GameResultTable, WinnerAndPointsForEitherSide) {
  EXPECT_TRUE(AllBorneOff(SideWithLeft(0)));
  EXPECT_FALSE(AllBorneOff(SideWithLeft(1)));
  EXPECT_FALSE(AllBorneOff(SideWithLeft(15)));
  for (const ResultRow& row : GameResultRows()) {
    EXPECT_FALSE(AllBorneOff(LoserBoard(row))) << row.what;
    EXPECT_EQ(ResultOf(SideWithLeft(0), LoserBoard(row)).PointsForOwn(), row.points) << row.what;
    EXPECT_EQ(ResultOf(LoserBoard(row), SideWithLeft(0)).PointsForOwn(), -row.points) << row.what;
  }
  EXPECT_FALSE(ResultOf(SideWithLeft(1), SideWithLeft(1)).Over());
}

}  // namespace

}  // namespace morvik
