#include "net/packed_net.h"

#include <cstring>

#include "net/net_exp.h"
#include "net/net_simd.h"
#include "net/weight_order.h"
#include "rules/primitives.h"

float Sigmoid(float gain, float sum) {
  return NetSigmoid(gain, sum);
}

namespace {
#define MORVIK_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))

// The first hidden layer: one single-precision addition per active input, in
// ascending input order. A sum of two singles formed in double and rounded to
// single equals the single-precision sum, so this is the double sum stored
// back as single after every step.
MORVIK_VECTOR_CLONES void Layer1(const PackedNet& net, const ActiveInputs& active, float* out) {
  V8f sum[kHidden / 8] = {};
  for (int a = 0; a < active.count; ++a) {
    const float* w = net.w1[active.index[a]];
    for (int g = 0; g < kHidden / 8; ++g) {
      V8f wg;
      std::memcpy(&wg, w + 8 * g, sizeof wg);
      sum[g] += wg;
    }
  }
  for (int g = 0; g < kHidden / 8; ++g) {
    V8f y;
    NetSigmoid8(net.gain, sum[g], y);
    std::memcpy(out + 8 * g, &y, sizeof y);
  }
}

// The second hidden layer: product and sum in double, stored as single after
// every step, the 40 units side by side.
MORVIK_VECTOR_CLONES void Layer2(const PackedNet& net, const float* in, float* out) {
  V8d acc[kHidden / 8] = {};
  for (int k = 0; k < kHidden; ++k) {
    const V8d x = MORVIK_SPLAT8(static_cast<double>(in[k]));
    const float* w = net.w2[k];
    for (int g = 0; g < kHidden / 8; ++g) {
      V8f wg;
      std::memcpy(&wg, w + 8 * g, sizeof wg);
      const V8f rounded =
          __builtin_convertvector(acc[g] + x * __builtin_convertvector(wg, V8d), V8f);
      acc[g] = __builtin_convertvector(rounded, V8d);
    }
  }
  for (int g = 0; g < kHidden / 8; ++g) {
    const V8f sum = __builtin_convertvector(acc[g], V8f);
    V8f y;
    NetSigmoid8(net.gain, sum, y);
    std::memcpy(out + 8 * g, &y, sizeof y);
  }
}
}  // namespace

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
// 0, 1, 2, ...: a row's input numbers are a run of this table.
struct InputNumbers {
  int n[kInputs + 8];
  constexpr InputNumbers() : n() {
    for (int i = 0; i < kInputs + 8; ++i) n[i] = i;
  }
};
constexpr InputNumbers kInputNumbers;
}  // namespace

// Every row writes the numbers of its first eight slots whatever its count,
// without a branch, and moves on by its count; the few longer rows add the rest.
void CollectActive(const RowCounts& counts, ActiveInputs& active) {
  int n = 0;
  for (int side = 0; side < 2; ++side) {
    for (int r = 0; r < kRows; ++r) {
      const int first = side * 390 + r * 15;
      const int c = counts.rows[side][r];
      std::memcpy(&active.index[n], &kInputNumbers.n[first], 8 * sizeof(int));
      if (c > 8) std::memcpy(&active.index[n + 8], &kInputNumbers.n[first + 8], 7 * sizeof(int));
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

float Forward(const PackedNet& net, const ActiveInputs& active, NetTrace& trace) {
  Layer1(net, active, trace.hidden1);
  Layer2(net, trace.hidden1, trace.hidden2);
  float out = 0.0f;
  for (int k = 0; k < kHidden; ++k) {
    out = static_cast<float>(static_cast<double>(out) + static_cast<double>(trace.hidden2[k]) *
                                                            static_cast<double>(net.w3[k]));
  }
  trace.output = NetSigmoid(net.gain, out);
  return trace.output;
}

void PackFrom(const float (&weights)[3][MaxLayerWidth][MaxLayerWidth], float gain, PackedNet& net) {
  ForEachWeightIndex(
      [&](int l, int j, int k, int) { PackedWeight(net, l, j, k) = weights[l][j][k]; });
  net.gain = gain;
}
