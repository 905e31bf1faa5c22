#include "mainwindow/game/game_model.h"

#include <algorithm>
#include <cstdio>

#include "mainwindow/game/game_texts.h"
#include "player/computer_player.h"

namespace morvik {

std::string FormatElapsed(double seconds) {
  const long total = seconds > 0 ? static_cast<long>(seconds) : 0;
  char text[32];
  std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
  return text;
}

GameModel::GameModel(DiceSource& dice, GameDialogs& dialogs, GameView* view)
    : dice_(dice),
      dialogs_(dialogs),
      view_(view),
      elapsedFormat_(FormatElapsed),
      player_(std::make_unique<ComputerPlayer>(gPackedNet)),
      lines_(std::make_unique<ComputerLines>(*this)),
      moves_(std::make_unique<MoveList>()) {
  diceknap_ = {std::string(texts::kStartGame), true, true, true};
  okknap_ = {std::string(texts::kOk), false, false, false};
  undoknap_ = {std::string(texts::kUndo), false, false, false};
  grid1_ = {"", false, true, false};
  grid2_ = grid1_;
  history_.Add(std::string(texts::kGameHistory));
  hints_.checked = true;
  committed_ = StartingPosition();
  working_ = committed_;
}

GameModel::~GameModel() = default;

void GameModel::SetPosition(const SignedBoard& board) {
  committed_ = board;
  working_ = board;
  Draw(working_);
}

class GameModel::ComputerLines : public PlayerSink {
 public:
  explicit ComputerLines(GameModel& model) : model_(model) {}
  void History(std::string_view line) override { model_.History(line); }
  void Log(std::string_view line) override { model_.Log(line); }
  void LogElapsed(double seconds) override { model_.LogElapsed(seconds); }

 private:
  GameModel& model_;
};

PlayerSink& GameModel::Lines() {
  return *lines_;
}

void GameModel::History(std::string_view line) {
  history_.Add(std::string(line));
}

void GameModel::Log(std::string_view line) {
  log_.Add(std::string(line));
}

void GameModel::LogElapsed(double seconds) {
  log_.Add(elapsedFormat_(seconds));
}

void GameModel::Draw(const SignedBoard& board) {
  if (view_ != nullptr) view_->DrawPosition(board);
}

void GameModel::Focus(ControlState& control) {
  for (ControlState* c : {&diceknap_, &okknap_, &undoknap_, &grid1_, &grid2_}) c->focused = false;
  control.focused = true;
}

void GameModel::Enable(ControlState& control, bool enabled) {
  control.enabled = enabled;
  if (!enabled) control.focused = false;  // a disabled control loses the focus
}

void GameModel::EnableGrids(bool enabled) {
  Enable(grid1_, enabled);
  Enable(grid2_, enabled);
}

int GameModel::RollDie() {
  const int die = static_cast<int>(dice_.Next() * 6) + 1;
  return std::clamp(die, 1, 6);
}

void GameModel::ShowDice(uint32_t colour) {
  label_.colour = colour;
  label_.text = "Dice: " + std::to_string(d1_) + " - " + std::to_string(d2_);
}

}  // namespace morvik
