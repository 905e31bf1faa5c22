// Any bytes as input lines of the UBGI loop: nothing crashes, every line gets
// at most one answer line (the handshake four), a refused board gets a
// "sorry", and an accepted board is a sound position whose answer is one of
// the legal plays of the side that must act, or its cube action.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/fibs_board.h"
#include "engine/ubgi_session.h"
#include "fuzz/position_check.h"
#include "net/network.h"
#include "rules/move_list.h"
#include "tests/reliability/board_invariants.h"

namespace {
MoveList gList;

ComputerPlayer& Player() {
  static ComputerPlayer* player = [] {
    NetGain = 0.5f;  // no weight file: every weight 0.0
    InitNetLayout();
    PackNetWeights();
    return new ComputerPlayer;
  }();
  return *player;
}

bool IsLegalPlay(const std::string& reply, BoardPosition& position, int d1, int d2) {
  EnumerateMoves(position.own, position.opponent, d1, d2, gList);
  if (gList.count == 0) return reply == "\n";
  for (int i = 0; i < gList.count; ++i) {
    if (FormatUbgiMove(gList[i]) + "\n" == reply) return true;
  }
  return false;
}

void CheckBoardAnswer(std::string_view line, const std::string& reply) {
  FibsBoard board;
  if (!ParseFibsBoard(line, board).empty()) {
    Require(reply.rfind("sorry ", 0) == 0, "a refused board was not answered with sorry");
    return;
  }
  const int side = FibsActingSide(board);
  BoardPosition position;
  FibsSideBoards(board, side, position.own, position.opponent);
  Require(PositionFault(position) == nullptr, PositionFault(position));
  const auto& dice = FibsDice(board, side);
  if (board.wasDoubled != 0) {
    Require(reply == "take\n" || reply == "drop\n", "a double was not taken or dropped");
  } else if (dice[0] == 0) {
    Require(reply == "roll\n", "the engine did not roll");
  } else {
    Require(dice[0] >= 1 && dice[0] <= 6 && dice[1] >= 1 && dice[1] <= 6, "dice outside 1..6");
    const int d1 = std::max(dice[0], dice[1]);
    const int d2 = std::min(dice[0], dice[1]);
    Require(IsLegalPlay(reply, position, d1, d2), "the answer is not a legal play");
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  UbgiSession session(Player(), false);
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string reply;
  while (true) {
    const size_t end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    reply.clear();
    const bool more = session.Handle(line, reply);
    const long lines = std::count(reply.begin(), reply.end(), '\n');
    Require(lines <= 1 || (lines == 4 && reply.rfind("id name Morvik\n", 0) == 0),
            "more than one answer line");
    Require(reply.empty() || reply.back() == '\n', "an answer without its line end");
    const bool plain = line.rfind("board:", 0) == 0 && line.back() != ' ' && line.back() != '\t' &&
                       line.back() != '\r';
    if (plain) CheckBoardAnswer(line, reply);
    if (!more || end == std::string_view::npos) return 0;
    input.remove_prefix(end + 1);
  }
}
