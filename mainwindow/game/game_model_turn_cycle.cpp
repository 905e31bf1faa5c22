// Roll, accept and the computer's turn, game end, new game and undo.
#include <utility>

#include "mainwindow/game/game_model.h"
#include "mainwindow/game/game_texts.h"
#include "player/computer_player.h"
#include "rules/enumerate.h"
#include "rules/game_result.h"
#include "rules/notation.h"
#include "rules/primitives.h"

namespace morvik {

void GameModel::diceknapClick() {
  if (diceknap_.enabled) Roll();
}

void GameModel::OkknapClick() {
  if (okknap_.enabled && okknap_.visible) Accept();
}

void GameModel::undoknapClick() {
  if (!undoknap_.enabled || !undoknap_.visible) return;
  working_ = committed_;
  Draw(working_);
  madeCount_ = 0;
  EnableGrids(true);
  Enable(undoknap_, false);
  Enable(okknap_, false);
}

// Both dice, again as often as needed while the label is empty: the opening
// roll of a game is never a doublet.
void GameModel::RollDice() {
  do {
    d1_ = RollDie();
    d2_ = RollDie();
  } while (label_.text.empty() && d1_ == d2_);
}

void GameModel::Roll() {
  Enable(diceknap_, false);
  diceknap_.caption = texts::kRollDice;
  okknap_.visible = true;
  undoknap_.visible = true;
  Enable(okknap_, false);
  Enable(undoknap_, false);
  RollDice();
  const bool computerOpens = label_.text.empty() && d2_ < d1_;
  if (d1_ < d2_) std::swap(d1_, d2_);
  if (computerOpens) {
    Accept();
  } else {
    ShowDice(kWhite);
    BuildBoardPosition(committed_, position_);
    EnumerateMoves(position_.opponent, position_.own, d1_, d2_, *moves_);
    working_ = committed_;
    Draw(working_);
    madeCount_ = 0;
    if (moves_->count == 0) {
      Enable(okknap_, true);
      Focus(okknap_);
    }
    EnableGrids(true);
  }
  AutomaticOk();
}

void GameModel::AutomaticOk() {
  if (autoOk_.checked && okknap_.enabled) Accept();
}

void GameModel::Accept() {
  if (okknap_.enabled) {
    TextLine line;
    FormatMoveLine(line, texts::kPlayerPrefix, d1_, d2_, made_.data(), madeCount_);
    history_.Add(std::string(line.View()));
  }
  committed_ = working_;
  Enable(okknap_, false);
  Enable(undoknap_, false);
  EnableGrids(false);
  BuildBoardPosition(committed_, position_);
  if (const GameResult result = ResultOf(position_.own, position_.opponent); result.Over()) {
    GameEnd(result);
    return;
  }
  ComputerTurn();
}

void GameModel::ComputerTurn() {
  RollDice();
  if (d1_ < d2_) std::swap(d1_, d2_);
  ShowDice(kBlack);
  if (view_ != nullptr) view_->RepaintDiceLabel(label_);
  lookaheadFlag_ = lookahead_.checked ? 1 : 0;
  player_->PlayComputerMove(position_.own, position_.opponent, lookaheadFlag_, d1_, d2_, Lines());
  ReadBoardPosition(position_, committed_);
  Draw(committed_);
  working_ = committed_;
  if (const GameResult result = ResultOf(position_.own, position_.opponent); result.Over()) {
    GameEnd(result);
    return;
  }
  Enable(diceknap_, true);
  Focus(diceknap_);
  if (autoRoll_.checked) diceknapClick();
}

namespace {

std::string ScoreText(const ScoreCounters& s) {
  const auto n = [](int32_t v) { return std::to_string(v); };
  const int32_t p = s.playerPlain + 2 * s.playerGammon + 3 * s.playerBackgammon;
  const int32_t q = s.computerPlain + 2 * s.computerGammon + 3 * s.computerBackgammon;
  return "Player-1: " + n(p) + " (" + n(s.playerPlain) + "-" + n(s.playerGammon) + "-" +
         n(s.playerBackgammon) + ") - Comp: " + n(q) + " (" + n(s.computerPlain) + "-" +
         n(s.computerGammon) + "-" + n(s.computerBackgammon) + ")";
}

}  // namespace

// The result is the computer's: position_.own is its board.
void GameModel::GameEnd(const GameResult& outcome) {
  const bool playerWon = !outcome.ownWon;
  const int kind = Points(outcome.kind) - 1;  // 0 plain, 1 gammon, 2 backgammon
  int32_t* counters[2][3] = {
      {&score_.computerPlain, &score_.computerGammon, &score_.computerBackgammon},
      {&score_.playerPlain, &score_.playerGammon, &score_.playerBackgammon}};
  ++*counters[playerWon][kind];
  const std::string result(playerWon ? texts::kPlayerResults[kind] : texts::kComputerResults[kind]);
  const std::string score = ScoreText(score_);
  history_.Add(result);
  history_.Add(score);
  dialogs_.Inform(result + std::string(texts::kScoreIs) + score);
  newgameClick(false);
  Roll();
}

void GameModel::newgameClick(bool ask) {
  if (ask && !dialogs_.Confirm(texts::kNewGameQuestion)) return;
  diceknap_.caption = texts::kStartGame;
  Enable(diceknap_, false);
  for (ControlState* c : {&undoknap_, &okknap_}) {
    c->visible = false;
    Enable(*c, false);
  }
  EnableGrids(false);
  label_.text.clear();
  SetUpNewGame();
  Enable(diceknap_, true);
  Focus(diceknap_);
  history_.Add(std::string(texts::kAsterisks));
  history_.Add(std::string(texts::kNewGame));
  history_.Add(std::string(texts::kAsterisks));
}

void GameModel::SetUpNewGame() {
  if (diceknap_.caption == texts::kStartGame) committed_ = StartingPosition();
  working_ = committed_;
  Draw(working_);
}

}  // namespace morvik
