// Many positions through the network in one pass: each value is bit for bit
// the one Forward gives for that position alone. The positions' long chains
// of rounded additions run side by side, so the processor does not wait on
// any one of them.
#pragma once

#include "net/packed_net.h"

namespace morvik {

// Positions per pass.
inline constexpr int kBatchSize = 16;

// The vector units the evaluation can use, from the baseline of every x86-64
// processor upwards.
enum class NetPath { kSse2, kAvx2, kAvx512 };

// The best path this processor offers.
NetPath BestNetPath();
// The path in use: the best one unless forced lower.
NetPath ActiveNetPath();
// Uses `path`, or the best one the processor offers when that is lower.
void ForceNetPath(NetPath path);
const char* NetPathName(NetPath path);

// One position on the active path: what Forward computes.
float ForwardOnPath(const PackedNet& net, const ActiveInputs& active, NetTrace& trace);

// values[b] = the network's output for inputs[b], b < n, 1 <= n <= kBatchSize.
void ForwardBatch(const PackedNet& net, const ActiveInputs* const* inputs, int n, float* values);

}  // namespace morvik
