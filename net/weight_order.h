// The one walk over the network's weights in the weight file's order: layer,
// receiving unit, sending unit. Every copy between the file, the program-wide
// matrices and a packed network follows it.
#pragma once

#include "net/network.h"
#include "net/packed_net.h"

namespace morvik {

// visit(layer 0..2, receiving unit j, sending unit k, index in file order).
template <typename Visit>
void ForEachWeightIndex(Visit visit) {
  int i = 0;
  for (int j = 0; j < kHidden; ++j) {
    for (int k = 0; k < kInputs; ++k) visit(0, j, k, i++);
  }
  for (int j = 0; j < kHidden; ++j) {
    for (int k = 0; k < kHidden; ++k) visit(1, j, k, i++);
  }
  for (int k = 0; k < kHidden; ++k) visit(2, 0, k, i++);
}

// Where a packed network keeps weight (layer, j, k).
template <typename Net>
auto& PackedWeight(Net& net, int layer, int j, int k) {
  return layer == 0 ? net.w1[k][j] : (layer == 1 ? net.w2[k][j] : net.w3[k]);
}

// A packed network's weights, each with its index in file order.
template <typename Net, typename Visit>
void ForEachPackedWeight(Net& net, Visit visit) {
  ForEachWeightIndex([&](int l, int j, int k, int i) { visit(PackedWeight(net, l, j, k), i); });
}

}  // namespace morvik
