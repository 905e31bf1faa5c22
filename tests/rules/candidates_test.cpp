#include "rules/candidates.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/positions.h"

namespace morvik {

namespace {

std::vector<CheckerMove> Candidates(const SignedBoard& b, int d) {
  const BoardPosition p = PositionFor(b, true);
  CandidateList list;
  SingleDieCandidates(p.own, p.opponent, d, list);
  return {list.moves.begin(), list.moves.begin() + list.count};
}

using Moves = std::vector<CheckerMove>;

TEST(SingleDieCandidates, BearingOffFromTheHighestPoint) {
  const SignedBoard home = Board({{5, 1}, {3, 1}, {24, -15}});
  EXPECT_EQ(Candidates(home, 6), (Moves{{5, 0, kNoHit}}));
  EXPECT_EQ(Candidates(home, 4), (Moves{{5, 1, kNoHit}}));
  EXPECT_EQ(Candidates(home, 3), (Moves{{3, 0, kNoHit}, {5, 2, kNoHit}}));
}

TEST(SingleDieCandidates, NoBearingOffWhileACheckerIsOutside) {
  const SignedBoard b = Board({{7, 1}, {6, 2}, {2, 1}, {24, -15}});
  EXPECT_EQ(Candidates(b, 6), (Moves{{7, 1, kNoHit}}));
}

TEST(SingleDieCandidates, BarFirstAndOnlyOneEnteringMove) {
  const SignedBoard two = Board({{25, 2}, {6, 5}, {20, -1}, {1, -14}});
  EXPECT_EQ(Candidates(two, 5), (Moves{{25, 20, kHit}}));
  EXPECT_EQ(Candidates(two, 3), (Moves{{25, 22, kNoHit}}));
  const SignedBoard blocked = Board({{25, 1}, {6, 5}, {22, -2}, {1, -13}});
  EXPECT_TRUE(Candidates(blocked, 3).empty());  // even though 6/3 would be open
}

TEST(SingleDieCandidates, BlockedPointsAreSkippedAndBlotsAreHit) {
  const SignedBoard b = Board({{13, 2}, {8, 1}, {7, -2}, {2, -1}, {1, -12}});
  EXPECT_EQ(Candidates(b, 6), (Moves{{8, 2, kHit}}));
  EXPECT_EQ(Candidates(b, 1), (Moves{{13, 12, kNoHit}}));
}

}  // namespace

}  // namespace morvik
