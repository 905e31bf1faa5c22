// When the look-ahead runs: the second-best static score must be greater
// than 0.97 times the best, the product formed in double precision.
#pragma once

namespace morvik {

inline constexpr double kCloseCall = 0.97;

inline bool CloseCall(float best, float second) {
  return static_cast<double>(second) > kCloseCall * static_cast<double>(best);
}

}  // namespace morvik
