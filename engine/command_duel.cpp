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
  const EngineArguments args(argc, argv, 2,
                             {{"--first", 1},
                              {"--second", 1},
                              {"--games", 1},
                              {"--seed", 1},
                              {"--weights", 1},
                              {"--zero-weights", 0},
                              {"--pubeval", 1},
                              {"--quiet", 0}});
  const std::string first = args.Value("--first", "net");
  const std::string second = args.Value("--second", "baseline");
  const int games = ParseInt(args.Value("--games", "10000"), 2, 100000000, "--games");
  if (games % 2 != 0) throw UsageError("--games must be even: games are played in mirrored pairs");
  const int seed = ParseInt(args.Value("--seed", "1"), 0, 2147483647, "--seed");

  static DuelSetup setup;  // about 5 MB: made once
  const auto firstPlayer = MakePlayer(first, setup);
  const auto secondPlayer = MakePlayer(second, setup);
  if (first == "baseline" || second == "baseline") {
    std::string error;
    const std::string folder =
        args.Has("--pubeval") ? args.Value("--pubeval", "") : EngineBaselineFolder().string();
    if (!LoadBaseline(folder, setup.baseline, error)) {
      throw UsageError("no baseline weights in " + folder + ": " + error +
                       " (--pubeval DIR names their folder)");
    }
  }
  LoadEngineWeights(args);

  const bool quiet = args.Has("--quiet");
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
