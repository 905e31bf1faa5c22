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

// The network values a position at (points + 3) / 6 for the side that has
// just moved, points being what the game is worth to it without the cube, -3
// to 3. A take is right when the doubled game is worth at least the point a
// drop gives away: when the game is worth at least -1/2, a value of 5/12.
inline constexpr float kTakePoint = 5.0f / 12.0f;

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
