// An exact, compact key for the position a full move leads to, and a table
// of the values of positions already evaluated. Identical positions get
// identical network values, so a repeat is never evaluated.
#pragma once

#include <cstdint>

#include "rules/move_list.h"

namespace morvik {

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

// Network values of positions already met, by key.
class ScoreTable {
 public:
  // Forgets everything; sizes the table for about n positions.
  void Reset(int n);
  // The value recorded for this key, or nullptr.
  const float* Find(const PositionKey& key) const;
  // Starts loading the key's home cell, for a Find soon after.
  void Prefetch(const PositionKey& key) const { __builtin_prefetch(&cells_[Home(key)]); }
  // Records a value for a key not yet recorded (ignored once half full).
  void Add(const PositionKey& key, float score);

 private:
  struct Cell {
    PositionKey key;
    uint32_t stamp = 0;
    float score = 0.0f;
  };
  static constexpr uint32_t kCells = 1 << 17;  // more than twice the longest list
  uint32_t Home(const PositionKey& key) const;

  Cell cells_[kCells];
  uint32_t stamp_ = 0;
  uint32_t mask_ = 0;
  uint32_t used_ = 0;
};

}  // namespace morvik
