// Writes the bench's sample of positions from real games: the shipped weights
// play themselves (0-ply, both sides the computer player) with seeded dice,
// and every position a side meets before its move is written, with its roll,
// from that side's view (it plays as the computer, the negative counts).
//
//   build/dev/bench/morvik_make_game_sample data/gammon.pc 600 > engine/bench_game_sample.inc
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "headless/dice_stream.h"
#include "headless/game_loop.h"
#include "headless/players.h"
#include "net/network.h"
#include "net/weight_file.h"
#include "player/computer_player.h"
#include "rules/primitives.h"

namespace morvik {

namespace {

void WriteRow(const SideBoard& mover, const SideBoard& other, int d1, int d2) {
  BoardPosition p{mover, other};
  SignedBoard board;
  ReadBoardPosition(p, board);
  std::printf("{%d, %d, {", d1, d2);
  for (int i = 0; i <= 25; ++i) std::printf(i == 0 ? "%d" : ", %d", board[i]);
  std::printf("}},\n");
}

class RecordingPlayer : public GamePlayer {
 public:
  RecordingPlayer(GamePlayer& inner, int& written) : inner_(inner), written_(written) {}
  void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) override {
    WriteRow(own, opponent, d1, d2);
    ++written_;
    inner_.Play(own, opponent, d1, d2);
  }

 private:
  GamePlayer& inner_;
  int& written_;
};

}  // namespace

}  // namespace morvik

using namespace morvik;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s WEIGHTS COUNT\n", argv[0]);
    return 2;
  }
  if (!LoadWeightsFrom(argv[1]).opened) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const int count = std::atoi(argv[2]);
  auto player = std::make_unique<ComputerPlayer>(gPackedNet);
  NetworkPlayer network(*player, false);
  int written = 0;
  // Writes every position and roll before the network plays it.
  RecordingPlayer recorder(network, written);
  std::printf("// %d positions and rolls from self-play games of the shipped weights,\n", count);
  std::printf("// written by bench/make_game_sample.cpp: {d1, d2, {board 0..25}}.\n");
  for (uint64_t game = 0; written < count; ++game) {
    DiceStream dice(StreamSeed(20261208, game));
    PlayGame(recorder, recorder, dice, true, kGameTurnLimit,
             [&](const MoveReport&) { return written < count; });
  }
  return 0;
}
