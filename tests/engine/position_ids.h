// Position IDs made from checker counts, for tests that need IDs no program
// printed: the side not on roll is listed first, then the side on roll, each
// from its own point 1 up to its bar (25), a run of ones per checker and a
// zero per point, the bits filled from the least significant up in each byte
// and written in base 64.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

namespace morvik {

using Counts = std::initializer_list<std::pair<int, int>>;  // (own point, checkers)

inline std::string PositionIdOf(Counts onRoll, Counts other) {
  std::array<uint8_t, 11> key{};
  int bit = 0;
  for (const Counts& side : {other, onRoll}) {
    for (int point = 1; point <= 25; ++point) {
      for (const auto& [p, n] : side) {
        if (p != point) continue;
        for (int c = 0; c < n && bit < 88; ++c, ++bit) key[bit / 8] |= uint8_t(1u << (bit % 8));
      }
      ++bit;  // the zero that ends the point
    }
  }
  static const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string id;
  for (int c = 0; c < 14; ++c) {
    int v = 0;
    for (int b = 0; b < 6; ++b) {
      const int at = c * 6 + b;
      v = v * 2 + ((key[at / 8] >> (7 - at % 8)) & 1);
    }
    id += kAlphabet[v];
  }
  return id;
}

}  // namespace morvik
