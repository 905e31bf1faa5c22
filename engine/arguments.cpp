#include "engine/arguments.h"

#include <cstring>

#include "engine/position_input.h"
#include "net/network.h"
#include "net/weight_file.h"
#include "rules/game_result.h"
#include "rules/primitives.h"

namespace morvik {

SignedBoard ParsePosition(const EngineOptions& options, bool moverIsHuman) {
  const SignedBoard board = options.hasPositionId
                                ? ParsePositionId(options.positionId, moverIsHuman)
                                : ParseSignedBoard(options.board);
  CheckGameGoesOn(board);
  return board;
}

namespace {
// 32840 -> "32,840".
std::string Grouped(int n) {
  const std::string digits = std::to_string(n);
  std::string text;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}
}  // namespace

void CheckWeightReport(const WeightFileReport& report, const std::string& path) {
  if (!report.opened) throw UsageError("cannot read weight file '" + path + "'");
  if (IsComplete(report)) return;
  if (report.numbers < kWeightCount) {
    throw UsageError("only " + Grouped(report.numbers) + " of " + Grouped(kWeightCount) +
                     " weights in " + path);
  }
  if (report.malformed > 0) {
    throw UsageError(Grouped(report.malformed) + " of the " + Grouped(kWeightCount) +
                     " weights in " + path + " are not numbers");
  }
}

void LoadEngineWeights(const EngineOptions& options) {
  if (options.zeroWeights) {
    SetUpProgramNet(nullptr);
    return;
  }
  const std::string path = options.hasWeights ? options.weights : "gammon.pc";
  // Only a regular file opens; a device, a FIFO or a directory does not.
  static float values[kWeightCount];
  const WeightFileReport report = ReadWeightFile(path.c_str(), values);
  if (!report.opened && !options.hasWeights) {
    throw UsageError("no weight file gammon.pc in the working directory (give --weights F)");
  }
  CheckWeightReport(report, path);
  SetUpProgramNet(values);
}

void CheckGameGoesOn(const SignedBoard& board) {
  BoardPosition position;
  BuildBoardPosition(board, position);
  const bool human = AllBorneOff(position.opponent);
  const bool computer = AllBorneOff(position.own);
  if (human && computer)
    throw UsageError("the game is over: both sides have borne off all 15 checkers");
  if (human) throw UsageError("the game is over: the human has borne off all 15 checkers");
  if (computer) throw UsageError("the game is over: the computer has borne off all 15 checkers");
}

std::string FormatBoard(const SignedBoard& board) {
  std::string text;
  for (int i = 0; i <= 25; ++i) {
    if (i > 0) text += ',';
    text += std::to_string(board[i]);
  }
  return text;
}

}  // namespace morvik
