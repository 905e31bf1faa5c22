// The trainer's and the duel's game result against the shared table.
#include "train/game_result.h"

#include <gtest/gtest.h>

#include "tests/support/game_results.h"

namespace {

TEST(GameResultTable, TrainerAndDuelPoints) {
  for (const ResultRow& row : GameResultRows()) {
    EXPECT_EQ(GamePoints(LoserBoard(row)), row.points) << row.what;
  }
}

TEST(GameResultTable, TrainerAndDuelWinner) {
  EXPECT_TRUE(HasWon(SideWithLeft(0)));
  EXPECT_FALSE(HasWon(SideWithLeft(1)));
  EXPECT_FALSE(HasWon(SideWithLeft(15)));
  for (const ResultRow& row : GameResultRows()) EXPECT_FALSE(HasWon(LoserBoard(row))) << row.what;
}

}  // namespace
