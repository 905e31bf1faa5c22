// The network's loops eight units at a time, in the compiler's portable vector
// types: the same operations in the same order as the scalar forms, so every
// lane width gives the scalar result bit for bit.
#pragma once

#include "net/net_exp.h"

// Only inlined into the evaluation loops: no vector crosses a call boundary.
#pragma GCC diagnostic ignored "-Wpsabi"

typedef double V8d __attribute__((vector_size(64)));  // eight lanes
typedef float V8f __attribute__((vector_size(32)));
typedef long long V8l __attribute__((vector_size(64)));

__attribute__((always_inline)) inline V8d Splat(double x) {
  return V8d{x, x, x, x, x, x, x, x};
}

__attribute__((always_inline)) inline V8d NetExp8(V8d x) {
  const V8d shift = Splat(0x1.8p52);
  const V8d kd = (x * Splat(1.4426950408889634) + shift) - shift;
  const V8d r =
      (x - kd * Splat(6.93147180369123816490e-01)) - kd * Splat(1.90821492927058770002e-10);
  V8d p = Splat(1.0 / 6227020800.0);
  p = p * r + Splat(1.0 / 479001600.0);
  p = p * r + Splat(1.0 / 39916800.0);
  p = p * r + Splat(1.0 / 3628800.0);
  p = p * r + Splat(1.0 / 362880.0);
  p = p * r + Splat(1.0 / 40320.0);
  p = p * r + Splat(1.0 / 5040.0);
  p = p * r + Splat(1.0 / 720.0);
  p = p * r + Splat(1.0 / 120.0);
  p = p * r + Splat(1.0 / 24.0);
  p = p * r + Splat(1.0 / 6.0);
  p = p * r + Splat(0.5);
  p = p * r + Splat(1.0);
  p = p * r + Splat(1.0);
  const V8l k = __builtin_convertvector(kd, V8l);
  const V8l bits = (k + 1023) << 52;
  return p * __builtin_bit_cast(V8d, bits);
}

// NetSigmoid for eight sums.
__attribute__((always_inline)) inline V8f NetSigmoid8(double gain, V8f sum) {
  const V8d x = Splat(-2.0 * gain) * __builtin_convertvector(sum, V8d);
  const V8l inRange = (x >= Splat(-40.0)) & (x <= Splat(105.0));
  const V8d safe = inRange ? x : Splat(0.0);
  const V8d value = Splat(1.0) / (NetExp8(safe) + Splat(1.0));
  const V8d ends = x < Splat(-40.0) ? Splat(1.0) : (x > Splat(105.0) ? Splat(0.0) : x);
  return __builtin_convertvector(inRange ? value : ends, V8f);
}
