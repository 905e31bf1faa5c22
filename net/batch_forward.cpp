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
// passes of a half and a quarter of the width serve them for less.
constexpr int kHalfBatch = kBatchSize / 2;
constexpr int kQuarterBatch = kBatchSize / 4;

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

namespace {

// One pass of `width` lanes over n <= width positions on the active path.
void Pass(int width, const PackedNet& net, const ActiveInputs* const* inputs, int n,
          float* values) {
  switch (gPath) {
    case NetPath::kAvx512:
      if (width == kBatchSize) return avx512::Forward<8, 8, kBatchSize>(net, inputs, n, values);
      if (width == kHalfBatch) return avx512::Forward<8, 10, kHalfBatch>(net, inputs, n, values);
      return avx2::Forward<4, 10, kQuarterBatch>(net, inputs, n, values);
    case NetPath::kAvx2:
      if (width == kBatchSize) return avx2::Forward<4, 5, kBatchSize>(net, inputs, n, values);
      if (width == kHalfBatch) return avx2::Forward<4, 8, kHalfBatch>(net, inputs, n, values);
      return avx2::Forward<4, 10, kQuarterBatch>(net, inputs, n, values);
    case NetPath::kSse2:
      break;
  }
  if (width == kBatchSize) return sse2::Forward<2, 1, kBatchSize>(net, inputs, n, values);
  if (width == kHalfBatch) return sse2::Forward<2, 2, kHalfBatch>(net, inputs, n, values);
  sse2::Forward<2, 4, kQuarterBatch>(net, inputs, n, values);
}

// The pass widths worth their cost: a pass of a width runs while more than
// its threshold of positions remain; a few last ones go one at a time.
// Measured on each path: the wide passes' fixed cost, and with it the point
// where they pay, differ from one vector unit to the next.
struct PassThresholds {
  int full;
  int half;
  int quarter;
};

PassThresholds ThresholdsOf(NetPath path) {
  switch (path) {
    case NetPath::kAvx512:
      return {10, 4, kQuarterBatch};
    case NetPath::kAvx2:
      return {12, 4, 3};
    case NetPath::kSse2:
      break;
  }
  return {kBatchSize, 5, 3};
}

}  // namespace

void ForwardBatch(const PackedNet& net, const ActiveInputs* const* inputs, int n, float* values) {
  const PassThresholds t = ThresholdsOf(gPath);
  while (n > 0) {
    int width = 1;
    if (n > t.full) {
      width = kBatchSize;
    } else if (n > t.half) {
      width = kHalfBatch;
    } else if (n > t.quarter) {
      width = kQuarterBatch;
    }
    const int m = n < width ? n : width;
    if (width == 1) {
      NetTrace trace;
      values[0] = ForwardOnPath(net, *inputs[0], trace);
    } else {
      Pass(width, net, inputs, m, values);
    }
    inputs += m;
    values += m;
    n -= m;
  }
}

}  // namespace morvik
