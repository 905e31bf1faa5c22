#include "train/fitter.h"

#include <cmath>
#include <utility>

#include "headless/dice_stream.h"
#include "headless/td_step.h"

namespace morvik {

namespace {
// Fisher-Yates with the project's own stream, the same on every platform.
template <typename T>
void Shuffle(std::vector<T>& items, DiceStream& random) {
  for (size_t i = items.size(); i > 1; --i) {
    const size_t j = static_cast<size_t>(random.Next() % i);
    std::swap(items[i - 1], items[j]);
  }
}
}  // namespace

double RmsError(const PackedNet& net, const std::vector<TrainingPosition>& positions, size_t first,
                size_t end) {
  if (end <= first) return 0.0;
  ActiveInputs active;
  NetTrace trace;
  double sum = 0.0;
  for (size_t i = first; i < end; ++i) {
    CollectActive(positions[i].counts, active);
    const double e = positions[i].target - Forward(net, active, trace);
    sum += e * e;
  }
  return std::sqrt(sum / static_cast<double>(end - first));
}

Fitter::Fitter(const FitOptions& options, std::vector<TrainingPosition> positions)
    : options_(options), positions_(std::move(positions)) {
  DiceStream random(StreamSeed(options_.seed, 0xF177ull));
  Shuffle(positions_, random);
  const double keep = 1.0 - options_.heldOut;
  split_ = static_cast<size_t>(keep * static_cast<double>(positions_.size()));
  order_.resize(split_);
  for (size_t i = 0; i < split_; ++i) order_[i] = static_cast<uint32_t>(i);
}

float Fitter::AlphaOf(int epoch) const {
  if (options_.epochs <= 1) return options_.alpha;
  const float t = static_cast<float>(epoch) / static_cast<float>(options_.epochs - 1);
  return options_.alpha + t * (options_.lateAlpha - options_.alpha);
}

double Fitter::Pass(PackedNet& net, int epoch) {
  DiceStream random(StreamSeed(options_.seed, static_cast<uint64_t>(epoch)));
  Shuffle(order_, random);
  const float alpha = AlphaOf(epoch);
  ActiveInputs active;
  double sum = 0.0;
  for (uint32_t i : order_) {
    CollectActive(positions_[i].counts, active);
    const double e = positions_[i].target - TdStep(net, active, positions_[i].target, alpha);
    sum += e * e;
  }
  return split_ ? std::sqrt(sum / static_cast<double>(split_)) : 0.0;
}

double Fitter::HeldOutError(const PackedNet& net) const {
  return RmsError(net, positions_, split_, positions_.size());
}

}  // namespace morvik
