// Any bytes as what a front end sends the engine: lines through the bounded
// line reader into a session. Every board line is either refused with a
// reason or gives a sound position whose moves are sound plays; the session
// answers each command with whole lines.
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/fibs_board.h"
#include "engine/line_reader.h"
#include "engine/ubgi_session.h"
#include "fuzz/position_check.h"
#include "net/network.h"
#include "rules/board_invariants.h"

namespace morvik {

namespace {
ComputerPlayer& Player() {
  static ComputerPlayer* player = [] {
    SetUpProgramNet(nullptr);
    return new ComputerPlayer(gPackedNet);
  }();
  return *player;
}

void CheckBoardLine(const std::string& line) {
  FibsBoard board;
  if (!ParseFibsBoard(line, board).empty()) return;
  BoardPosition position;
  FibsSideBoards(board, FibsActingSide(board), position.own, position.opponent);
  Require(PositionFault(position) == nullptr, PositionFault(position));
  CheckMovesOfBoth(position, reinterpret_cast<const uint8_t*>(line.data()), line.size());
}
}  // namespace

}  // namespace morvik

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static uint8_t empty[1];
  std::FILE* in = fmemopen(size == 0 ? empty : const_cast<uint8_t*>(data), size, "r");
  LineReader reader(in, 512);
  UbgiSession session(Player(), false);
  std::string line;
  std::string reply;
  bool tooLong = false;
  while (reader.Next(line, tooLong)) {
    Require(line.size() <= 512, "a line longer than the reader's limit");
    if (tooLong) continue;
    CheckBoardLine(line);
    reply.clear();
    const bool goOn = session.Handle(line, reply);
    Require(reply.empty() || reply.back() == '\n', "an answer that does not end its line");
    if (!goOn) break;
  }
  std::fclose(in);
  return 0;
}
