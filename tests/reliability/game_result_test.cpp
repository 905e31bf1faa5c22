// The soak's game result against the shared table.
#include <gtest/gtest.h>

#include "tests/reliability/soak_game.h"
#include "tests/support/game_results.h"

namespace {

TEST(GameResultTable, SoakKind) {
  for (const ResultRow& row : GameResultRows()) {
    EXPECT_EQ(SoakWinKind(LoserBoard(row)) + 1, row.points) << row.what;
  }
}

}  // namespace
