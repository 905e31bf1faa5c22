#include "net/packed_net.h"

#include <emmintrin.h>

#include <cstdint>
#include <cstring>

#include "net/batch_forward.h"
#include "net/net_exp.h"
#include "net/weight_order.h"
#include "rules/primitives.h"

namespace morvik {

float Sigmoid(float gain, float sum) {
  return NetSigmoid(gain, sum);
}

void CountRows(const SideBoard& first, const SideBoard& second, RowCounts& counts) {
  for (int r = 0; r < kRows; ++r) {
    counts.rows[0][r] = static_cast<int8_t>(CountCheckers(first, r));
    counts.rows[1][r] = static_cast<int8_t>(CountCheckers(second, r));
  }
}

void CountsAfter(const RowCounts& start, const MoveEntry& entry, RowCounts& after) {
  after = start;
  for (const CheckerMove& m : entry.slot) {
    if (m.from == kEndMarker) break;
    --after.rows[0][m.from];
    ++after.rows[0][m.to];
    if (m.hit == kHit) {
      --after.rows[1][25 - m.to];
      ++after.rows[1][kBarRow];
    }
  }
}

namespace {
typedef int V4i __attribute__((vector_size(16)));
}  // namespace

// Only the occupied rows are visited, found from a mask of the rows' counts.
// Row i of the 52 (the first side's 26, then the second's) starts at input
// 15 i. Each writes the numbers of its first eight slots whatever its count,
// without a branch, and moves on by its count; the few longer rows add the
// rest. The numbers are made in registers, not read from memory.
void CollectActive(const RowCounts& counts, ActiveInputs& active) {
  static_assert(sizeof counts.rows == 2 * kRows && 2 * kRows <= 64);
  alignas(16) int8_t bytes[64] = {};
  std::memcpy(bytes, counts.rows, sizeof counts.rows);
  uint64_t occupied = 0;
  for (int q = 0; q < 4; ++q) {
    const __m128i block = _mm_load_si128(reinterpret_cast<const __m128i*>(bytes + 16 * q));
    const int empty = _mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_setzero_si128()));
    occupied |= static_cast<uint64_t>(~empty & 0xFFFF) << (16 * q);
  }
  int n = 0;
  for (; occupied != 0; occupied &= occupied - 1) {
    const int row = __builtin_ctzll(occupied);
    const V4i low = V4i{0, 1, 2, 3} + row * 15;
    const V4i high = low + 4;
    const int c = bytes[row];
    std::memcpy(&active.index[n], &low, sizeof low);
    std::memcpy(&active.index[n + 4], &high, sizeof high);
    if (c > 8) {
      const V4i more[2] = {low + 8, low + 12};
      std::memcpy(&active.index[n + 8], more, sizeof more);
    }
    n += c;
  }
  active.count = n;
}

void CollectActive(const SideBoard& first, const SideBoard& second, ActiveInputs& active) {
  RowCounts counts;
  CountRows(first, second, counts);
  CollectActive(counts, active);
}

// The units side by side in the widest vector registers the processor has.
float Forward(const PackedNet& net, const ActiveInputs& active, NetTrace& trace) {
  return ForwardOnPath(net, active, trace);
}

void PackFrom(const float (&weights)[3][MaxLayerWidth][MaxLayerWidth], float gain, PackedNet& net) {
  ForEachWeightIndex(
      [&](int l, int j, int k, int) { PackedWeight(net, l, j, k) = weights[l][j][k]; });
  net.gain = gain;
}

}  // namespace morvik

namespace morvik {

void MakeNet(const float* values, PackedNet& net) {
  ForEachPackedWeight(net, [&](float& w, int i) { w = values[i]; });
  net.gain = 0.5f;
}

}  // namespace morvik
