// The evaluation written unit by unit, exactly as the network is defined:
// the plain loop that the fast evaluation must match bit for bit. It uses the
// network's own double-accurate exponential, tested against the library's.
#pragma once

#include "net/net_exp.h"
#include "net/network.h"

namespace morvik {

inline void ReferenceEvaluateNet() {
  const int count = NetLayout[0];
  for (int p = 1; p <= count - 1; ++p) {
    for (int j = 0; j < NetLayout[p + 1]; ++j) {
      float& acc = NetActivations[p][j];
      acc = 0.0f;
      for (int k = 0; k < NetLayout[p]; ++k) {
        if (p == 1) {
          if (NetActivations[0][k] == 1.0f) {
            acc = static_cast<float>(static_cast<double>(acc) +
                                     static_cast<double>(NetWeights[0][j][k]));
          }
        } else {
          acc = static_cast<float>(static_cast<double>(acc) +
                                   static_cast<double>(NetActivations[p - 1][k]) *
                                       static_cast<double>(NetWeights[p - 1][j][k]));
        }
      }
      acc = static_cast<float>(
          1.0 / (NetExp(-2.0 * static_cast<double>(NetGain) * static_cast<double>(acc)) + 1.0));
    }
  }
}

}  // namespace morvik
