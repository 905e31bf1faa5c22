#include "headless/game_loop.h"

#include "rules/primitives.h"

namespace morvik {

void StartingSides(SideBoard& first, SideBoard& second) {
  BoardPosition start;
  BuildBoardPosition(StartingPosition(), start);
  first = start.own;
  second = start.opponent;
}

GameOutcome PlayGame(GamePlayer& first, GamePlayer& second, GameDice& dice, bool firstStarts,
                     int maxTurns, const MoveHook& hook, const BoardPosition* from) {
  SideBoard sides[2];  // [0] the first player's
  int mover = firstStarts ? 0 : 1;
  if (from != nullptr) {
    sides[mover] = from->opponent;
    sides[1 - mover] = from->own;
  } else {
    StartingSides(sides[0], sides[1]);
  }
  GamePlayer* players[2] = {&first, &second};
  int d1 = 0;
  int d2 = 0;
  GameOutcome outcome;
  for (int turn = 0; turn < maxTurns; ++turn) {
    if (turn == 0 && from == nullptr) {
      dice.OpeningRoll(d1, d2);
    } else {
      dice.Roll(d1, d2);
    }
    players[mover]->Play(sides[mover], sides[1 - mover], d1, d2);
    outcome.turns = turn + 1;
    const GameResult result = ResultOf(sides[mover], sides[1 - mover]);
    const bool goOn =
        !hook || hook(MoveReport{turn, mover, d1, d2, sides[mover], sides[1 - mover], result});
    if (result.Over()) {
      const int winner = result.ownWon ? mover : 1 - mover;
      outcome.kind = result.kind;
      outcome.winner = winner;
      outcome.points = winner == 0 ? Points(result.kind) : -Points(result.kind);
      return outcome;
    }
    if (!goOn) return outcome;
    mover = 1 - mover;
  }
  return outcome;
}

}  // namespace morvik
