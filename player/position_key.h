// An exact, compact key for the position a full move leads to, and a table
// that finds the first entry of a list reaching each position. Identical
// positions get identical network values, so a repeat is never evaluated.
#pragma once

#include <cstdint>

#include "rules/move_list.h"

// The mover's checker count of every row in four bits each (rows 0..15 in
// `low`, rows 16..25 in bits 0..39 of `high`), and in bits 40..63 of `high`
// the opponent's rows hit by the move. A row can be hit only once in a move,
// since its checker goes to the bar and cannot come back before the move ends.
struct PositionKey {
  uint64_t low = 0;
  uint64_t high = 0;
  bool operator==(const PositionKey&) const = default;
};

PositionKey KeyOf(const SideBoard& own);
PositionKey KeyAfter(PositionKey start, const MoveEntry& entry);

class RepeatTable {
 public:
  // Forgets everything; prepares for a list of n entries.
  void Reset(int n);
  // The index of the first entry recorded with this key, else records
  // `index` under it and returns -1.
  int FindOrAdd(const PositionKey& key, int index);

 private:
  struct Cell {
    PositionKey key;
    uint32_t stamp = 0;
    int32_t index = 0;
  };
  static constexpr int kCells = 1 << 17;  // more than twice the longest list
  Cell cells_[kCells];
  uint32_t stamp_ = 0;
  uint32_t mask_ = 0;
};
