// morvik-engine duel: the strength benchmark. Plays mirrored pairs of
// cubeless games between two players and prints the first player's figures.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "engine/arguments.h"
#include "engine/baseline_folder.h"
#include "engine/commands.h"
#include "headless/duel.h"
#include "headless/players.h"

namespace morvik {

namespace {
const char* const kPlayers = "net, lookahead or baseline";

struct DuelSetup {
  BaselineWeights baseline;
  MoveList scratch;
  ComputerPlayer computer{gPackedNet};
};

std::unique_ptr<GamePlayer> MakePlayer(const std::string& name, DuelSetup& setup) {
  if (name == "net") return std::make_unique<NetworkPlayer>(setup.computer, false);
  if (name == "lookahead") return std::make_unique<NetworkPlayer>(setup.computer, true);
  if (name == "baseline") return std::make_unique<BaselinePlayer>(setup.baseline, setup.scratch);
  throw UsageError("unknown player '" + name + "' (" + kPlayers + ")");
}

void PrintResult(const DuelResult& r, const std::string& first, const std::string& second) {
  std::printf("%s vs %s: %d games (%d mirrored pairs)\n", first.c_str(), second.c_str(), r.Games(),
              r.pairs);
  std::printf("won %d (gammons %d, backgammons %d), lost %d (gammons %d, backgammons %d)\n", r.wins,
              r.gammons, r.backgammons, r.Games() - r.wins, r.lostGammons, r.lostBackgammons);
  std::printf("win rate %.2f%% +- %.2f%% (95%%)\n", 100.0 * r.WinRate(), 100.0 * r.WinRateMargin());
  std::printf("points per game %+.3f +- %.3f (95%%)\n", r.PointsPerGame(), r.PointsMargin());
}
}  // namespace

int RunDuel(int argc, char** argv) {
  const EngineOptions options = ReadEngineOptions(argc, argv);
  const std::string& first = options.first;
  const std::string& second = options.second;
  const int games = options.games;
  const int seed = options.seed;

  static DuelSetup setup;  // about 5 MB: made once
  const auto firstPlayer = MakePlayer(first, setup);
  const auto secondPlayer = MakePlayer(second, setup);
  if (first == "baseline" || second == "baseline") {
    std::string error;
    const std::string& folder = options.pubeval;
    if (!LoadBaseline(folder, setup.baseline, error)) {
      throw UsageError("no baseline weights in " + folder + ": " + error +
                       " (--pubeval DIR names their folder)");
    }
  }
  LoadEngineWeights(options);

  const bool quiet = options.quiet;
  const auto start = std::chrono::steady_clock::now();
  auto last = start;
  const auto progress = [&](const DuelResult& r) {
    const auto now = std::chrono::steady_clock::now();
    if (quiet || (now - last < std::chrono::seconds(1) && r.pairs * 2 != games)) return;
    last = now;
    const double seconds = std::chrono::duration<double>(now - start).count();
    std::fprintf(stderr, "\rgames %d/%d  win rate %.2f%%  ppg %+.3f  %.0f s ", r.Games(), games,
                 100.0 * r.WinRate(), r.PointsPerGame(), seconds);
    if (r.pairs * 2 == games) std::fputc('\n', stderr);
  };
  const DuelResult result =
      PlayDuel(*firstPlayer, *secondPlayer, games / 2, static_cast<uint64_t>(seed), progress);
  PrintResult(result, first, second);
  return 0;
}

}  // namespace morvik
