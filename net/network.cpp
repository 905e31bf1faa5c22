#include "net/network.h"

#include <cstring>

#include "net/packed_net.h"
#include "net/weight_file.h"
#include "rules/primitives.h"

namespace morvik {

int32_t NetLayout[5];
float NetWeights[3][MaxLayerWidth][MaxLayerWidth];
float NetActivations[4][MaxLayerWidth];
float NetGain;
PackedNet gPackedNet;

namespace {
ActiveInputs gActive;
NetTrace gTrace;

void StoreTrace(const NetTrace& trace) {
  for (int j = 0; j < kHidden; ++j) {
    NetActivations[1][j] = trace.hidden1[j];
    NetActivations[2][j] = trace.hidden2[j];
  }
  NetActivations[3][0] = trace.output;
}
}  // namespace

void InitNetLayout() {
  NetLayout[0] = 4;
  NetLayout[1] = kInputs;
  NetLayout[2] = kHidden;
  NetLayout[3] = kHidden;
  NetLayout[4] = 1;
}

void SetUpProgramNet(const float* values) {
  NetGain = 0.5f;
  InitNetLayout();
  if (values != nullptr) {
    StoreWeights(values);
    return;
  }
  std::memset(NetWeights, 0, sizeof NetWeights);
  PackNetWeights();
}

void PackNetWeights() {
  PackFrom(NetWeights, NetGain, gPackedNet);
}

void EvaluateNet() {
  gActive.count = 0;
  for (int k = 0; k < kInputs; ++k) {
    if (NetActivations[0][k] == 1.0f) gActive.index[gActive.count++] = k;
  }
  Forward(gPackedNet, gActive, gTrace);
  StoreTrace(gTrace);
}

void EncodeInput(const SideBoard& first, const SideBoard& second) {
  for (int i = 0; i < 390; ++i) {
    NetActivations[0][i] = static_cast<float>(first.slots[static_cast<size_t>(i)]);
    NetActivations[0][390 + i] = static_cast<float>(second.slots[static_cast<size_t>(i)]);
  }
}

float EvaluateBoards(const SideBoard& first, const SideBoard& second) {
  CollectActive(first, second, gActive);
  Forward(gPackedNet, gActive, gTrace);
  StoreTrace(gTrace);
  return gTrace.output;
}

}  // namespace morvik
