// The network's loops eight units at a time, in the compiler's portable vector
// types: the same operations in the same order as the scalar forms, so every
// lane width gives the scalar result bit for bit.
#pragma once

#include "net/net_exp.h"

namespace morvik {

// Only inlined into the evaluation loops: no vector crosses a call boundary.
// The helpers take and give vectors by reference all the same: clang refuses a
// wide vector passed by value into code built without AVX, inlined or not.
#pragma GCC diagnostic ignored "-Wpsabi"

typedef double V8d __attribute__((vector_size(64)));  // eight lanes
typedef float V8f __attribute__((vector_size(32)));
typedef long long V8l __attribute__((vector_size(64)));

#define MORVIK_SPLAT8(x) (V8d{(x), (x), (x), (x), (x), (x), (x), (x)})

__attribute__((always_inline)) inline void NetExp8(const V8d& x, V8d& result) {
  const V8d shift = MORVIK_SPLAT8(0x1.8p52);
  const V8d kd = (x * MORVIK_SPLAT8(1.4426950408889634) + shift) - shift;
  const V8d r = (x - kd * MORVIK_SPLAT8(6.93147180369123816490e-01)) -
                kd * MORVIK_SPLAT8(1.90821492927058770002e-10);
  V8d p = MORVIK_SPLAT8(1.0 / 6227020800.0);
  p = p * r + MORVIK_SPLAT8(1.0 / 479001600.0);
  p = p * r + MORVIK_SPLAT8(1.0 / 39916800.0);
  p = p * r + MORVIK_SPLAT8(1.0 / 3628800.0);
  p = p * r + MORVIK_SPLAT8(1.0 / 362880.0);
  p = p * r + MORVIK_SPLAT8(1.0 / 40320.0);
  p = p * r + MORVIK_SPLAT8(1.0 / 5040.0);
  p = p * r + MORVIK_SPLAT8(1.0 / 720.0);
  p = p * r + MORVIK_SPLAT8(1.0 / 120.0);
  p = p * r + MORVIK_SPLAT8(1.0 / 24.0);
  p = p * r + MORVIK_SPLAT8(1.0 / 6.0);
  p = p * r + MORVIK_SPLAT8(0.5);
  p = p * r + MORVIK_SPLAT8(1.0);
  p = p * r + MORVIK_SPLAT8(1.0);
  const V8l k = __builtin_convertvector(kd, V8l);
  const V8l bits = (k + 1023) << 52;
  result = p * __builtin_bit_cast(V8d, bits);
}

// NetSigmoid for eight sums.
__attribute__((always_inline)) inline void NetSigmoid8(double gain, const V8f& sum, V8f& result) {
  const V8d x = MORVIK_SPLAT8(-2.0 * gain) * __builtin_convertvector(sum, V8d);
  const V8l inRange = (x >= MORVIK_SPLAT8(-40.0)) & (x <= MORVIK_SPLAT8(105.0));
  const V8d safe = inRange ? x : MORVIK_SPLAT8(0.0);
  V8d e;
  NetExp8(safe, e);
  const V8d value = MORVIK_SPLAT8(1.0) / (e + MORVIK_SPLAT8(1.0));
  const V8d ends = x < MORVIK_SPLAT8(-40.0) ? MORVIK_SPLAT8(1.0)
                                            : (x > MORVIK_SPLAT8(105.0) ? MORVIK_SPLAT8(0.0) : x);
  result = __builtin_convertvector(inRange ? value : ends, V8f);
}

}  // namespace morvik
