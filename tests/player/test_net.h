// Hand-made networks whose preferences can be worked out: a few inputs feed
// one chain of units, so the output grows with the summed weight of the
// active inputs and is exactly 0.5 for nothing at all.
#pragma once

#include <cstring>
#include <initializer_list>
#include <utility>

#include "net/network.h"

namespace morvik {

inline void ZeroNet() {
  SetUpProgramNet(nullptr);
}

// Input k (0..389 the mover's half, 390..779 the other side's) adds its
// weight to the first hidden unit, which alone drives the output.
// With w2, w3 > 0 and positive input weights the output grows with the sum.
inline void ChainNet(std::initializer_list<std::pair<int, float>> inputs, float w2 = 1.0f,
                     float w3 = 1.0f) {
  ZeroNet();
  for (const auto& [k, w] : inputs) NetWeights[0][0][k] = w;
  NetWeights[1][0][0] = w2;
  NetWeights[2][0][0] = w3;
  PackNetWeights();
}

// Input index of slot s (1..15) of row r in the first or second half.
inline int Input(int row, int slot, bool secondHalf = false) {
  return (secondHalf ? 390 : 0) + row * 15 + slot - 1;
}

// A dense pseudo-random net, for properties that must hold whatever the
// weights.
inline void RandomNet(unsigned seed) {
  ZeroNet();
  unsigned s = seed;
  auto next = [&s] {
    s = s * 1664525u + 1013904223u;
    return static_cast<float>(static_cast<int>(s >> 8) % 2001 - 1000) / 2500.0f;
  };
  for (int j = 0; j < 40; ++j) {
    for (int k = 0; k < 780; ++k) NetWeights[0][j][k] = next();
    for (int k = 0; k < 40; ++k) NetWeights[1][j][k] = next();
  }
  for (int k = 0; k < 40; ++k) NetWeights[2][0][k] = next();
  PackNetWeights();
}

}  // namespace morvik
