// One temporal-difference step: the network's value of one position moved
// toward a target by back-propagation through the forward trace.
#pragma once

#include "net/packed_net.h"

namespace morvik {

// Evaluates the position with the current weights, then changes them by
// alpha * (target - value) * gradient. Only the active inputs' first-layer
// weights have a non-zero gradient. Returns the value before the step.
float TdStep(PackedNet& net, const ActiveInputs& active, float target, float alpha);

}  // namespace morvik
