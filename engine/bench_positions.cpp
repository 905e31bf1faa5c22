#include "engine/bench_positions.h"

#include <cstdint>

#include "net/network.h"
#include "net/weight_file.h"
#include "rules/primitives.h"

namespace morvik {

namespace {
SignedBoard FromList(std::initializer_list<std::pair<int, int>> cells) {
  SignedBoard b;
  for (const auto& [index, value] : cells) b[index] = value;
  return b;
}

uint64_t SplitMix(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}
}  // namespace

std::array<BenchPosition, 5> BenchPositions() {
  return {{
      {"opening", StartingPosition()},
      {"contact", FromList({{1, -2},
                            {4, 2},
                            {6, 4},
                            {8, 3},
                            {9, -1},
                            {12, -4},
                            {13, 4},
                            {16, 1},
                            {17, -3},
                            {19, -3},
                            {20, -2},
                            {22, 1}})},
      {"bar", FromList({{0, -1},
                        {2, 2},
                        {3, 2},
                        {4, 2},
                        {5, 2},
                        {6, 2},
                        {8, 2},
                        {12, -4},
                        {13, 2},
                        {17, -3},
                        {19, -4},
                        {21, -2},
                        {25, 1},
                        {1, -1}})},
      {"bearoff", FromList({{1, 3},
                            {2, 3},
                            {3, 2},
                            {4, 3},
                            {5, 2},
                            {6, 2},
                            {19, -2},
                            {20, -3},
                            {21, -3},
                            {22, -2},
                            {23, -3},
                            {24, -2}})},
      {"race", FromList({{2, 2},
                         {3, 3},
                         {5, 3},
                         {6, 3},
                         {8, 2},
                         {10, 2},
                         {15, -2},
                         {18, -3},
                         {19, -3},
                         {21, -3},
                         {22, -2},
                         {24, -2}})},
  }};
}

void LoadBenchWeights() {
  static float values[kWeightCount];
  uint64_t state = 20261208;
  for (float& v : values) {
    const double unit = static_cast<double>(SplitMix(state) >> 11) * 0x1.0p-53;  // [0, 1)
    v = static_cast<float>((unit - 0.5) * 0.6);
  }
  SetUpProgramNet(values);
}

}  // namespace morvik
