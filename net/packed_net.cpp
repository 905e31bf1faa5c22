#include "net/packed_net.h"

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

// Every row writes the numbers of its first eight slots whatever its count,
// without a branch, and moves on by its count; the few longer rows add the
// rest. The numbers are made in registers, not read from memory.
void CollectActive(const RowCounts& counts, ActiveInputs& active) {
  int n = 0;
  for (int side = 0; side < 2; ++side) {
    for (int r = 0; r < kRows; ++r) {
      const V4i low = V4i{0, 1, 2, 3} + (side * 390 + r * 15);
      const V4i high = low + 4;
      const int c = counts.rows[side][r];
      std::memcpy(&active.index[n], &low, sizeof low);
      std::memcpy(&active.index[n + 4], &high, sizeof high);
      if (c > 8) {
        const V4i more[2] = {low + 8, low + 12};
        std::memcpy(&active.index[n + 8], more, sizeof more);
      }
      n += c;
    }
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
