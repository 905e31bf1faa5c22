// Writes the bench's sample of positions from real games against GNU
// Backgammon: every position and roll the engine was asked to move in the
// bridge traffic of scripts/vs-gnubg.sh, COUNT of them taken at even steps,
// from the mover's view (it plays as the computer, the negative counts).
//
//   scripts/vs-gnubg.sh 60 --lookahead --seed 77 --out DIR
//   build/dev/bench/morvik_make_gnubg_sample DIR/traffic.log 600 > engine/bench_gnubg_sample.inc
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "engine/fibs_board.h"
#include "rules/primitives.h"

using namespace morvik;

int main(int argc, char** argv) {
  if (argc != 3 || std::atoi(argv[2]) <= 0) {
    std::fprintf(stderr, "usage: %s TRAFFIC COUNT\n", argv[0]);
    return 2;
  }
  std::ifstream traffic(argv[1]);
  if (!traffic) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  struct Row {
    int d1, d2;
    SignedBoard board;
  };
  std::vector<Row> rows;
  for (std::string line; std::getline(traffic, line);) {
    const auto at = line.find("board:");
    if (line.rfind(">", 0) != 0 || at == std::string::npos) continue;
    FibsBoard fibs;
    if (!ParseFibsBoard(line.substr(at), fibs).empty()) continue;
    const int side = FibsActingSide(fibs);
    const auto& dice = FibsDice(fibs, side);
    if (dice[0] == 0) continue;  // a cube decision, not a move
    BoardPosition p;
    FibsSideBoards(fibs, side, p.own, p.opponent);
    Row row{std::max(dice[0], dice[1]), std::min(dice[0], dice[1]), {}};
    ReadBoardPosition(p, row.board);
    rows.push_back(row);
  }
  const size_t count = std::min(rows.size(), static_cast<size_t>(std::atoi(argv[2])));
  std::printf("// %zu positions and rolls the engine played against GNU Backgammon 0-ply,\n",
              count);
  std::printf("// written by bench/make_gnubg_sample.cpp: {d1, d2, {board 0..25}}.\n");
  for (size_t k = 0; k < count; ++k) {
    const Row& row = rows[k * rows.size() / count];
    std::printf("{%d, %d, {", row.d1, row.d2);
    for (int i = 0; i <= 25; ++i) std::printf(i == 0 ? "%d" : ", %d", row.board[i]);
    std::printf("}},\n");
  }
  return 0;
}
