#include "rules/primitives.h"

#include "rules/board_invariants.h"

namespace morvik {

void HitBlot(SideBoard& opponent, int q, int restore) {
  const int c = CountCheckers(opponent, kBarRow);
  if (restore == 0) {
    opponent.Slot(q, 1) = 0;
    opponent.Slot(kBarRow, c + 1) = 1;
  } else {
    opponent.Slot(q, 1) = 1;
    opponent.Slot(kBarRow, c) = 0;
  }
}

void SignedMove(SignedBoard& board, int from, int to) {
  board[from] -= 1;
  if (to != 0) board[to] += 1;
  MORVIK_ASSERT_SIGNED(board);
}

void SignedHit(SignedBoard& board, int to) {
  if (to == 0) return;
  board[to] += 1;
  board[0] -= 1;
  MORVIK_ASSERT_SIGNED(board);
}

SignedBoard StartingPosition() {
  SignedBoard b;
  b[1] = -2;
  b[6] = 5;
  b[8] = 3;
  b[12] = -5;
  b[13] = 5;
  b[17] = -3;
  b[19] = -5;
  b[24] = 2;
  return b;
}

namespace {
void FillRow(SideBoard& side, int row, int count) {
  for (int s = 1; s <= count && s <= kCheckersPerSide; ++s) side.Slot(row, s) = 1;
}
}  // namespace

void BuildBoardPosition(const SignedBoard& board, BoardPosition& position) {
  SideBoard& computer = position.own;
  SideBoard& human = position.opponent;
  computer = SideBoard{};
  human = SideBoard{};
  int humanOnBoard = 0;
  int computerOnBoard = 0;
  for (int p = 1; p <= 24; ++p) {
    const int v = board[p];
    if (v > 0) FillRow(human, p, v), humanOnBoard += v;
    if (v < 0) FillRow(computer, 25 - p, -v), computerOnBoard -= v;
  }
  FillRow(human, kBarRow, board[25]);
  FillRow(computer, kBarRow, -board[0]);
  humanOnBoard += board[25] > 0 ? board[25] : 0;
  computerOnBoard += board[0] < 0 ? -board[0] : 0;
  FillRow(human, kOffRow, kCheckersPerSide - humanOnBoard);
  FillRow(computer, kOffRow, kCheckersPerSide - computerOnBoard);
}

void ReadBoardPosition(const BoardPosition& position, SignedBoard& board) {
  const SideBoard& computer = position.own;
  const SideBoard& human = position.opponent;
  for (int p = 1; p <= 24; ++p) {
    board[p] = CountCheckers(human, p) - CountCheckers(computer, 25 - p);
  }
  board[25] = CountCheckers(human, kBarRow);
  board[0] = -CountCheckers(computer, kBarRow);
}

}  // namespace morvik
