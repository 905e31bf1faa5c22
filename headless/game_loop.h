// The one game loop of the headless tools: a whole cubeless game between two
// players from the starting position, the opening roll never a doublet, each
// roll played larger die first.
#pragma once

#include <functional>

#include "rules/board.h"
#include "rules/game_result.h"

namespace morvik {

// A safety net on the length of a game; real games end far sooner.
inline constexpr int kGameTurnLimit = 5000;

// A player: plays one full move for the side owning `own` (d1 >= d2); the
// move stays played on both boards.
class GamePlayer {
 public:
  virtual ~GamePlayer() = default;
  virtual void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) = 0;
};

// Where the dice come from.
class GameDice {
 public:
  virtual ~GameDice() = default;
  // The first roll of a game: never a doublet, larger die first.
  virtual void OpeningRoll(int& d1, int& d2) = 0;
  // Every later roll, larger die first.
  virtual void Roll(int& d1, int& d2) = 0;
};

// What the hook sees after every move.
struct MoveReport {
  int turn = 0;  // 0 for the opening move
  int seat = 0;  // who moved: 0 the first player, 1 the second
  int d1 = 0;
  int d2 = 0;
  const SideBoard& own;       // the mover's board after the move
  const SideBoard& opponent;  // the other side's
  GameResult result;          // for the mover
};

// Called after every move; returning false stops the game there.
using MoveHook = std::function<bool(const MoveReport&)>;

struct GameOutcome {
  int points = 0;  // for the first player: + won, - lost (1, 2 or 3); 0 unfinished
  WinKind kind = WinKind::kNone;
  int winner = -1;  // the seat that won, -1 when unfinished
  int turns = 0;    // moves played
};

// Plays until one side has borne off all its checkers, the hook says stop, or
// `maxTurns` moves have been played. Without `from` the game starts from the
// starting position with an opening roll; with it, from that position, whose
// `own` side has just moved: the player who starts takes its `opponent` side
// and an ordinary roll.
GameOutcome PlayGame(GamePlayer& first, GamePlayer& second, GameDice& dice, bool firstStarts,
                     int maxTurns, const MoveHook& hook = {}, const BoardPosition* from = nullptr);

// The starting position as the two sides' boards.
void StartingSides(SideBoard& first, SideBoard& second);

}  // namespace morvik
