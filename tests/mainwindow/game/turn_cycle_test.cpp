// The turn cycle through the handlers: opening rolls, passes, the automatic
// steps, new game, the options and the dice reversal.
#include "mainwindow/game/game_texts.h"
#include "tests/mainwindow/game/game_fixture.h"

namespace morvik {

namespace {

void ExpectHumanMoving(const GameModel& m) {
  EXPECT_EQ(m.diceknap().caption, "&Roll Dice");
  EXPECT_FALSE(m.diceknap().enabled);
  EXPECT_TRUE(m.Okknap().visible);
  EXPECT_TRUE(m.undoknap().visible);
  EXPECT_EQ(m.terningeslag().colour, kWhite);
}

void ExpectAwaitingRoll(const GameModel& m) {
  EXPECT_EQ(m.diceknap().caption, "&Roll Dice");
  EXPECT_TRUE(m.diceknap().enabled);
  EXPECT_TRUE(m.diceknap().focused);
  EXPECT_TRUE(m.Okknap().visible);
  EXPECT_FALSE(m.Okknap().enabled);
  EXPECT_TRUE(m.undoknap().visible);
  EXPECT_FALSE(m.undoknap().enabled);
  EXPECT_FALSE(m.DrawGrid1().enabled);
  EXPECT_FALSE(m.DrawGrid2().enabled);
  EXPECT_EQ(m.terningeslag().colour, kBlack);
}

void ExpectAwaitingStart(const GameModel& m) {
  EXPECT_EQ(m.diceknap().caption, "&Start game");
  EXPECT_TRUE(m.diceknap().enabled);
  EXPECT_TRUE(m.diceknap().focused);
  EXPECT_FALSE(m.Okknap().visible);
  EXPECT_FALSE(m.Okknap().enabled);
  EXPECT_FALSE(m.undoknap().visible);
  EXPECT_FALSE(m.undoknap().enabled);
  EXPECT_FALSE(m.DrawGrid1().enabled);
  EXPECT_FALSE(m.DrawGrid2().enabled);
  EXPECT_EQ(m.terningeslag().text, "");
}

// Human closed out: on the bar with the computer holding all six entry points.
const SignedBoard kClosedOut = MakeBoard(
    {{25, 1}, {6, 14}, {19, -2}, {20, -2}, {21, -2}, {22, -2}, {23, -2}, {24, -2}, {12, -3}});

}  // namespace

using TurnCycle = GameTest;

TEST_F(TurnCycle, StartsAwaitingTheFirstRoll) {
  ExpectAwaitingStart(*model);
  EXPECT_EQ(model->terningeslag().colour, kAqua);
  EXPECT_EQ(model->ComboBox1().lines, std::vector<std::string>{"Game History:"});
  EXPECT_EQ(model->ComboBox1().selected, 0);
  EXPECT_EQ(model->CommittedBoard(), StartingPosition());
  EXPECT_TRUE(model->EnableHints1().checked);
  EXPECT_FALSE(model->Oneplylookahead1().checked);
  model->SetUpNewGame();
  EXPECT_EQ(view.drawn, StartingPosition());
  // Nothing but the roll button answers before the first roll.
  model->OkknapClick();
  model->undoknapClick();
  ClickPoint(18);
  model->FormClick();
  model->terningeslagDblClick();
  ExpectAwaitingStart(*model);
  EXPECT_EQ(model->WorkingBoard(), StartingPosition());
}

TEST_F(TurnCycle, HumanOpensWithTheLargerDieFirstAndNeverADoublet) {
  dice.Add({3, 3, 2, 5});
  model->diceknapClick();
  ExpectHumanMoving(*model);
  EXPECT_EQ(model->terningeslag().text, "Dice: 5 - 2");
  EXPECT_EQ(model->FirstDie(), 5);
  EXPECT_EQ(model->SecondDie(), 2);
  EXPECT_TRUE(model->DrawGrid1().enabled);
  EXPECT_TRUE(model->DrawGrid2().enabled);
  EXPECT_FALSE(model->Okknap().enabled);
  EXPECT_FALSE(model->undoknap().enabled);
  EXPECT_EQ(model->DiceUsable(), 2);
  EXPECT_EQ(LineCount(), 1u);
}

TEST_F(TurnCycle, ComputerOpensWithARollOfItsOwnAndDoubletsFollow) {
  // 4-4 is rolled again; 6-1 gives the computer the opening, but it is never
  // shown: the computer rolls again (2-2 again refused) and plays 5-3.
  dice.Add({4, 4, 6, 1, 2, 2, 3, 5});
  model->diceknapClick();
  ExpectAwaitingRoll(*model);
  EXPECT_EQ(model->terningeslag().text, "Dice: 5 - 3");
  EXPECT_EQ(view.repainted, std::vector<std::string>{"Dice: 5 - 3"});
  EXPECT_EQ(LinesFrom(1), std::vector<std::string>{"Computer: 5-3: 8/3 6/3 "});
  EXPECT_EQ(model->ComboBox1().selected, 1);
  EXPECT_EQ(model->WorkingBoard(), model->CommittedBoard());
  EXPECT_EQ(model->CommittedBoard()[22], -2);  // the computer's 3-point
  EXPECT_EQ(view.drawn, model->CommittedBoard());
  EXPECT_FALSE(model->ComboBox2().lines.empty());

  dice.Add({2, 2});
  model->diceknapClick();
  EXPECT_EQ(model->terningeslag().text, "Dice: 2 - 2");
  EXPECT_EQ(model->DiceUsable(), 4);
}

TEST_F(TurnCycle, PassLeavesOnlyTheAcceptButtonFocused) {
  model->SetPosition(kClosedOut);
  dice.Add({5, 6});
  model->diceknapClick();
  ExpectHumanMoving(*model);
  EXPECT_EQ(model->Moves().count, 0);
  EXPECT_TRUE(model->Okknap().enabled);
  EXPECT_TRUE(model->Okknap().focused);
  EXPECT_TRUE(model->DrawGrid1().enabled);
  ClickPoint(19);  // blocked
  ClickPoint(5);   // a checker could reach it, but there is no legal move
  model->FormClick();
  EXPECT_EQ(model->MadeMoveCount(), 0);
  EXPECT_EQ(model->WorkingBoard(), kClosedOut);
  EXPECT_FALSE(model->undoknap().enabled);

  dice.Add({1, 2});
  model->OkknapClick();
  EXPECT_EQ(LinesFrom(1), (std::vector<std::string>{"Player-1: 6-5: ", "Computer: 2-1: 3/1 2/1 "}));
  ExpectAwaitingRoll(*model);
  EXPECT_EQ(model->terningeslag().text, "Dice: 2 - 1");
}

TEST_F(TurnCycle, AutomaticOkAndRollPlaySeveralTurnsInOneClick) {
  dialogs.answers = {true, true};
  model->AutomaticOKclickafterlastmove1Click();
  model->AutomaticRolldiceafterComputersmove1Click();
  EXPECT_EQ(dialogs.questions, (std::vector<std::string>{std::string(texts::kAutoOkQuestion),
                                                         std::string(texts::kAutoRollQuestion)}));
  // The computer bears off from its closed board; the human passes until a
  // point opens.
  model->SetPosition(
      MakeBoard({{25, 2}, {7, 13}, {24, -5}, {23, -2}, {22, -2}, {21, -2}, {20, -2}, {19, -2}}));
  dice.Add({5, 6, 1, 1, 5, 6, 2, 2, 3, 2});
  model->diceknapClick();
  EXPECT_EQ(LinesFrom(1), (std::vector<std::string>{
                              "Player-1: 6-5: ",
                              "Computer: 1-1: 1/Off 1/Off 1/Off 1/Off ",
                              "Player-1: 6-5: ",
                              "Computer: 2-2: 2/Off 2/Off 3/1 3/1 ",
                          }));
  ExpectHumanMoving(*model);
  EXPECT_EQ(model->terningeslag().text, "Dice: 3 - 2");
  EXPECT_TRUE(model->DrawGrid2().enabled);
  EXPECT_FALSE(model->Okknap().enabled);
  EXPECT_EQ(model->DiceUsable(), 2);
}

TEST_F(TurnCycle, AutomaticOkSwitchedOnDuringAPassWaitsForTheNextClick) {
  model->SetPosition(kClosedOut);
  dice.Add({5, 6});
  model->diceknapClick();
  dialogs.answers = {true};
  model->AutomaticOKclickafterlastmove1Click();
  EXPECT_TRUE(model->AutomaticOKclickafterlastmove1().checked);
  EXPECT_EQ(LineCount(), 1u);
  dice.Add({1, 2});
  ClickPoint(3);
  EXPECT_EQ(LinesFrom(1)[0], "Player-1: 6-5: ");
  ExpectAwaitingRoll(*model);
}

TEST_F(TurnCycle, AutomaticOptionsAskOnlyWhenSwitchedOn) {
  dialogs.answers = {false, true};
  model->AutomaticRolldiceafterComputersmove1Click();
  EXPECT_FALSE(model->AutomaticRolldiceafterComputersmove1().checked);
  model->AutomaticRolldiceafterComputersmove1Click();
  EXPECT_TRUE(model->AutomaticRolldiceafterComputersmove1().checked);
  model->AutomaticRolldiceafterComputersmove1Click();
  EXPECT_FALSE(model->AutomaticRolldiceafterComputersmove1().checked);
  EXPECT_EQ(dialogs.questions.size(), 2u);

  model->EnableHints1Click();
  EXPECT_FALSE(model->EnableHints1().checked);
  model->EnableHints1Click();
  EXPECT_TRUE(model->EnableHints1().checked);
}

TEST_F(TurnCycle, LookaheadToggleWritesTheComingStateAndReachesTheComputer) {
  for (int i = 0; i < 4; ++i) model->Oneplylookahead1Click();
  EXPECT_EQ(LinesFrom(1),
            (std::vector<std::string>{"Look-ahead enabled.", "Look-ahead disabled.",
                                      "Look-ahead enabled.", "Look-ahead disabled."}));
  EXPECT_EQ(model->ComboBox1().selected, 4);
  model->Oneplylookahead1Click();
  EXPECT_TRUE(model->Oneplylookahead1().checked);
  ComputerOpens(2, 1);
  EXPECT_EQ(model->LookaheadFlag(), 1);
}

TEST_F(TurnCycle, NewGameAsksEveryTimeAndKeepsTheScore) {
  dialogs.answers = {true};
  model->newgameClick();
  EXPECT_EQ(dialogs.questions, std::vector<std::string>{std::string(texts::kNewGameQuestion)});
  EXPECT_EQ(LinesFrom(1), (std::vector<std::string>{"**********************", "New game",
                                                    "**********************"}));
  ExpectAwaitingStart(*model);

  dice.Add({1, 6});
  model->diceknapClick();
  ClickPoint(7);  // 13/7
  const SignedBoard moved = model->WorkingBoard();
  const auto lines = LineCount();
  dialogs.answers = {false};
  model->newgameClick();
  EXPECT_EQ(model->WorkingBoard(), moved);
  EXPECT_EQ(model->MadeMoveCount(), 1);
  EXPECT_TRUE(model->undoknap().enabled);
  EXPECT_EQ(LineCount(), lines);

  dialogs.answers = {true};
  model->newgameClick();
  ExpectAwaitingStart(*model);
  EXPECT_EQ(model->WorkingBoard(), StartingPosition());
  EXPECT_EQ(model->CommittedBoard(), StartingPosition());
  EXPECT_EQ(view.drawn, StartingPosition());
  EXPECT_EQ(LineCount(), lines + 3);
  EXPECT_EQ(model->Score().playerPlain + model->Score().computerPlain, 0);
  // The next roll is an opening again.
  dice.Add({2, 2, 3, 4});
  model->diceknapClick();
  EXPECT_EQ(model->terningeslag().text, "Dice: 4 - 3");
}

TEST_F(TurnCycle, DiceReverseOnlyWhileTheHumanMoves) {
  model->optionsClick();
  model->PopupMenu1Popup();
  EXPECT_FALSE(model->Reversethesequenceofplayingthedice1().enabled);
  EXPECT_FALSE(model->Reversethesequenceofplayingthedice2().enabled);

  ComputerOpens(5, 3);
  model->terningeslagDblClick();
  EXPECT_EQ(model->terningeslag().text, "Dice: 5 - 3");
  EXPECT_EQ(model->FirstDie(), 5);

  dice.Add({5, 2});
  model->diceknapClick();
  model->optionsClick();
  model->PopupMenu1Popup();
  EXPECT_TRUE(model->Reversethesequenceofplayingthedice1().enabled);
  EXPECT_TRUE(model->Reversethesequenceofplayingthedice2().enabled);
  model->terningeslagDblClick();
  EXPECT_EQ(model->terningeslag().text, "Dice: 2 - 5");
  EXPECT_EQ(model->terningeslag().colour, kWhite);
  EXPECT_EQ(model->FirstDie(), 2);
  model->terningeslagDblClick();
  EXPECT_EQ(model->terningeslag().text, "Dice: 5 - 2");
}

TEST(ElapsedTime, IsWrittenAsHoursMinutesSeconds) {
  EXPECT_EQ(FormatElapsed(0.4), "00:00:00");
  EXPECT_EQ(FormatElapsed(3725.9), "01:02:05");
}

}  // namespace morvik
