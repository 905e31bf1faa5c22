// The options the engine's subcommands share: dice, side, position, weights.
#pragma once

#include <string>
#include <vector>

#include "headless/arguments.h"
#include "net/weight_file.h"
#include "rules/board.h"

namespace morvik {

// The options of one engine command: an option that only another command
// takes is reported as not applying to this one.
class EngineArguments : public Arguments {
 public:
  EngineArguments(int argc, char** argv, int first, const std::vector<OptionRule>& allowed);
};

// The dice of --dice, each 1..6.
void ParseDice(const Arguments& args, int& d1, int& d2);

// True for --side human, false for --side computer.
bool ParseSideIsHuman(const Arguments& args);

// The position from --board or --position-id. With a position ID the side on
// roll becomes `moverIsHuman` ? the human : the computer. A finished game is a
// UsageError.
SignedBoard ParsePosition(const Arguments& args, bool moverIsHuman);

// Loads --weights F, or "gammon.pc" from the working directory, or with
// --zero-weights sets every weight to 0.0 (every position is then worth 0.5).
// A missing, unreadable or short file, or one holding anything but numbers,
// is a UsageError: unlike the game, the engine never answers with weights it
// did not read.
void LoadEngineWeights(const Arguments& args);

// Throws a UsageError for a file that did not give every weight.
void CheckWeightReport(const WeightFileReport& report, const std::string& path);

// Throws a UsageError when a side has borne off all its checkers: there is
// nothing left to move or to judge.
void CheckGameGoesOn(const SignedBoard& board);

std::string FormatBoard(const SignedBoard& board);

}  // namespace morvik
