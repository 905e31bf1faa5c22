// The end of a game: the side that has borne off all fifteen checkers wins a
// plain game (1 point), a gammon (2: the loser has borne off nothing) or a
// backgammon (3: and still has a checker on the bar or in the winner's home
// board). Every place that decides a result asks here.
#pragma once

#include "rules/board.h"

namespace morvik {

enum class WinKind { kNone = 0, kPlain = 1, kGammon = 2, kBackgammon = 3 };

// The points a kind of win is worth: 0 for none, else 1, 2 or 3.
inline int Points(WinKind kind) {
  return static_cast<int>(kind);
}

// All fifteen checkers of this side are borne off.
bool AllBorneOff(const SideBoard& side);

// The kind of win over this loser, by its checkers (assumes the game is won).
WinKind KindOfWin(const SideBoard& loser);

// The result of a position for either side.
struct GameResult {
  WinKind kind = WinKind::kNone;
  bool ownWon = false;  // the side owning `own` has won (meaningful unless kNone)

  bool Over() const { return kind != WinKind::kNone; }
  // + for the side owning `own`, - for the opponent, 0 while the game goes on.
  int PointsForOwn() const { return ownWon ? Points(kind) : -Points(kind); }
};

GameResult ResultOf(const SideBoard& own, const SideBoard& opponent);

}  // namespace morvik
