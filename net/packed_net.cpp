#include "net/packed_net.h"

#include <cmath>

#include "rules/primitives.h"

float Sigmoid(float gain, float sum) {
  const double x = -2.0 * static_cast<double>(gain) * static_cast<double>(sum);
  return static_cast<float>(1.0 / (std::exp(x) + 1.0));
}

namespace {
// Slots are contiguous from slot 1, so a row's active inputs are its first
// `count` entries.
void CollectSide(const SideBoard& side, int base, ActiveInputs& active) {
  for (int r = 0; r < kRows; ++r) {
    const int c = CountCheckers(side, r);
    for (int s = 0; s < c; ++s) active.index[active.count++] = base + r * 15 + s;
  }
}

// Sums for the first hidden layer: one single-precision addition per active
// input, in ascending input order (exactly the rounding of the double sum
// stored back as single after every step).
void SumLayer1(const PackedNet& net, const ActiveInputs& active, float* sum) {
  for (int j = 0; j < kHidden; ++j) sum[j] = 0.0f;
  for (int a = 0; a < active.count; ++a) {
    const float* w = net.w1[active.index[a]];
    for (int j = 0; j < kHidden; ++j) sum[j] += w[j];
  }
}

// Sums for the second hidden layer: product and sum in double, stored as
// single after every step, units side by side.
__attribute__((target_clones("avx2", "default"))) void SumLayer2(const PackedNet& net,
                                                                   const float* in, float* sum) {
  double acc[kHidden];
  for (int j = 0; j < kHidden; ++j) acc[j] = 0.0;
  for (int k = 0; k < kHidden; ++k) {
    const double x = in[k];
    const float* w = net.w2[k];
    for (int j = 0; j < kHidden; ++j) {
      acc[j] = static_cast<double>(static_cast<float>(acc[j] + x * static_cast<double>(w[j])));
    }
  }
  for (int j = 0; j < kHidden; ++j) sum[j] = static_cast<float>(acc[j]);
}
}  // namespace

void CollectActive(const SideBoard& first, const SideBoard& second, ActiveInputs& active) {
  active.count = 0;
  CollectSide(first, 0, active);
  CollectSide(second, 390, active);
}

float Forward(const PackedNet& net, const ActiveInputs& active, NetTrace& trace) {
  float sum[kHidden];
  SumLayer1(net, active, sum);
  for (int j = 0; j < kHidden; ++j) trace.hidden1[j] = Sigmoid(net.gain, sum[j]);
  SumLayer2(net, trace.hidden1, sum);
  for (int j = 0; j < kHidden; ++j) trace.hidden2[j] = Sigmoid(net.gain, sum[j]);
  float out = 0.0f;
  for (int k = 0; k < kHidden; ++k) {
    out = static_cast<float>(static_cast<double>(out) +
                             static_cast<double>(trace.hidden2[k]) * static_cast<double>(net.w3[k]));
  }
  trace.output = Sigmoid(net.gain, out);
  return trace.output;
}

void PackFrom(const float (&weights)[3][MaxLayerWidth][MaxLayerWidth], float gain, PackedNet& net) {
  for (int j = 0; j < kHidden; ++j) {
    for (int k = 0; k < kInputs; ++k) net.w1[k][j] = weights[0][j][k];
    for (int k = 0; k < kHidden; ++k) net.w2[k][j] = weights[1][j][k];
  }
  for (int k = 0; k < kHidden; ++k) net.w3[k] = weights[2][0][k];
  net.gain = gain;
}
