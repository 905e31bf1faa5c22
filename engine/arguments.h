// Command-line options of the engine's subcommands, with strict checking:
// every problem is a UsageError naming it.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

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
// roll becomes `moverIsHuman` ? the human : the computer.
SignedBoard ParsePosition(const Arguments& args, bool moverIsHuman);

// Loads --weights F (an unreadable file is an error) or "gammon.pc" from the
// working directory (missing: all weights 0.0, as in the game).
void LoadEngineWeights(const Arguments& args);

std::string FormatBoard(const SignedBoard& board);
