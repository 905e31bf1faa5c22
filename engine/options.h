// The options of morvik-engine's commands, each declared once with its
// values, range, exclusions and help.
#pragma once

#include <cstdio>
#include <string>
#include <utility>

namespace morvik {

// The yardstick set of this source tree (data/yardstick.txt.gz).
std::string MorvikYardstickSet();

struct EngineOptions {
  std::string board;  // --board B
  bool hasBoard = false;
  std::string positionId;  // --position-id ID
  bool hasPositionId = false;
  std::pair<int, int> dice{0, 0};  // --dice D1 D2, each 1..6
  std::string side;                // --side human|computer
  std::string weights;             // --weights F
  bool hasWeights = false;
  bool zeroWeights = false;
  bool lookahead = false;
  int seconds = 1;   // bench
  std::string path;  // bench --path sse2|avx2|avx512
  bool hasPath = false;
  std::string first = "net";  // duel: net, lookahead or baseline
  std::string second = "baseline";
  int games = 10000;
  int seed = 1;
  std::string pubeval;  // the baseline's folder
  bool quiet = false;
  // rollout
  int trials = 1296;
  int truncate = 0;  // 0: games run to the end
  int threads = 1;
  int moves = 0;  // with --dice: the best this many by static value; 0: all
  bool plain = false;
  std::string positions;  // --positions FILE --output FILE
  std::string output;
  bool hasDice = false;
  bool hasMoves = false;
  bool hasPositions = false;
  bool hasOutput = false;
  std::string set = MorvikYardstickSet();  // yardstick --set FILE
  std::string against;                     // yardstick --against F2

  bool HumanMoves() const { return side == "human"; }
};

// The options of the command argv[1], read from argv[2..argc): an option
// that only another command takes is reported as not applying to this one.
// Throws UsageError, or HelpRequested for --help.
EngineOptions ReadEngineOptions(int argc, char** argv);

// The commands and their options, one line each.
void PrintEngineUsage(std::FILE* out);

}  // namespace morvik
