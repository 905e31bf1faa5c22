// The engine's side of the Universal Backgammon Interface: one command line in,
// the answer lines out. Positions come as FIBS raw board lines.
#pragma once

#include <string>
#include <string_view>

#include "engine/fibs_board.h"
#include "player/computer_player.h"
#include "player/player_sink.h"
#include "rules/board.h"

namespace morvik {

// The winning chance the network must give the engine for it to take a double.
inline constexpr float kTakePoint = 0.25f;

class UbgiSession {
 public:
  UbgiSession(ComputerPlayer& player, bool lookahead) : player_(player), lookahead_(lookahead) {}

  // Appends the answer to `line` (zero or more lines, each ending in '\n') to
  // `reply`. Returns false once the command was quit.
  bool Handle(std::string_view line, std::string& reply);

 private:
  std::string AnswerBoard(const FibsBoard& board);

  ComputerPlayer& player_;
  bool lookahead_;
  NullSink sink_;
  SideBoard engine_;
  SideBoard other_;
};

// "24/18 18/13", "bar/22 6/off": every single move in the mover's numbering.
std::string FormatUbgiMove(const MoveEntry& entry);

}  // namespace morvik
