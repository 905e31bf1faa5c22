// The dice reversal and the option menu items.
#include <utility>

#include "mainwindow/game/game_model.h"
#include "mainwindow/game/game_texts.h"

namespace morvik {

void GameModel::terningeslagDblClick() {
  if (diceknap_.enabled) return;
  std::swap(d1_, d2_);
  label_.text = "Dice: " + std::to_string(d1_) + " - " + std::to_string(d2_);
}

void GameModel::optionsClick() {
  reverse1_.enabled = !diceknap_.enabled;
}

void GameModel::PopupMenu1Popup() {
  reverse2_.enabled = !diceknap_.enabled;
}

void GameModel::AutomaticOKclickafterlastmove1Click() {
  autoOk_.checked = !autoOk_.checked && dialogs_.Confirm(texts::kAutoOkQuestion);
}

void GameModel::AutomaticRolldiceafterComputersmove1Click() {
  autoRoll_.checked = !autoRoll_.checked && dialogs_.Confirm(texts::kAutoRollQuestion);
}

void GameModel::EnableHints1Click() {
  hints_.checked = !hints_.checked;
}

void GameModel::Oneplylookahead1Click() {
  history_.Add(std::string(lookahead_.checked ? texts::kLookaheadOff : texts::kLookaheadOn));
  lookahead_.checked = !lookahead_.checked;
}

}  // namespace morvik
