// The 21 distinct rolls of two dice, with their chances: a doublet comes up
// once in 36 throws, any other roll twice (either die first).
#pragma once

#include <array>

namespace morvik {

struct Roll {
  int low;   // the smaller die
  int high;  // the larger die
  double chance;
};

inline constexpr int kDistinctRolls = 21;

// 1-1, 1-2, ..., 1-6, 2-2, ..., 6-6: the order in which their values are summed.
inline constexpr std::array<Roll, kDistinctRolls> kRolls = [] {
  std::array<Roll, kDistinctRolls> rolls{};
  int r = 0;
  for (int low = 1; low <= 6; ++low) {
    for (int high = low; high <= 6; ++high) {
      rolls[static_cast<std::size_t>(r++)] = {low, high, low == high ? 1.0 / 36.0 : 1.0 / 18.0};
    }
  }
  return rolls;
}();

}  // namespace morvik
