// Writes the bench's sample of positions from real games: the shipped weights
// play themselves (0-ply, both sides the computer player) with seeded dice,
// and every position a side meets before its move is written, with its roll,
// from that side's view (it plays as the computer, the negative counts).
//
//   build/dev/bench/morvik_make_game_sample data/gammon.pc 600 > engine/bench_game_sample.inc
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "net/network.h"
#include "net/weight_file.h"
#include "player/computer_player.h"
#include "rules/primitives.h"
#include "train/dice_stream.h"
#include "train/game_result.h"

namespace {

void WriteRow(const SideBoard& mover, const SideBoard& other, int d1, int d2) {
  BoardPosition p{mover, other};
  SignedBoard board;
  ReadBoardPosition(p, board);
  std::printf("{%d, %d, {", d1, d2);
  for (int i = 0; i <= 25; ++i) std::printf(i == 0 ? "%d" : ", %d", board[i]);
  std::printf("}},\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s WEIGHTS COUNT\n", argv[0]);
    return 2;
  }
  InitNetLayout();
  NetGain = 0.5f;
  if (!LoadWeightsFrom(argv[1]).opened) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const int count = std::atoi(argv[2]);
  auto player = std::make_unique<ComputerPlayer>();
  NullSink sink;
  std::printf("// %d positions and rolls from self-play games of the shipped weights,\n", count);
  std::printf("// written by bench/make_game_sample.cpp: {d1, d2, {board 0..25}}.\n");
  int written = 0;
  for (uint64_t game = 0; written < count; ++game) {
    BoardPosition start;
    BuildBoardPosition(StartingPosition(), start);
    SideBoard sides[2] = {start.own, start.opponent};
    DiceStream dice(StreamSeed(20261208, game));
    int d1 = 0, d2 = 0;
    dice.OpeningRoll(d1, d2);
    for (int turn = 0, mover = 0; written < count && turn < 5000; ++turn, mover = 1 - mover) {
      if (turn > 0) dice.Roll(d1, d2);
      WriteRow(sides[mover], sides[1 - mover], d1, d2);
      ++written;
      player->PlayComputerMove(sides[mover], sides[1 - mover], 0, d1, d2, sink);
      if (HasWon(sides[mover])) break;
    }
  }
  return 0;
}
