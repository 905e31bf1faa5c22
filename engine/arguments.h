// Command-line options of the engine's subcommands, with strict checking:
// every problem is a UsageError naming it.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "net/weight_file.h"
#include "rules/board.h"

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct OptionRule {
  std::string name;  // "--board"
  int values;        // how many values follow it (0 for a flag)
};

class Arguments {
 public:
  // Parses argv[first..argc) against the allowed options.
  Arguments(int argc, char** argv, int first, const std::vector<OptionRule>& allowed);

  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  const std::vector<std::string>& Values(const std::string& name) const;
  std::string Value(const std::string& name, const std::string& fallback) const;

 private:
  std::map<std::string, std::vector<std::string>> values_;
};

int ParseInt(const std::string& text, int low, int high, const std::string& what);

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
