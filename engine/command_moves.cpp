#include <cstdio>
#include <string>

#include "engine/arguments.h"
#include "engine/commands.h"
#include "net/network.h"
#include "rules/enumerate.h"
#include "rules/move_list.h"
#include "rules/notation.h"
#include "rules/primitives.h"

namespace morvik {

namespace {
MoveList gList;

// Own board = the side to move.
BoardPosition PositionFor(const SignedBoard& board, bool humanMoves) {
  BoardPosition position;
  BuildBoardPosition(board, position);
  if (humanMoves) std::swap(position.own, position.opponent);
  return position;
}

void PrintEntry(int number, const MoveEntry& entry) {
  TextLine line;
  line.AppendInt(number);
  line.Append(":");
  for (int s = 0; s < entry.Length(); ++s) {
    line.Append(" ");
    AppendMove(line, entry.slot[static_cast<size_t>(s)]);
    --line.length;  // the notation's trailing blank
  }
  std::printf("%.*s\n", line.length, line.text);
}
}  // namespace

int RunMoves(int argc, char** argv) {
  const EngineOptions options = ReadEngineOptions(argc, argv);
  const bool human = options.HumanMoves();
  const SignedBoard board = ParsePosition(options, human);
  const auto [d1, d2] = options.dice;
  BoardPosition position = PositionFor(board, human);
  const int usable = EnumerateMoves(position.own, position.opponent, d1, d2, gList);
  std::printf("entries %d usable %d\n", gList.count, usable);
  for (int i = 0; i < gList.count; ++i) PrintEntry(i + 1, gList[i]);
  return 0;
}

// With --board: the network's output for the position with the computer's
// board first, that is the computer's value when it has just moved and the
// human is on roll. With --position-id: the value for the side on roll, 1 minus
// the network's output for the other side having just moved. The shipped
// weights value points: (points + 3) / 6 (see player/game_value.h).
int RunEval(int argc, char** argv) {
  const EngineOptions options = ReadEngineOptions(argc, argv);
  const bool byId = options.hasPositionId;
  const SignedBoard board = ParsePosition(options, byId);  // the human is on roll
  LoadEngineWeights(options);
  BoardPosition position;
  BuildBoardPosition(board, position);
  EncodeInput(position.own, position.opponent);
  EvaluateNet();
  const double output = static_cast<double>(NetOutput());
  std::printf("%.9g\n", byId ? 1.0 - output : output);
  return 0;
}

}  // namespace morvik
