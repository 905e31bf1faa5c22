// Where the dice come from: a uniform real in [0, 1); a die is int(r * 6) + 1.
#pragma once

#include <cstdint>
#include <random>

namespace morvik {

class DiceSource {
 public:
  virtual ~DiceSource() = default;
  virtual double Next() = 0;
};

// The game's own generator, seeded once from the clock.
class ClockDiceSource : public DiceSource {
 public:
  ClockDiceSource();
  explicit ClockDiceSource(uint64_t seed) : engine_(seed) {}
  double Next() override;

 private:
  std::mt19937_64 engine_;
};

}  // namespace morvik
