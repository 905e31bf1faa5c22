#include "rules/board_invariants.h"

#include <bit>
#include <cstdint>

#include "rules/enumerate.h"
#include "rules/primitives.h"

namespace morvik {

const char* SideBoardFault(const SideBoard& side) {
  int total = 0;
  for (int row = 0; row < kRows; ++row) {
    uint32_t mask = 0;     // bit s - 1 set for a slot holding 1
    uint32_t strange = 0;  // any bit beyond the lowest of any slot
    for (int s = 1; s <= kCheckersPerSide; ++s) {
      const auto v = static_cast<uint32_t>(side.Slot(row, s));
      mask |= (v & 1u) << (s - 1);
      strange |= v & ~1u;
    }
    if (strange != 0) return "a slot holds neither 0 nor 1";
    if ((mask & (mask + 1)) != 0) return "a row's slots are not filled from slot 1";
    total += std::countr_one(mask);
  }
  return total == kCheckersPerSide ? nullptr : "a side does not have 15 checkers";
}

const char* PositionFault(const SideBoard& own, const SideBoard& opponent) {
  if (const char* fault = SideBoardFault(own)) return fault;
  if (const char* fault = SideBoardFault(opponent)) return fault;
  for (int q = 1; q <= 24; ++q) {
    if (own.Occupied(q) && opponent.Occupied(25 - q)) return "both sides on one point";
  }
  return nullptr;
}

const char* PositionFault(const BoardPosition& position) {
  return PositionFault(position.own, position.opponent);
}

const char* SignedBoardFault(const SignedBoard& board) {
  for (int i = -5; i <= -1; ++i) {
    if (board[i] != 0 || board[i + 31] != 0) return "a margin cell is not 0";
  }
  if (board[0] > 0) return "the computer's bar is positive";
  if (board[25] < 0) return "the human's bar is negative";
  int human = 0;
  int computer = 0;
  for (int i = 0; i <= 25; ++i) {
    human += board[i] > 0 ? board[i] : 0;
    computer += board[i] < 0 ? -board[i] : 0;
  }
  if (human > kCheckersPerSide || computer > kCheckersPerSide)
    return "a side has more than 15 checkers";
  return nullptr;
}

int FindListedPlay(const BoardPosition& before, const BoardPosition& after, const MoveList& list) {
  BoardPosition trial = before;
  for (int i = 0; i < list.count; ++i) {
    ApplyEntry(trial.own, trial.opponent, list[i]);
    const bool match = trial == after;
    UndoEntry(trial.own, trial.opponent, list[i]);
    if (match) return i;
  }
  return -1;
}

const char* MoveListFault(const BoardPosition& position, const MoveList& list) {
  if (list.count < 0 || list.count > MoveList::kCapacity) return "entry count out of range";
  if (list.usable != (list.count == 0 ? 0 : list[0].Length())) return "wrong dice-usable count";
  BoardPosition trial = position;
  for (int i = 0; i < list.count; ++i) {
    if (list[i].Length() < 1) return "an empty entry";
    ApplyEntry(trial.own, trial.opponent, list[i]);
    const char* fault = PositionFault(trial);
    UndoEntry(trial.own, trial.opponent, list[i]);
    if (fault != nullptr) return fault;
    if (!(trial == position)) return "a play taken back did not restore the boards";
  }
  return nullptr;
}

}  // namespace morvik
