#include "train/position_kinds.h"

#include "headless/usage_error.h"
#include "rules/primitives.h"

namespace morvik {

namespace {
// The row of a side's rearmost checker, 0 when all are off.
int Rearmost(const int8_t* rows) {
  for (int r = kBarRow; r > 0; --r)
    if (rows[r] > 0) return r;
  return 0;
}

int Between(const int8_t* rows, int low, int high) {
  int n = 0;
  for (int r = low; r <= high; ++r) n += rows[r];
  return n;
}

bool LeftBack(const int8_t* back, const int8_t* home) {
  return Between(back, 19, kBarRow) > 0 && Rearmost(home) <= 6;
}
// Eight or more checkers off or on the lowest three points while some are
// still outside the home board.
bool Crashed(const int8_t* rows) {
  return Between(rows, 0, 3) >= 8 && Rearmost(rows) > 6;
}
}  // namespace

unsigned KindsOf(const TrainingPosition& position) {
  const int8_t* mover = position.counts.rows[0];
  const int8_t* other = position.counts.rows[1];
  const int a = Rearmost(mover), b = Rearmost(other);
  if (a == 0 || b == 0) return 0;  // the game is over
  unsigned kinds = 0;
  if (a + b <= 25) {
    kinds |= kRaceKind;
  } else {
    if (LeftBack(mover, other) || LeftBack(other, mover)) kinds |= kLeftBackKind;
    if (Crashed(mover) || Crashed(other)) kinds |= kCrashedKind;
  }
  if (position.target < 2.0f / 6.0f || position.target > 4.0f / 6.0f) kinds |= kLostKind;
  return kinds;
}

unsigned ParseKinds(const std::string& list) {
  unsigned kinds = 0;
  for (const std::string& name : SplitList(list)) {
    if (name == "race") {
      kinds |= kRaceKind;
    } else if (name == "left-back") {
      kinds |= kLeftBackKind;
    } else if (name == "crashed") {
      kinds |= kCrashedKind;
    } else if (name == "lost") {
      kinds |= kLostKind;
    } else {
      return 0;
    }
  }
  return kinds;
}

BoardPosition PositionOf(const RowCounts& counts) {
  // The mover plays the computer's part, the other side the human's.
  SignedBoard board;
  for (int p = 1; p <= 24; ++p) board[p] = counts.rows[1][p] - counts.rows[0][25 - p];
  board[25] = counts.rows[1][kBarRow];
  board[0] = -counts.rows[0][kBarRow];
  BoardPosition position;
  BuildBoardPosition(board, position);
  return position;
}

}  // namespace morvik
