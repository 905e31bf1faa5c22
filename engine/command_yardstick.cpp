// morvik-engine yardstick: the equity the computer player loses, by gnubg's
// figures, on a fixed set of turns from games against it. No dice are rolled:
// the same weights score the same on every run.
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/arguments.h"
#include "engine/commands.h"
#include "engine/yardstick_set.h"
#include "player/computer_player.h"
#include "rules/primitives.h"
#include "train/trainer.h"

namespace morvik {

namespace {
// The equity lost on each turn, in millipoints, by the player the game uses.
std::vector<double> Score(const std::vector<YardstickTurn>& turns, bool lookahead, int& twoPly) {
  const auto player = std::make_unique<ComputerPlayer>(gPackedNet);
  NullSink sink;
  std::vector<double> lost;
  lost.reserve(turns.size());
  twoPly = 0;
  for (const YardstickTurn& turn : turns) {
    BoardPosition position;
    BuildBoardPosition(turn.board, position);
    player->PlayComputerMove(position.own, position.opponent, lookahead ? 1 : 0, turn.d1, turn.d2,
                             sink);
    SignedBoard result;
    ReadBoardPosition(position, result);
    const YardstickMove* chosen = FindMove(turn, result);
    if (chosen == nullptr) {
      throw std::runtime_error("the set lists no move reaching the position chosen in " + turn.id +
                               " with " + std::to_string(turn.d1) + std::to_string(turn.d2));
    }
    twoPly += chosen->twoPly ? 1 : 0;
    lost.push_back(1000.0 * (turn.best - chosen->equity));
  }
  return lost;
}

void PrintSplit(const std::vector<YardstickTurn>& turns, const std::vector<double>& lost) {
  std::map<std::string, std::vector<double>> byKind;
  for (size_t i = 0; i < turns.size(); ++i) byKind[turns[i].kind].push_back(lost[i]);
  for (const auto& [kind, values] : byKind) {
    const MeanInterval s = Summarise(values);
    std::printf("  %-9s %6.1f +- %.1f mp/move over %d turns\n", kind.c_str(), s.mean, s.half,
                s.count);
  }
}

}  // namespace

int RunYardstick(int argc, char** argv) {
  const EngineOptions options = ReadEngineOptions(argc, argv);
  const std::vector<YardstickTurn> turns = ReadYardstick(options.set);
  EngineOptions second = options;
  second.weights = options.against;
  second.hasWeights = true;
  second.zeroWeights = false;
  if (!options.against.empty()) LoadEngineWeights(second);  // refused before any scoring
  LoadEngineWeights(options);
  const std::string first = options.zeroWeights  ? "zero weights"
                            : options.hasWeights ? options.weights
                                                 : "gammon.pc";
  const char* setting = options.lookahead ? "with the look-ahead" : "at 0-ply";

  const auto scoreAndReport = [&](const std::string& name) {
    const auto start = std::chrono::steady_clock::now();
    int twoPly = 0;
    std::vector<double> lost = Score(turns, options.lookahead, twoPly);
    const MeanInterval s = Summarise(lost);
    std::printf(
        "%s %s: %.1f +- %.1f mp/move lost over %d turns (%d of its moves at 2-ply) in %.2f s\n",
        name.c_str(), setting, s.mean, s.half, s.count, twoPly, Seconds(start));
    PrintSplit(turns, lost);
    return lost;
  };
  const std::vector<double> lost = scoreAndReport(first);
  if (options.against.empty()) return 0;
  LoadEngineWeights(second);
  const std::vector<double> other = scoreAndReport(options.against);
  std::vector<double> difference(lost.size());
  for (size_t i = 0; i < lost.size(); ++i) difference[i] = lost[i] - other[i];
  const MeanInterval d = Summarise(difference);
  std::printf("difference (%s minus %s): %+.1f +- %.1f mp/move (95%%, paired)\n", first.c_str(),
              options.against.c_str(), d.mean, d.half);
  PrintSplit(turns, difference);
  return 0;
}

}  // namespace morvik
