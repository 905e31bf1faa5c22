// What must reach the screen while a handler is still running, before control
// returns to the event loop. Everything else the window mirrors afterwards.
#pragma once

#include "mainwindow/game/control_state.h"
#include "rules/board.h"

namespace morvik {

class GameView {
 public:
  virtual ~GameView() = default;
  // Draw this position on the board.
  virtual void DrawPosition(const SignedBoard&) {}
  // Repaint the dice label at once (the computer's dice, before it thinks).
  virtual void RepaintDiceLabel(const LabelState&) {}
};

}  // namespace morvik
