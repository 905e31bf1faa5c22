// The options the engine's subcommands share: dice, side, position, weights.
#pragma once

#include <string>

#include "headless/arguments.h"
#include "rules/board.h"

// The dice of --dice, each 1..6.
void ParseDice(const Arguments& args, int& d1, int& d2);

// True for --side human, false for --side computer.
bool ParseSideIsHuman(const Arguments& args);

// The position from --board or --position-id. With a position ID the side on
// roll becomes `moverIsHuman` ? the human : the computer.
SignedBoard ParsePosition(const Arguments& args, bool moverIsHuman);

// Loads --weights F (an unreadable file is an error) or "gammon.pc" from the
// working directory (missing: all weights 0.0, as in the game).
void LoadEngineWeights(const Arguments& args);

std::string FormatBoard(const SignedBoard& board);
