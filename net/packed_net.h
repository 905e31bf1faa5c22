// The network's weights in the order the evaluation reads them, and a forward
// pass over them that rounds exactly as the unit-by-unit loop does.
#pragma once

#include "net/network.h"
#include "rules/move_list.h"

namespace morvik {

struct PackedNet {
  alignas(64) float w1[kInputs][kHidden];  // [input k][hidden unit j]
  alignas(64) float w2[kHidden][kHidden];  // [hidden-1 unit k][hidden-2 unit j]
  alignas(64) float w3[kHidden];
  float gain = 0.5f;
};

// The active inputs (entries equal to 1.0) in ascending order; at most 780.
struct ActiveInputs {
  int count = 0;
  int index[kInputs + 8];  // room for one row's whole block of eight past the end
};

void CollectActive(const SideBoard& first, const SideBoard& second, ActiveInputs& active);

// What the network sees of a position: the checkers on every row of both
// sides, the mover's first. A row's active inputs are its first `count` slots.
struct RowCounts {
  int8_t rows[2][kRows];
  bool operator==(const RowCounts&) const = default;
};
void CountRows(const SideBoard& first, const SideBoard& second, RowCounts& counts);
// The counts after a full move of the first side, as ApplyEntry plays it.
void CountsAfter(const RowCounts& start, const MoveEntry& entry, RowCounts& after);
// The same active inputs as from the SideBoards.
void CollectActive(const RowCounts& counts, ActiveInputs& active);

// Every unit's value, for callers that need more than the output (training).
struct NetTrace {
  alignas(64) float hidden1[kHidden];
  alignas(64) float hidden2[kHidden];
  float output;
};

float Forward(const PackedNet& net, const ActiveInputs& active, NetTrace& trace);

// 1 / (exp(-2 gain sum) + 1), formed in double and stored as single.
float Sigmoid(float gain, float sum);

// A ready network (gain 0.5, the fixed layout) with kWeightCount weights in
// the weight file's order: the tools' way to make one of their own.
void MakeNet(const float* values, PackedNet& net);

// The packed copy of the program-wide weights.
extern PackedNet gPackedNet;
void PackFrom(const float (&weights)[3][MaxLayerWidth][MaxLayerWidth], float gain, PackedNet& net);

}  // namespace morvik
