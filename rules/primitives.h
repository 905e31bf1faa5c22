// The primitive updates: one checker moved on a SideBoard, one blot hit and
// restored, and their counterparts on a SignedBoard.
#pragma once

#include "rules/board.h"

namespace morvik {

// Slots fill contiguously from slot 1, so the count is the number of leading
// set slots: most rows hold few checkers and the scan stops early. Both are
// inline: the move search calls them for every checker it moves.
inline int CountCheckers(const SideBoard& board, int row) {
  int n = 0;
  while (n < kCheckersPerSide && board.Slot(row, n + 1) != 0) ++n;
  return n;
}
inline void MoveChecker(SideBoard& board, int fromRow, int toRow) {
  const int a = CountCheckers(board, fromRow);
  const int b = CountCheckers(board, toRow);
  board.Slot(fromRow, a) = 0;
  board.Slot(toRow, b + 1) = 1;
}
// q is the hit point in the opponent's numbering; restore 0 hits, 1 takes back.
void HitBlot(SideBoard& opponent, int q, int restore);

// Apply: move, then send a hit blot to the bar. Undo: the reverse order.
inline void ApplyMove(SideBoard& own, SideBoard& opponent, const CheckerMove& m) {
  MoveChecker(own, m.from, m.to);
  if (m.hit == kHit) HitBlot(opponent, 25 - m.to, 0);
}
inline void UndoMove(SideBoard& own, SideBoard& opponent, const CheckerMove& m) {
  MoveChecker(own, m.to, m.from);
  if (m.hit == kHit) HitBlot(opponent, 25 - m.to, 1);
}

void SignedMove(SignedBoard& board, int from, int to);
void SignedHit(SignedBoard& board, int to);

// Conversions between the committed board and the two SideBoards. The game's
// committed board lies between turns with the computer having just moved or
// about to move, so its BoardPosition puts the computer's board first
// (`own`) and the human's second (`opponent`); where the human moves, callers
// swap the two.
void BuildBoardPosition(const SignedBoard& board, BoardPosition& position);
void ReadBoardPosition(const BoardPosition& position, SignedBoard& board);

}  // namespace morvik
