#include "net/batch_forward.h"

#include <immintrin.h>

#include <cstring>

#include "net/net_simd.h"

namespace morvik {

#define MORVIK_KERNEL __attribute__((always_inline)) inline

// The one kernel built for each vector unit: 128-bit registers on every
// x86-64, 256-bit with AVX2, 512-bit with AVX-512. Each copy lives in its own
// namespace inside a region compiled for its unit. U units of the second
// layer run at once, as many chains as the registers hold.
namespace {
namespace sse2 {
#define MORVIK_LANES 2
#include "net/batch_kernel.inc"
#undef MORVIK_LANES
}  // namespace sse2
}  // namespace

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,fma"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,fma")
#endif
namespace {
namespace avx2 {
#define MORVIK_LANES 4
#include "net/batch_kernel.inc"
#undef MORVIK_LANES
}  // namespace avx2
}  // namespace
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx512f"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx512f")
// The 512-bit conversions start from a deliberately undefined register.
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
namespace {
namespace avx512 {
#define MORVIK_LANES 8
#include "net/batch_kernel.inc"
#undef MORVIK_LANES
}  // namespace avx512
}  // namespace
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

namespace {

// Short lists and the last batch of a list often fill half a batch or less:
// a pass of half the width serves them at half the cost.
constexpr int kHalfBatch = kBatchSize / 2;

NetPath Detect() {
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx512f")) return NetPath::kAvx512;
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) return NetPath::kAvx2;
  return NetPath::kSse2;
}

NetPath gPath = Detect();

}  // namespace

NetPath BestNetPath() {
  static const NetPath best = Detect();
  return best;
}

NetPath ActiveNetPath() {
  return gPath;
}

void ForceNetPath(NetPath path) {
  gPath = path < BestNetPath() ? path : BestNetPath();
}

const char* NetPathName(NetPath path) {
  switch (path) {
    case NetPath::kAvx512:
      return "avx512";
    case NetPath::kAvx2:
      return "avx2";
    case NetPath::kSse2:
      break;
  }
  return "sse2";
}

float ForwardOnPath(const PackedNet& net, const ActiveInputs& active, NetTrace& trace) {
  switch (gPath) {
    case NetPath::kAvx512:
      return avx512::ForwardOne<8>(net, active, trace);
    case NetPath::kAvx2:
      return avx2::ForwardOne<4>(net, active, trace);
    case NetPath::kSse2:
      break;
  }
  return sse2::ForwardOne<2>(net, active, trace);
}

void ForwardBatch(const PackedNet& net, const ActiveInputs* const* inputs, int n, float* values) {
  switch (gPath) {
    case NetPath::kAvx512:
      if (n <= kHalfBatch) {
        avx512::Forward<8, 10, kHalfBatch>(net, inputs, n, values);
      } else {
        avx512::Forward<8, 8, kBatchSize>(net, inputs, n, values);
      }
      return;
    case NetPath::kAvx2:
      if (n <= kHalfBatch) {
        avx2::Forward<4, 5, kHalfBatch>(net, inputs, n, values);
      } else {
        avx2::Forward<4, 5, kBatchSize>(net, inputs, n, values);
      }
      return;
    case NetPath::kSse2:
      break;
  }
  if (n <= kHalfBatch) {
    sse2::Forward<2, 2, kHalfBatch>(net, inputs, n, values);
  } else {
    sse2::Forward<2, 1, kBatchSize>(net, inputs, n, values);
  }
}

}  // namespace morvik
