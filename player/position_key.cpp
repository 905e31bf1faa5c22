#include "player/position_key.h"

#include "rules/primitives.h"

namespace morvik {

namespace {

void AddToRow(PositionKey& key, int row, int64_t delta) {
  if (row < 16) {
    key.low += static_cast<uint64_t>(delta) << (4 * row);
  } else {
    key.high += static_cast<uint64_t>(delta) << (4 * (row - 16));
  }
}

uint64_t Mix(const PositionKey& key) {
  uint64_t h = key.low * 0x9E3779B97F4A7C15ULL ^ key.high;
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ULL;
  return h ^ (h >> 32);
}

}  // namespace

PositionKey KeyOf(const SideBoard& own) {
  PositionKey key;
  for (int r = 0; r < kRows; ++r) AddToRow(key, r, CountCheckers(own, r));
  return key;
}

PositionKey KeyAfter(PositionKey key, const MoveEntry& entry) {
  for (const CheckerMove& m : entry.slot) {
    if (m.from == kEndMarker) break;
    AddToRow(key, m.from, -1);
    AddToRow(key, m.to, 1);
    if (m.hit == kHit) key.high |= uint64_t{1} << (40 + (25 - m.to) - 1);
  }
  return key;
}

void ScoreTable::Reset(int n) {
  if (++stamp_ == 0) {  // the stamp wrapped: clear for real
    for (Cell& c : cells_) c.stamp = 0;
    stamp_ = 1;
  }
  uint32_t size = 64;
  while (size < 2u * static_cast<uint32_t>(n) && size < kCells) size *= 2;
  mask_ = size - 1;
  used_ = 0;
}

uint32_t ScoreTable::Home(const PositionKey& key) const {
  return static_cast<uint32_t>(Mix(key)) & mask_;
}

const float* ScoreTable::Find(const PositionKey& key) const {
  for (uint32_t i = Home(key);; i = (i + 1) & mask_) {
    const Cell& c = cells_[i];
    if (c.stamp != stamp_) return nullptr;
    if (c.key == key) return &c.score;
  }
}

void ScoreTable::Add(const PositionKey& key, float score) {
  if (2 * (used_ + 1) > mask_ + 1) return;  // keep at least half the cells free
  uint32_t i = Home(key);
  while (cells_[i].stamp == stamp_) i = (i + 1) & mask_;
  cells_[i] = Cell{key, stamp_, score};
  ++used_;
}

}  // namespace morvik
