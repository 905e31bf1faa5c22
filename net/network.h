// The network's program-wide storage (layout, weights, activation rows, gain)
// and its forward evaluation: 780 inputs, two hidden layers of 40 logistic
// units, one output unit, no bias terms, single-precision values.
#pragma once

#include <cstdint>

#include "rules/board.h"

namespace morvik {

inline constexpr int MaxLayerWidth = 780;
inline constexpr int kInputs = 780;
inline constexpr int kHidden = 40;
inline constexpr int kWeightCount = 40 * 780 + 40 * 40 + 40;  // 32,840

extern int32_t NetLayout[5];                               // count, then sizes
extern float NetWeights[3][MaxLayerWidth][MaxLayerWidth];  // (l, j, k)
extern float NetActivations[4][MaxLayerWidth];             // row 0 is the input
extern float NetGain;

void InitNetLayout();

// Makes the program-wide network ready: gain 0.5, the fixed layout, and the
// kWeightCount weights given in file order (all 0.0 when `values` is null),
// packed for the fast evaluation. Every program sets its network up here,
// once, at its start; the game does so before its window opens.
void SetUpProgramNet(const float* values);

// Reads row 0, overwrites rows 1..3; the result is NetOutput().
void EvaluateNet();
inline float NetOutput() {
  return NetActivations[NetLayout[0] - 1][0];
}

// Writes row 0 from two SideBoards: the mover's first, then the other side's.
void EncodeInput(const SideBoard& first, const SideBoard& second);

// The same evaluation straight from the two SideBoards, without scanning the
// input row: rows 1..3 are written as by EvaluateNet, row 0 is left alone.
float EvaluateBoards(const SideBoard& first, const SideBoard& second);

// Rebuilds the packed copy that the fast evaluation reads; needed after any
// direct change of NetWeights (LoadWeights calls it).
void PackNetWeights();

}  // namespace morvik
