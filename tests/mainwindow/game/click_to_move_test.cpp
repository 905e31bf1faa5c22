// Click-to-move: which checker a click moves, the checks against the legal
// plays, one checker with both dice, bearing off beside the board, undo and
// the dice reversal.
#include "tests/mainwindow/game/game_fixture.h"

namespace morvik {

namespace {

std::vector<CheckerMove> Made(const GameModel& m) {
  return {m.MadeMoves().begin(), m.MadeMoves().begin() + m.MadeMoveCount()};
}

}  // namespace

class ClickToMove : public GameTest {
 protected:
  // The human opens on `board` with the two dice (rolled in this order).
  void HumanOpens(const SignedBoard& board, int first, int second) {
    model->SetPosition(board);
    dice.Add({first, second});
    model->diceknapClick();
  }
  // The human rolls `die`-`die` on `board` after the computer's opening.
  void HumanRollsDoublet(const SignedBoard& board, int die) {
    ComputerOpens(2, 1);
    model->SetPosition(board);
    dice.Add({die, die});
    model->diceknapClick();
  }
};

TEST_F(ClickToMove, TargetsTakeTheFirstDieFirstThenTheSecond) {
  HumanOpens(StartingPosition(), 5, 6);
  ClickPoint(18);  // 24/18 with the 6
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{24, 18, 0}}));
  EXPECT_TRUE(model->undoknap().enabled);
  EXPECT_FALSE(model->Okknap().enabled);
  EXPECT_TRUE(model->DrawGrid2().enabled);
  EXPECT_EQ(view.drawn, model->WorkingBoard());
  ClickPoint(13);  // 18/13 with the 5
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{24, 18, 0}, {18, 13, 0}}));
  EXPECT_TRUE(model->Okknap().enabled);
  EXPECT_TRUE(model->Okknap().focused);
  EXPECT_FALSE(model->DrawGrid1().enabled);
  EXPECT_FALSE(model->DrawGrid2().enabled);
  ClickPoint(8);  // the grids are off now
  EXPECT_EQ(model->MadeMoveCount(), 2);
  EXPECT_EQ(model->WorkingBoard()[24], 1);
  EXPECT_EQ(model->WorkingBoard()[13], 6);
  EXPECT_EQ(model->CommittedBoard(), StartingPosition());
  dice.Add({2, 1});
  model->OkknapClick();
  EXPECT_EQ(LinesFrom(1)[0], "Player-1: 6-5: 24/18 18/13 ");
}

TEST_F(ClickToMove, SecondDieIsUsedWhenTheFirstGivesNoListedMove) {
  HumanOpens(StartingPosition(), 5, 6);
  ClickPoint(8);  // nothing on 14; 13/8 with the 5
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{13, 8, 0}}));
  ClickPoint(12);  // the computer's point: refused without a redraw
  const int draws = view.draws;
  ClickPoint(12);
  EXPECT_EQ(view.draws, draws);
  EXPECT_EQ(model->MadeMoveCount(), 1);
}

TEST_F(ClickToMove, OneCheckerWithBothDiceGoesFirstDieFirst) {
  HumanOpens(StartingPosition(), 5, 6);
  ClickPoint(13);  // nothing on 19 or 18: one checker from 24 via 18
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{24, 18, 0}, {18, 13, 0}}));
  EXPECT_TRUE(model->Okknap().enabled);
  EXPECT_TRUE(model->undoknap().enabled);
  EXPECT_FALSE(model->DrawGrid1().enabled);
  EXPECT_EQ(model->WorkingBoard()[24], 1);
  EXPECT_EQ(model->WorkingBoard()[18], 0);
}

TEST_F(ClickToMove, OneCheckerWithBothDiceGoesRoundABlockedPoint) {
  HumanOpens(MakeBoard({{24, 2}, {6, 13}, {18, -2}, {1, -13}}), 5, 6);
  ClickPoint(13);  // 18 is blocked: 24/19 19/13
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{24, 19, 0}, {19, 13, 0}}));
}

TEST_F(ClickToMove, OneCheckerWithBothDiceMayStartOnTheBarButNotBeyondIt) {
  const SignedBoard board = MakeBoard({{25, 1}, {6, 14}, {1, -15}});
  HumanOpens(board, 5, 6);
  ClickPoint(15);  // 15 + 5 + 6 lies past the bar: nothing moves
  EXPECT_EQ(model->MadeMoveCount(), 0);
  EXPECT_EQ(model->WorkingBoard(), board);
  ClickPoint(14);  // exactly from the bar, the 6 first: B/19 19/14
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{25, 19, 0}, {19, 14, 0}}));
  EXPECT_EQ(model->WorkingBoard()[25], 0);
  EXPECT_EQ(model->WorkingBoard()[14], 1);
}

TEST_F(ClickToMove, OneCheckerWithBothDiceMustBeAListedPlayAsAWhole) {
  // A checker on the bar must enter first: 13/9 appears in a listed play only
  // after entering, so 13/9 9/7 is no play at all.
  const SignedBoard board = MakeBoard({{25, 1}, {13, 1}, {6, 13}, {12, -15}});
  HumanOpens(board, 2, 4);
  ClickPoint(7);
  EXPECT_EQ(model->MadeMoveCount(), 0);
  EXPECT_EQ(model->WorkingBoard(), board);
  EXPECT_FALSE(model->undoknap().enabled);
  EXPECT_FALSE(model->Okknap().enabled);

  // The order of the clicks is free as long as the pair is a listed play.
  ClickPoint(11);  // 13/11 with the 2, listed after entering with the 4
  ClickPoint(21);  // B/21
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{13, 11, 0}, {25, 21, 0}}));
  EXPECT_TRUE(model->Okknap().enabled);
}

TEST_F(ClickToMove, HittingSendsTheBlotToTheBar) {
  HumanOpens(MakeBoard({{13, 15}, {9, -1}, {1, -14}}), 1, 4);
  ClickPoint(9);
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{13, 9, 99}}));
  EXPECT_EQ(model->WorkingBoard()[9], 1);
  EXPECT_EQ(model->WorkingBoard()[0], -1);
  ClickPoint(12);
  dice.Add({2, 1});
  model->OkknapClick();
  EXPECT_EQ(LinesFrom(1)[0], "Player-1: 4-1: 13/9* 13/12 ");
}

TEST_F(ClickToMove, BesideTheBoardBearsOffTheRearmostWithTheLargerDie) {
  HumanOpens(MakeBoard({{4, 2}, {2, 3}, {1, 10}, {13, -15}}), 2, 5);
  model->FormClick();  // 4 with the 5
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{4, 0, 0}}));
  // The 5 is used up: only an exact bear-off with the 2 remains.
  model->FormClick();
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{4, 0, 0}, {2, 0, 0}}));
  dice.Add({2, 1});
  model->OkknapClick();
  EXPECT_EQ(LinesFrom(1)[0], "Player-1: 5-2: 4/Off 2/Off ");
}

TEST_F(ClickToMove, ReversedDiceBearOffOnlyExactly) {
  HumanOpens(MakeBoard({{4, 2}, {2, 3}, {1, 10}, {13, -15}}), 2, 5);
  model->terningeslagDblClick();  // 2 - 5
  model->FormClick();
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{2, 0, 0}}));
}

TEST_F(ClickToMove, BearingOffNeverHitsTheComputerOnItsBar) {
  HumanOpens(MakeBoard({{3, 15}, {0, -1}, {13, -14}}), 1, 3);
  model->FormClick();
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{3, 0, 0}}));
  EXPECT_EQ(model->WorkingBoard()[0], -1);
}

TEST_F(ClickToMove, BesideTheBoardIsIgnoredUntilAllAreHome) {
  HumanOpens(StartingPosition(), 5, 6);
  const int draws = view.draws;
  model->FormClick();
  EXPECT_EQ(model->MadeMoveCount(), 0);
  EXPECT_EQ(view.draws, draws);
}

TEST_F(ClickToMove, ReversedDiceChangeTheNextClickAndTheHistoryLine) {
  HumanOpens(StartingPosition(), 1, 6);
  model->terningeslagDblClick();  // 1 - 6: the 1 is played first now
  ClickPoint(7);                  // 8/7 instead of 13/7
  ClickPoint(18);
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{8, 7, 0}, {24, 18, 0}}));
  dice.Add({2, 1});
  model->OkknapClick();
  EXPECT_EQ(LinesFrom(1)[0], "Player-1: 1-6: 8/7 24/18 ");
}

TEST_F(ClickToMove, UndoTakesBackThreeCheckersOfADoublet) {
  HumanRollsDoublet(StartingPosition(), 3);
  ClickPoint(21);
  ClickPoint(10);
  ClickPoint(5);
  EXPECT_EQ(model->MadeMoveCount(), 3);
  EXPECT_NE(model->WorkingBoard(), StartingPosition());
  model->undoknapClick();
  EXPECT_EQ(model->WorkingBoard(), StartingPosition());
  EXPECT_EQ(view.drawn, StartingPosition());
  EXPECT_EQ(model->MadeMoveCount(), 0);
  EXPECT_FALSE(model->undoknap().enabled);
  EXPECT_FALSE(model->Okknap().enabled);
  EXPECT_TRUE(model->DrawGrid1().enabled);
  EXPECT_EQ(model->terningeslag().text, "Dice: 3 - 3");

  for (int point : {21, 21, 10, 10}) ClickPoint(point);
  EXPECT_TRUE(model->Okknap().enabled);
  dice.Add({2, 1});
  model->OkknapClick();
  EXPECT_EQ(LinesFrom(2)[0], "Player-1: 3-3: 24/21 24/21 13/10 13/10 ");
}

TEST_F(ClickToMove, DoubletChecksOnlyTheLastMoveAgainstTheList) {
  // On the bar with 2-2: the first three moves are taken freely although the
  // checker on the bar has to enter first.
  const SignedBoard board = MakeBoard({{25, 1}, {6, 4}, {8, 10}, {12, -15}});
  HumanRollsDoublet(board, 2);
  EXPECT_EQ(model->DiceUsable(), 4);
  ClickPoint(4);
  ClickPoint(4);
  ClickPoint(4);
  EXPECT_EQ(model->MadeMoveCount(), 3);
  ClickPoint(2);  // sources 6, 6, 6, 4: no listed play
  EXPECT_EQ(model->MadeMoveCount(), 3);
  EXPECT_FALSE(model->Okknap().enabled);
  ClickPoint(23);  // entering completes B/23 6/4 6/4 6/4, in any order
  EXPECT_EQ(model->MadeMoveCount(), 4);
  EXPECT_TRUE(model->Okknap().enabled);
}

TEST_F(ClickToMove, CellsMapToPoints) {
  HumanRollsDoublet(MakeBoard({{24, 3}, {19, 3}, {18, 3}, {13, 3}, {12, 3}, {1, -15}}), 1);
  model->DrawGrid2Click(4, 0);  // 23, from 24
  model->DrawGrid2Click(0, 0);  // 19: nothing on 20
  model->DrawGrid1Click(4, 0);  // 17, from 18
  model->DrawGrid1Click(1, 1);  // 11, from 12
  model->DrawGrid1Click(6, 0);  // outside the grid
  EXPECT_EQ(Made(*model), (std::vector<CheckerMove>{{24, 23, 0}, {18, 17, 0}, {12, 11, 0}}));
}

}  // namespace morvik
