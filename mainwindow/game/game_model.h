// The game: the turn cycle, click-to-move, the options and the history, as
// plain state and the window's handlers. The window calls a handler from its
// slot, then mirrors the control states, the lists and the boards.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "mainwindow/game/control_state.h"
#include "mainwindow/game/dice_source.h"
#include "mainwindow/game/game_dialogs.h"
#include "mainwindow/game/game_view.h"
#include "rules/board.h"
#include "rules/game_result.h"
#include "rules/move_list.h"

namespace morvik {

class ComputerPlayer;
class PlayerSink;

// Games won by each side, by kind.
struct ScoreCounters {
  int32_t playerPlain = 0;
  int32_t playerGammon = 0;
  int32_t playerBackgammon = 0;
  int32_t computerPlain = 0;
  int32_t computerGammon = 0;
  int32_t computerBackgammon = 0;
};

// Formats the computer's thinking time for the evaluation log.
using ElapsedFormat = std::function<std::string(double seconds)>;
std::string FormatElapsed(double seconds);  // hh:mm:ss

class GameModel {
 public:
  // The view may be null. The network must be set up by the caller.
  GameModel(DiceSource& dice, GameDialogs& dialogs, GameView* view = nullptr);
  ~GameModel();
  GameModel(const GameModel&) = delete;
  GameModel& operator=(const GameModel&) = delete;

  // --- handlers; a handler whose control is disabled does nothing ---
  void diceknapClick();  // roll
  void OkknapClick();    // accept, then the computer's turn
  void undoknapClick();  // take back the whole move so far
  // New game: asks first when the user asked for it (ask = true); the game
  // end starts the next game without the question.
  void newgameClick(bool ask = true);
  // A click on a board half at grid cell (column 0..5, row 0 top / 1 bottom).
  void DrawGrid1Click(int column, int row);
  void DrawGrid2Click(int column, int row);
  void FormClick();  // beside the board: bear off
  void TryMoveTo(int target);
  bool IsLegalHumanMove(int from, int to) const;
  void terningeslagDblClick();  // reverse the dice
  void optionsClick();          // the Options menu opens
  void PopupMenu1Popup();       // the context menu opens
  void AutomaticOKclickafterlastmove1Click();
  void AutomaticRolldiceafterComputersmove1Click();
  void EnableHints1Click();
  void Oneplylookahead1Click();
  // Starting position (only while the roll button reads "&Start game"), then
  // the working board from the committed board, drawn. Construction already
  // puts the starting position on both boards without drawing; the window's
  // creation calls this once it can draw.
  void SetUpNewGame();

  // --- controls ---
  const ControlState& diceknap() const { return diceknap_; }
  const ControlState& Okknap() const { return okknap_; }
  const ControlState& undoknap() const { return undoknap_; }
  const ControlState& DrawGrid1() const { return grid1_; }
  const ControlState& DrawGrid2() const { return grid2_; }
  const LabelState& terningeslag() const { return label_; }
  const ListState& ComboBox1() const { return history_; }
  const ListState& ComboBox2() const { return log_; }
  const MenuItemState& EnableHints1() const { return hints_; }
  const MenuItemState& Oneplylookahead1() const { return lookahead_; }
  const MenuItemState& AutomaticOKclickafterlastmove1() const { return autoOk_; }
  const MenuItemState& AutomaticRolldiceafterComputersmove1() const { return autoRoll_; }
  const MenuItemState& Reversethesequenceofplayingthedice1() const { return reverse1_; }
  const MenuItemState& Reversethesequenceofplayingthedice2() const { return reverse2_; }

  // --- game state ---
  const SignedBoard& CommittedBoard() const { return committed_; }
  const SignedBoard& WorkingBoard() const { return working_; }
  int FirstDie() const { return d1_; }
  int SecondDie() const { return d2_; }
  int MadeMoveCount() const { return madeCount_; }
  const std::array<CheckerMove, 4>& MadeMoves() const { return made_; }
  const MoveList& Moves() const { return *moves_; }
  int DiceUsable() const { return moves_->usable; }
  const ScoreCounters& Score() const { return score_; }
  int LookaheadFlag() const { return lookaheadFlag_; }

  // Puts a position on the board between turns: the committed board, copied
  // into the working board and drawn (for setting up games in tests).
  void SetPosition(const SignedBoard& board);
  void SetElapsedFormat(ElapsedFormat format) { elapsedFormat_ = std::move(format); }

 private:
  // The computer's reports.
  void History(std::string_view line);
  void Log(std::string_view line);
  void LogElapsed(double seconds);

  // Turn cycle steps.
  void Roll();
  void Accept();
  void ComputerTurn();
  void RollDice();
  int RollDie();
  void ShowDice(uint32_t colour);
  void GameEnd(const GameResult& outcome);
  void CompleteMove();
  void AutomaticOk();
  void Draw(const SignedBoard& board);
  void Focus(ControlState& control);
  void Enable(ControlState& control, bool enabled);
  void EnableGrids(bool enabled);

  // Click-to-move steps.
  bool TryCombinedMove(int target);
  bool IsListedPair(const CheckerMove& first, const CheckerMove& second) const;
  bool MatchesTwoDice(const MoveEntry& entry, int from, int to) const;
  bool MatchesDoublet(const MoveEntry& entry, int from) const;
  int BearOffTarget() const;

  DiceSource& dice_;
  GameDialogs& dialogs_;
  GameView* view_;
  ElapsedFormat elapsedFormat_;
  std::unique_ptr<ComputerPlayer> player_;
  // Hands the computer's history and log lines to History, Log, LogElapsed.
  class ComputerLines;
  std::unique_ptr<ComputerLines> lines_;
  PlayerSink& Lines();
  std::unique_ptr<MoveList> moves_;
  BoardPosition position_;

  ControlState diceknap_;
  ControlState okknap_;
  ControlState undoknap_;
  ControlState grid1_;
  ControlState grid2_;
  LabelState label_;
  ListState history_;
  ListState log_;
  MenuItemState hints_;
  MenuItemState lookahead_;
  MenuItemState autoOk_;
  MenuItemState autoRoll_;
  MenuItemState reverse1_;
  MenuItemState reverse2_;

  SignedBoard committed_;
  SignedBoard working_;
  int d1_ = 0;
  int d2_ = 0;
  int madeCount_ = 0;
  std::array<CheckerMove, 4> made_{};
  ScoreCounters score_;
  int lookaheadFlag_ = 0;
};

}  // namespace morvik
