#include "rules/primitives.h"

#include <gtest/gtest.h>

#include <random>

#include "rules/enumerate.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {

int Total(const SideBoard& side) {
  int n = 0;
  for (int r = 0; r < kRows; ++r) n += CountCheckers(side, r);
  return n;
}

TEST(BoardForms, StartingPositionGivesTwoIdenticalSides) {
  BoardPosition p;
  BuildBoardPosition(StartingPosition(), p);
  EXPECT_EQ(p.own, p.opponent);
  EXPECT_EQ(CountCheckers(p.own, 24), 2);
  EXPECT_EQ(CountCheckers(p.own, 13), 5);
  EXPECT_EQ(CountCheckers(p.own, 8), 3);
  EXPECT_EQ(CountCheckers(p.own, 6), 5);
  EXPECT_EQ(CountCheckers(p.own, 0), 0);
  EXPECT_EQ(CountCheckers(p.own, 25), 0);
}

TEST(BoardForms, BarsAndBorneOffConvert) {
  // Human: one on the bar, 13 on his 1-point, one borne off.
  // Computer: one on its bar, 4 on the human's 24 (its own 1), ten borne off.
  const SignedBoard b = Board({{25, 1}, {1, 13}, {0, -1}, {24, -4}});
  BoardPosition p;
  BuildBoardPosition(b, p);
  EXPECT_EQ(p.opponent.Slot(25, 1), 1);
  EXPECT_EQ(CountCheckers(p.opponent, 0), 1);
  EXPECT_EQ(CountCheckers(p.own, 25), 1);
  EXPECT_EQ(CountCheckers(p.own, 1), 4);
  EXPECT_EQ(CountCheckers(p.own, 0), 10);
  SignedBoard back;
  ReadBoardPosition(p, back);
  EXPECT_EQ(back, b);
}

TEST(BoardForms, ComputerWithAllBorneOffHasFullRowZero) {
  BoardPosition p;
  BuildBoardPosition(Board({{3, 15}}), p);
  EXPECT_EQ(CountCheckers(p.own, 0), 15);
  SignedBoard back;
  ReadBoardPosition(p, back);
  for (int i = 0; i <= 25; ++i) EXPECT_GE(back[i], 0);
}

TEST(BoardForms, RandomPositionsRoundTrip) {
  std::mt19937 rng(7);
  for (const SignedBoard& b : RandomPlayPositions(rng, 2000)) {
    BoardPosition p;
    BuildBoardPosition(b, p);
    ASSERT_EQ(Total(p.own), 15);
    ASSERT_EQ(Total(p.opponent), 15);
    SignedBoard back;
    ReadBoardPosition(p, back);
    ASSERT_EQ(back, b);
  }
}

TEST(Primitives, MoveOntoFourteenFillsSlotFifteen) {
  SideBoard s;
  for (int k = 1; k <= 14; ++k) s.Slot(6, k) = 1;
  s.Slot(8, 1) = 1;
  MoveChecker(s, 8, 6);
  EXPECT_EQ(s.Slot(6, 15), 1);
  EXPECT_EQ(CountCheckers(s, 8), 0);
}

TEST(Primitives, HitAndRestoreWithCheckersAlreadyOnTheBar) {
  SideBoard own, opp;
  own.Slot(10, 1) = 1;
  opp.Slot(25, 1) = opp.Slot(25, 2) = 1;  // two already on the bar
  opp.Slot(18, 1) = 1;                    // the blot, own point 7 = its 18
  const SideBoard ownBefore = own, oppBefore = opp;
  const CheckerMove m{10, 7, kHit};
  ApplyMove(own, opp, m);
  EXPECT_EQ(CountCheckers(opp, 25), 3);
  EXPECT_EQ(CountCheckers(opp, 18), 0);
  EXPECT_EQ(CountCheckers(own, 7), 1);
  UndoMove(own, opp, m);
  EXPECT_EQ(own, ownBefore);
  EXPECT_EQ(opp, oppBefore);
}

TEST(Primitives, EveryListedMoveUndoesExactly) {
  std::mt19937 rng(11);
  auto list = std::make_unique<MoveList>();
  for (const SignedBoard& b : RandomPlayPositions(rng, 300)) {
    for (int d1 = 1; d1 <= 6; ++d1) {
      for (int d2 = 1; d2 <= 6; ++d2) {
        BoardPosition p = PositionFor(b, (d1 + d2) % 2 == 0);
        const BoardPosition before = p;
        EnumerateMoves(p.own, p.opponent, d1, d2, *list);
        ASSERT_EQ(p, before);
        for (int e = 0; e < list->count; ++e) {
          ApplyEntry(p.own, p.opponent, (*list)[e]);
          ASSERT_EQ(Total(p.own), 15);
          ASSERT_EQ(Total(p.opponent), 15);
          UndoEntry(p.own, p.opponent, (*list)[e]);
          ASSERT_EQ(p, before);
        }
      }
    }
  }
}

TEST(SignedPrimitives, HitTurnsBlotIntoOwnCheckerAndFillsTheBar) {
  SignedBoard b = Board({{10, 1}, {7, -1}, {0, -1}});
  SignedHit(b, 7);
  SignedMove(b, 10, 7);
  EXPECT_EQ(b[7], 1);
  EXPECT_EQ(b[10], 0);
  EXPECT_EQ(b[0], -2);
  SignedMove(b, 7, 0);  // borne off: nothing is added anywhere
  EXPECT_EQ(b[7], 0);
  EXPECT_EQ(b[0], -2);
}

}  // namespace

}  // namespace morvik
