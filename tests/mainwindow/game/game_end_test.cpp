// Game ends of every kind for both sides: result, score, message and the
// history lines in order, and the next game's opening roll without a click.
#include "tests/mainwindow/game/game_fixture.h"
#include "tests/support/game_results.h"

namespace morvik {

namespace {

struct Ending {
  SignedBoard board;
  std::string result;
  std::string score;
};

const std::vector<std::string> kNewGameLines = {"**********************", "New game",
                                                "**********************"};

}  // namespace

class GameEnd : public GameTest {
 protected:
  // From a new game on `board`: the human opens with 2-1 and bears off his
  // last checker from point 1.
  void HumanBearsOffLast(const SignedBoard& board) {
    dialogs.answers = {true};
    model->newgameClick();
    model->SetPosition(board);
    dice.Add({1, 2});
    model->diceknapClick();
    model->FormClick();
  }

  void ExpectEnd(std::size_t from, const std::string& move, const Ending& e) {
    std::vector<std::string> expected = {move, e.result, e.score};
    expected.insert(expected.end(), kNewGameLines.begin(), kNewGameLines.end());
    EXPECT_EQ(LinesFrom(from), expected);
    EXPECT_EQ(dialogs.messages.back(), e.result + " The score is - " + e.score);
    // The next game's opening has been rolled: the human opens with 2-1.
    EXPECT_EQ(model->terningeslag().text, "Dice: 2 - 1");
    EXPECT_EQ(model->CommittedBoard(), StartingPosition());
    EXPECT_TRUE(model->DrawGrid1().enabled);
  }
};

TEST_F(GameEnd, PlayerWinsEachKind) {
  const Ending endings[] = {
      {MakeBoard({{1, 1}, {13, -15}}), "Player-1 wins a gammon.",
       "Player-1: 2 (0-1-0) - Comp: 0 (0-0-0)"},
      {MakeBoard({{1, 1}, {13, -14}}), "Player-1 wins plain game.",
       "Player-1: 3 (1-1-0) - Comp: 0 (0-0-0)"},
      {MakeBoard({{1, 1}, {13, -14}, {3, -1}}), "Player-1 wins a backgammon.",
       "Player-1: 6 (1-1-1) - Comp: 0 (0-0-0)"},
      {MakeBoard({{1, 1}, {13, -14}, {0, -1}}), "Player-1 wins a backgammon.",
       "Player-1: 9 (1-1-2) - Comp: 0 (0-0-0)"},
  };
  for (const Ending& e : endings) {
    HumanBearsOffLast(e.board);
    const std::size_t before = LineCount();
    dice.Add({1, 2});
    model->OkknapClick();
    ExpectEnd(before, "Player-1: 2-1: 1/Off ", e);
  }
  EXPECT_EQ(dialogs.messages.front(),
            "Player-1 wins a gammon. The score is - Player-1: 2 (0-1-0) - Comp: 0 (0-0-0)");
  EXPECT_EQ(model->Score().playerBackgammon, 2);
  EXPECT_EQ(model->Score().computerPlain, 0);
}

TEST_F(GameEnd, ComputerWinsEachKind) {
  const Ending endings[] = {
      {MakeBoard({{24, -1}, {12, 14}}), "Computer wins plain game.",
       "Player-1: 0 (0-0-0) - Comp: 1 (1-0-0)"},
      {MakeBoard({{24, -1}, {12, 15}}), "Computer wins gammon.",
       "Player-1: 0 (0-0-0) - Comp: 3 (1-1-0)"},
      {MakeBoard({{24, -1}, {12, 14}, {20, 1}}), "Computer wins backgammon.",
       "Player-1: 0 (0-0-0) - Comp: 6 (1-1-1)"},
      {MakeBoard({{24, -1}, {12, 14}, {25, 1}}), "Computer wins backgammon.",
       "Player-1: 0 (0-0-0) - Comp: 9 (1-1-2)"},
  };
  for (const Ending& e : endings) {
    dialogs.answers = {true};
    model->newgameClick();
    model->SetPosition(e.board);
    const std::size_t before = LineCount();
    // The computer opens and bears off its last checker with 2-1.
    dice.Add({6, 1, 2, 1, 1, 2});
    model->diceknapClick();
    ExpectEnd(before, "Computer: 2-1: 1/Off ", e);
  }
}

TEST_F(GameEnd, FifteenthCheckerIsTakenBackByUndoUntilAccepted) {
  HumanBearsOffLast(MakeBoard({{1, 1}, {13, -15}}));
  const SignedBoard allOff = model->WorkingBoard();
  EXPECT_EQ(allOff[1], 0);
  EXPECT_TRUE(model->Okknap().enabled);
  EXPECT_TRUE(model->Okknap().focused);
  EXPECT_TRUE(dialogs.messages.empty());

  model->undoknapClick();
  EXPECT_EQ(model->WorkingBoard()[1], 1);
  EXPECT_FALSE(model->Okknap().enabled);
  EXPECT_FALSE(model->undoknap().enabled);
  EXPECT_TRUE(model->DrawGrid1().enabled);
  EXPECT_EQ(model->Score().playerGammon, 0);

  model->FormClick();
  EXPECT_EQ(model->WorkingBoard(), allOff);
  dice.Add({1, 2});
  model->OkknapClick();
  EXPECT_EQ(model->Score().playerGammon, 1);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

// The game's own result against the shared table: the computer bears off its
// last checker from its 2-point with 2-1, the human being the loser of each
// row; and, where the row leaves the human's 1-point free, the human bears
// off his last checker from there, the computer being the loser.
TEST_F(GameEnd, ResultTable) {
  const auto kindWon = [](const ScoreCounters& before, const ScoreCounters& after, bool human) {
    if (human) {
      return (after.playerPlain - before.playerPlain) +
             2 * (after.playerGammon - before.playerGammon) +
             3 * (after.playerBackgammon - before.playerBackgammon);
    }
    return (after.computerPlain - before.computerPlain) +
           2 * (after.computerGammon - before.computerGammon) +
           3 * (after.computerBackgammon - before.computerBackgammon);
  };
  for (const ResultRow& row : GameResultRows()) {
    SignedBoard board = MakeBoard({{23, -1}});  // the computer's 2-point
    for (const auto& [point, n] : row.loser) board[point] += n;
    dialogs.answers = {true};
    model->newgameClick();
    model->SetPosition(board);
    ScoreCounters before = model->Score();
    dice.Add({6, 1, 2, 1, 1, 2});
    model->diceknapClick();
    EXPECT_EQ(kindWon(before, model->Score(), false), row.points) << "computer wins: " << row.what;

    board = MakeBoard({{1, 1}});
    bool free = true;
    for (const auto& [point, n] : row.loser) {
      const int index = point == kBarRow ? 0 : 25 - point;
      free = free && index != 1;
      board[index] -= n;
    }
    if (!free) continue;
    HumanBearsOffLast(board);
    before = model->Score();
    dice.Add({1, 2});
    model->OkknapClick();
    EXPECT_EQ(kindWon(before, model->Score(), true), row.points) << "human wins: " << row.what;
  }
}

}  // namespace morvik
