// A seeded, platform-independent stream of dice for self-play and duels.
#pragma once

#include <cstdint>

#include "headless/game_loop.h"

namespace morvik {

class DiceStream final : public GameDice {
 public:
  explicit DiceStream(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Die() { return static_cast<int>(((Next() >> 32) * 6) >> 32) + 1; }

  // A roll with the larger die first, as the computer plays its dice.
  void Roll(int& d1, int& d2) override {
    d1 = Die();
    d2 = Die();
    if (d2 > d1) {
      const int t = d1;
      d1 = d2;
      d2 = t;
    }
  }
  // The opening roll is never a doublet.
  void OpeningRoll(int& d1, int& d2) override {
    do Roll(d1, d2);
    while (d1 == d2);
  }

 private:
  uint64_t state_;
};

// Independent streams from one seed: stream n of seed s.
inline uint64_t StreamSeed(uint64_t seed, uint64_t n) {
  DiceStream mix(seed ^ (n * 0xD1B54A32D192ED03ull));
  mix.Next();
  return mix.Next();
}

}  // namespace morvik
