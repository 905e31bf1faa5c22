// Fits the network to positions with fixed targets: passes over them in a
// fresh shuffled order, one gradient step a position, the learning rate
// falling linearly over the passes; a share is held out to watch the error.
#pragma once

#include <cstdint>
#include <vector>

#include "net/packed_net.h"
#include "train/position_set.h"

namespace morvik {

struct FitOptions {
  int epochs = 10;
  float alpha = 0.01f;       // the first pass's learning rate
  float lateAlpha = 0.001f;  // the last pass's
  double heldOut = 0.05;     // share of the positions never stepped on
  uint64_t seed = 1;
};

// Root mean square of (target - value) over positions [first, end).
double RmsError(const PackedNet& net, const std::vector<TrainingPosition>& positions, size_t first,
                size_t end);

class Fitter {
 public:
  // Shuffles the positions once; the last heldOut share is held out.
  Fitter(const FitOptions& options, std::vector<TrainingPosition> positions);
  int Epochs() const { return options_.epochs; }
  float AlphaOf(int epoch) const;
  // One pass over the training share; returns its error before each step.
  double Pass(PackedNet& net, int epoch);
  double HeldOutError(const PackedNet& net) const;
  size_t TrainingCount() const { return split_; }
  size_t HeldOutCount() const { return positions_.size() - split_; }

 private:
  FitOptions options_;
  std::vector<TrainingPosition> positions_;
  std::vector<uint32_t> order_;
  size_t split_ = 0;
};

}  // namespace morvik
