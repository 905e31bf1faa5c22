// What the engine's subcommands make of their options: the position, the
// weights.
#pragma once

#include <string>

#include "engine/options.h"
#include "headless/usage_error.h"
#include "net/weight_file.h"
#include "rules/board.h"

namespace morvik {

// The position from --board or --position-id. With a position ID the side on
// roll becomes `moverIsHuman` ? the human : the computer. A finished game is a
// UsageError.
SignedBoard ParsePosition(const EngineOptions& options, bool moverIsHuman);

// Loads --weights F, or "gammon.pc" from the working directory, or with
// --zero-weights sets every weight to 0.0 (every position is then worth 0.5).
// A missing, unreadable or short file, or one holding anything but numbers,
// is a UsageError: unlike the game, the engine never answers with weights it
// did not read.
void LoadEngineWeights(const EngineOptions& options);

// Throws a UsageError for a file that did not give every weight.
void CheckWeightReport(const WeightFileReport& report, const std::string& path);

// Throws a UsageError when a side has borne off all its checkers: there is
// nothing left to move or to judge.
void CheckGameGoesOn(const SignedBoard& board);

std::string FormatBoard(const SignedBoard& board);

}  // namespace morvik
