#include "net/packed_net.h"

#include <cstring>

#include "net/net_exp.h"
#include "net/net_simd.h"
#include "net/weight_order.h"

float Sigmoid(float gain, float sum) {
  return NetSigmoid(gain, sum);
}

namespace {
// Slots are contiguous from slot 1, so a row's active inputs are its first
// `count` entries.
void CollectSide(const SideBoard& side, int base, ActiveInputs& active) {
  for (int r = 0; r < kRows; ++r) {
    for (int s = 1; s <= kCheckersPerSide && side.Slot(r, s) != 0; ++s) {
      active.index[active.count++] = base + r * 15 + s - 1;
    }
  }
}

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

void CollectActive(const SideBoard& first, const SideBoard& second, ActiveInputs& active) {
  active.count = 0;
  CollectSide(first, 0, active);
  CollectSide(second, 390, active);
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
