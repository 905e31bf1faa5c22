// The network's exponential: double accuracy (within about one unit in the
// last place of a double), written so that a loop over many units runs in
// vector registers, with the same result in every lane width.
#pragma once

#include <cstdint>
#include <cstring>

namespace morvik {

inline double NetExp(double x) {
  // x = k ln2 + r, |r| <= ln2 / 2; ln2 split so that k * kLn2Hi is exact.
  constexpr double kLog2e = 1.4426950408889634;
  constexpr double kLn2Hi = 6.93147180369123816490e-01;
  constexpr double kLn2Lo = 1.90821492927058770002e-10;
  constexpr double kShift = 0x1.8p52;  // rounds to the nearest integer
  const double kd = (x * kLog2e + kShift) - kShift;
  const double r = (x - kd * kLn2Hi) - kd * kLn2Lo;
  // Taylor series to r^13: the remainder is below 2^-57 for |r| <= ln2 / 2.
  double p = 1.0 / 6227020800.0;
  p = p * r + 1.0 / 479001600.0;
  p = p * r + 1.0 / 39916800.0;
  p = p * r + 1.0 / 3628800.0;
  p = p * r + 1.0 / 362880.0;
  p = p * r + 1.0 / 40320.0;
  p = p * r + 1.0 / 5040.0;
  p = p * r + 1.0 / 720.0;
  p = p * r + 1.0 / 120.0;
  p = p * r + 1.0 / 24.0;
  p = p * r + 1.0 / 6.0;
  p = p * r + 0.5;
  p = p * r + 1.0;
  p = p * r + 1.0;
  const int64_t k = static_cast<int64_t>(kd);
  const uint64_t bits = static_cast<uint64_t>(k + 1023) << 52;
  double scale;
  std::memcpy(&scale, &bits, sizeof scale);
  return p * scale;
}

// The unit's output 1 / (exp(-2 gain sum) + 1), formed in double and stored
// as single. Outside [-40, 105] the result is exactly 1 or 0 in single
// precision whatever the exponential's last bits, so those ends are cut off.
inline float NetSigmoid(float gain, float sum) {
  const double x = -2.0 * static_cast<double>(gain) * static_cast<double>(sum);
  const bool inRange = x >= -40.0 && x <= 105.0;  // false for a NaN sum
  const float value = static_cast<float>(1.0 / (NetExp(inRange ? x : 0.0) + 1.0));
  if (inRange) return value;
  return x < -40.0 ? 1.0f : (x > 105.0 ? 0.0f : static_cast<float>(x));
}

}  // namespace morvik
