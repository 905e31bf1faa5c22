// The program-wide network with weights uniform in +-scale, gain 0.5.
#pragma once

#include <random>
#include <vector>

#include "net/network.h"
#include "net/weight_file.h"

namespace morvik {

inline void SetUpRandomNet(std::mt19937& rng, double scale) {
  std::uniform_real_distribution<double> u(-scale, scale);
  std::vector<float> values(kWeightCount);
  for (float& v : values) v = static_cast<float>(u(rng));
  SetUpProgramNet(values.data());
}

}  // namespace morvik
