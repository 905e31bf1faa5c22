#include "engine/arguments.h"

#include "engine/position_input.h"
#include "net/network.h"
#include "net/weight_file.h"

void ParseDice(const Arguments& args, int& d1, int& d2) {
  const auto& dice = args.Values("--dice");
  d1 = ParseInt(dice[0], 1, 6, "die");
  d2 = ParseInt(dice[1], 1, 6, "die");
}

bool ParseSideIsHuman(const Arguments& args) {
  const std::string side = args.Values("--side").front();
  if (side == "human") return true;
  if (side == "computer") return false;
  throw UsageError("--side must be human or computer, got '" + side + "'");
}

SignedBoard ParsePosition(const Arguments& args, bool moverIsHuman) {
  if (args.Has("--board") && args.Has("--position-id")) {
    throw UsageError("give either --board or --position-id, not both");
  }
  if (args.Has("--position-id"))
    return ParsePositionId(args.Values("--position-id").front(), moverIsHuman);
  return ParseSignedBoard(args.Values("--board").front());
}

void LoadEngineWeights(const Arguments& args) {
  NetGain = 0.5f;
  InitNetLayout();
  if (!args.Has("--weights")) {
    LoadWeights();
    return;
  }
  const std::string path = args.Values("--weights").front();
  // Only a regular file opens; a device, a FIFO or a directory does not.
  if (!LoadWeightsFrom(path.c_str()).opened)
    throw UsageError("cannot read weight file '" + path + "'");
}

std::string FormatBoard(const SignedBoard& board) {
  std::string text;
  for (int i = 0; i <= 25; ++i) {
    if (i > 0) text += ',';
    text += std::to_string(board[i]);
  }
  return text;
}
