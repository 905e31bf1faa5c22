#include "fuzz/position_check.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "rules/board_invariants.h"
#include "rules/enumerate.h"
#include "rules/move_list.h"
#include "rules/primitives.h"

namespace morvik {

namespace {
MoveList list;

void CheckMoves(BoardPosition& position, int d1, int d2) {
  const BoardPosition before = position;
  EnumerateMoves(position.own, position.opponent, d1, d2, list);
  Require(position == before, "enumeration changed the boards");
  const char* fault = MoveListFault(position, list);
  if (fault != nullptr) std::fprintf(stderr, "dice %d-%d: ", d1, d2);
  Require(fault == nullptr, fault);
}
}  // namespace

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fault: %s\n", what);
  std::abort();
}

void CheckAcceptedPosition(const SignedBoard& board, const uint8_t* salt, size_t size) {
  Require(SignedBoardFault(board) == nullptr, SignedBoardFault(board));
  BoardPosition position;
  BuildBoardPosition(board, position);
  Require(PositionFault(position) == nullptr, PositionFault(position));
  SignedBoard back;
  ReadBoardPosition(position, back);
  Require(back == board, "the board did not survive the round trip through the SideBoards");
  CheckMovesOfBoth(position, salt, size);
}

void CheckMovesOfBoth(BoardPosition& position, const uint8_t* salt, size_t size) {
  unsigned sum = static_cast<unsigned>(size);
  for (size_t i = 0; i < size; ++i) sum = sum * 31u + salt[i];
  const int d1 = 1 + static_cast<int>(sum % 6u);
  const int d2 = 1 + static_cast<int>((sum / 6u) % 6u);
  CheckMoves(position, d1, d2);  // the side owning `own`
  std::swap(position.own, position.opponent);
  CheckMoves(position, d1, d2);  // the other side
  std::swap(position.own, position.opponent);
}

}  // namespace morvik
