// The computer player from the command line: its whole move, and the best
// reply that the look-ahead assumes for the human.
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "engine/arguments.h"
#include "engine/commands.h"
#include "player/computer_player.h"
#include "rules/primitives.h"

namespace morvik {

namespace {

// Keeps the reports so that the history line can be printed before the log.
class CollectingSink : public PlayerSink {
 public:
  void History(std::string_view line) override { history.assign(line); }
  void Log(std::string_view line) override { log.emplace_back(line); }
  // Hours, minutes and seconds, the seconds with six decimals.
  void LogElapsed(double seconds) override {
    const long whole = static_cast<long>(seconds);
    char text[48];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%09.6f", whole / 3600, whole / 60 % 60,
                  std::fmod(seconds, 60.0));
    log.emplace_back(text);
  }

  std::string history;
  std::vector<std::string> log;
};

void PrintBoard(const SideBoard& computer, const SideBoard& human) {
  SignedBoard board;
  ReadBoardPosition(BoardPosition{computer, human}, board);
  std::printf("board %s\n", FormatBoard(board).c_str());
}

struct Setup {
  BoardPosition position;  // own = the computer, opponent = the human
  int d1 = 0;
  int d2 = 0;
};

Setup ReadSetup(const EngineOptions& options, bool humanMoves) {
  Setup setup;
  const SignedBoard board = ParsePosition(options, humanMoves);
  std::tie(setup.d1, setup.d2) = options.dice;
  LoadEngineWeights(options);
  BuildBoardPosition(board, setup.position);
  return setup;
}

}  // namespace

int RunPlay(int argc, char** argv) {
  const EngineOptions options = ReadEngineOptions(argc, argv);
  Setup s = ReadSetup(options, false);
  const auto player = std::make_unique<ComputerPlayer>(gPackedNet);
  CollectingSink sink;
  player->PlayComputerMove(s.position.own, s.position.opponent, options.lookahead ? 1 : 0, s.d1,
                           s.d2, sink);
  std::printf("history %s\n", sink.history.c_str());
  for (const std::string& line : sink.log) std::printf("log %s\n", line.c_str());
  PrintBoard(s.position.own, s.position.opponent);
  return 0;
}

int RunReply(int argc, char** argv) {
  Setup s = ReadSetup(ReadEngineOptions(argc, argv), true);
  const auto player = std::make_unique<ComputerPlayer>(gPackedNet);
  const float value = player->PlayBestReply(s.position.opponent, s.position.own, s.d1, s.d2);
  std::printf("%.9g\n", static_cast<double>(value));
  PrintBoard(s.position.own, s.position.opponent);
  return 0;
}

}  // namespace morvik
