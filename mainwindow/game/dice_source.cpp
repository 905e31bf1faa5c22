#include "mainwindow/game/dice_source.h"

#include <chrono>

namespace morvik {

ClockDiceSource::ClockDiceSource()
    : engine_(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

double ClockDiceSource::Next() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

}  // namespace morvik
