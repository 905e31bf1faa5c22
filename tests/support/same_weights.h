// Bit-for-bit equality of two networks, for tests of training.
#pragma once

#include <cstring>

#include "net/packed_net.h"

namespace morvik {

// Weights and gain; the padding after the gain takes no part.
inline bool SameWeights(const PackedNet& a, const PackedNet& b) {
  return std::memcmp(a.w1, b.w1, sizeof a.w1) == 0 && std::memcmp(a.w2, b.w2, sizeof a.w2) == 0 &&
         std::memcmp(a.w3, b.w3, sizeof a.w3) == 0 &&
         std::memcmp(&a.gain, &b.gain, sizeof a.gain) == 0;
}

}  // namespace morvik
