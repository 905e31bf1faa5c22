#include "engine/bench_game_sample.h"

namespace morvik {

namespace {
constexpr SampleMove kSample[] = {
#include "engine/bench_game_sample.inc"
};
constexpr SampleMove kGnubgSample[] = {
#include "engine/bench_gnubg_sample.inc"
};
}  // namespace

std::span<const SampleMove> GameSample() {
  return kSample;
}

std::span<const SampleMove> GnubgSample() {
  return kGnubgSample;
}

SignedBoard SampleBoard(const SampleMove& move) {
  SignedBoard board;
  for (int i = 0; i <= 25; ++i) board[i] = move.board[i];
  return board;
}

}  // namespace morvik
