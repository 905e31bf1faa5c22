#include "engine/arguments.h"

#include <cstring>
#include <map>

#include "engine/position_input.h"
#include "net/network.h"
#include "net/weight_file.h"
#include "rules/game_result.h"
#include "rules/primitives.h"

namespace morvik {

namespace {
// Every option of every command, with its line of --help, the same in every
// command that takes it.
const std::map<std::string, std::string> kOptionHelp = {
    {"--board", "the position: v0,...,v25, the human's checkers positive, the computer's negative"},
    {"--position-id", "the position as a 14-character position ID"},
    {"--dice", "the two dice, 1..6, in the order they are used"},
    {"--side", "who moves: human or computer"},
    {"--weights", "weight file (gammon.pc in the working directory)"},
    {"--zero-weights", "a network of zeros: every position is worth 0.5"},
    {"--lookahead", "choose with the one-ply look-ahead"},
    {"--seconds", "seconds of processor time for each rate, 0..600 (1)"},
    {"--path", "vector path: sse2, avx2 or avx512 (the processor's best)"},
    {"--first", "first player: net, lookahead or baseline (net)"},
    {"--second", "second player: net, lookahead or baseline (baseline)"},
    {"--games", "games to play, an even number: mirrored pairs (10000)"},
    {"--seed", "seed of the dice (1)"},
    {"--pubeval",
     "folder of the baseline's weights (share/morvik/pubeval beside the program, else "
     "data/pubeval)"},
    {"--quiet", "no progress line"},
    {"--trials", "games played on from each position, a multiple of 36 (1296)"},
    {"--truncate", "stop each game after P moves at the network's value (games run to the end)"},
    {"--threads", "threads playing the games; the result is the same for any number (1)"},
    {"--moves", "with --dice: roll out only the K best moves by the network's value"},
    {"--plain", "no variance reduction beyond the first roll: games as the trainer plays them"},
    {"--positions", "positions file to label (as morvik-train --collect writes them)"},
    {"--output", "where the labelled positions go; an interrupted run resumes"}};

// The names of them all, to tell an option given to the wrong command from a
// word that is no option at all.
std::vector<std::string> AllOptions() {
  std::vector<std::string> names;
  for (const auto& option : kOptionHelp) names.push_back(option.first);
  return names;
}

std::vector<OptionRule> WithHelp(std::vector<OptionRule> rules) {
  for (OptionRule& rule : rules) {
    const auto help = kOptionHelp.find(rule.name);
    if (rule.help.empty() && help != kOptionHelp.end()) rule.help = help->second;
  }
  return rules;
}
}  // namespace

EngineArguments::EngineArguments(int argc, char** argv, int first,
                                 const std::vector<OptionRule>& allowed)
    : Arguments(argc, argv, first, WithHelp(allowed), AllOptions()) {}

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
  if (!args.Has("--board") && !args.Has("--position-id"))
    throw UsageError("give --board B or --position-id ID");
  const SignedBoard board =
      args.Has("--position-id")
          ? ParsePositionId(args.Values("--position-id").front(), moverIsHuman)
          : ParseSignedBoard(args.Values("--board").front());
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

void LoadEngineWeights(const Arguments& args) {
  if (args.Has("--zero-weights")) {
    if (args.Has("--weights"))
      throw UsageError("give either --weights or --zero-weights, not both");
    SetUpProgramNet(nullptr);
    return;
  }
  const std::string path = args.Value("--weights", "gammon.pc");
  // Only a regular file opens; a device, a FIFO or a directory does not.
  static float values[kWeightCount];
  const WeightFileReport report = ReadWeightFile(path.c_str(), values);
  if (!report.opened && !args.Has("--weights")) {
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
