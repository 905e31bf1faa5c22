// The list of legal full moves for one roll.
#pragma once

#include "rules/board.h"

namespace morvik {

// Up to four single moves played in slot order; a from of 255 ends the entry
// (and in slot 1 marks an entry struck out). Slots after the end marker hold 0.
struct MoveEntry {
  std::array<CheckerMove, 4> slot{};

  int Length() const {
    int n = 0;
    while (n < 4 && slot[static_cast<std::size_t>(n)].from >= 1 &&
           slot[static_cast<std::size_t>(n)].from <= 25)
      ++n;
    return n;
  }
};

struct MoveList {
  static constexpr int kCapacity = 50625;  // four levels of at most 15 moves
  int32_t count = 0;
  int32_t usable = 0;  // how many dice the side must use
  std::array<MoveEntry, kCapacity> entries;

  MoveEntry& operator[](int i) { return entries[static_cast<std::size_t>(i)]; }
  const MoveEntry& operator[](int i) const { return entries[static_cast<std::size_t>(i)]; }
};

// An entry struck out of a list carries 255 in slot 1's from.
inline bool Struck(const MoveEntry& entry) {
  return entry.slot[0].from == kEndMarker;
}
inline void Strike(MoveEntry& entry) {
  entry.slot[0].from = kEndMarker;
}
}  // namespace morvik
