// The two forms of a backgammon position: the signed count per point that the
// game keeps as its record, and the unary board per side that the rules engine
// and the network work on.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace morvik {

inline constexpr int kCheckersPerSide = 15;
inline constexpr int kRows = 26;  // 0 borne off, 1..24 points, 25 bar
inline constexpr int kBarRow = 25;
inline constexpr int kOffRow = 0;
inline constexpr int32_t kEndMarker = 255;  // from = 255: no move in this slot
inline constexpr int32_t kHit = 99;
inline constexpr int32_t kNoHit = 255;

// Signed counts indexed -5..30 in the human's numbering: positive = human,
// negative = computer, 25 = human bar, 0 = minus the computer's bar. The
// margins let point +/- die be read without a range check.
struct SignedBoard {
  std::array<int32_t, 36> cells{};

  int32_t& operator[](int index) { return cells[static_cast<std::size_t>(index + 5)]; }
  int32_t operator[](int index) const { return cells[static_cast<std::size_t>(index + 5)]; }
  bool operator==(const SignedBoard&) const = default;
};

// One side's checkers in its own numbering: 26 rows of 15 unary slots.
// Slot s (1..15) of row r is element r * 15 + (s - 1).
struct SideBoard {
  std::array<int32_t, kRows * kCheckersPerSide> slots{};

  int32_t& Slot(int row, int slot) { return slots[static_cast<std::size_t>(row * 15 + slot - 1)]; }
  int32_t Slot(int row, int slot) const {
    return slots[static_cast<std::size_t>(row * 15 + slot - 1)];
  }
  bool Occupied(int row) const { return Slot(row, 1) != 0; }
  bool Blocked(int row) const { return Slot(row, 2) != 0; }  // two or more checkers
  bool operator==(const SideBoard&) const = default;
};

// Two sides' boards: `own` is the side whose board comes first, `opponent`
// the other. Where moves are listed, `own` is the side to move; where the
// network values a position, the side that has just moved (its value is
// `own`'s). The game's committed board puts the computer first.
struct BoardPosition {
  SideBoard own;
  SideBoard opponent;
  bool operator==(const BoardPosition&) const = default;
};

// One checker moved with one die. from 25 = bar, to 0 = borne off,
// hit 99 = hits a blot, 255 = hits nothing; from 255 marks an empty slot.
struct CheckerMove {
  int32_t from = 0;
  int32_t to = 0;
  int32_t hit = 0;
  bool operator==(const CheckerMove&) const = default;
};

SignedBoard StartingPosition();

}  // namespace morvik
