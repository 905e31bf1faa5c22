// morvik-soak --games N [--seed S] [--lookahead-every K] [--first G]
// [--max-plies P]: plays
// N self-play games with random weights and checks every move. Exit status 0
// when every game was sound, 1 on the first fault (printed with the game
// number, which --first replays), 2 for a wrong command line.
#include <chrono>
#include <cstdio>
#include <memory>

#include "headless/options.h"
#include "net/network.h"
#include "player/computer_player.h"
#include "tests/reliability/soak_game.h"

namespace morvik {

namespace {
void PrintTotals(const SoakTotals& t, double seconds) {
  std::printf(
      "games %ld (cut %ld) plies %ld look-ahead games %ld passes %ld | first side %ld-%ld-%ld "
      "second side "
      "%ld-%ld-%ld | "
      "%.1f s\n",
      t.games, t.cut, t.plies, t.lookaheadGames, t.passes, t.wins[0][0], t.wins[0][1], t.wins[0][2],
      t.wins[1][0], t.wins[1][1], t.wins[1][2], seconds);
  std::fflush(stdout);
}

int Run(int argc, char** argv) {
  long games = 1000;
  long first = 0;
  int seed = 1;
  SoakOptions options;
  CLI::App app;
  SetUpCommand(app);
  AddValue(app, "--games", games, "games to play (1000)", "N", Integer(0, 2000000000, "--games"));
  AddValue(app, "--seed", seed, "seed of the dice and the weights (1)", "S",
           Integer(0, 2000000000, "--seed"));
  AddValue(app, "--lookahead-every", options.lookaheadEvery,
           "every n-th game with the look-ahead (10)", "K",
           Integer(0, 1000000, "--lookahead-every"));
  AddValue(app, "--first", first, "number of the first game (0)", "G",
           Integer(0, 2000000000, "--first"));
  AddValue(app, "--max-plies", options.maxPlies, "moves after which a game is cut (3000)", "P",
           Integer(1, 2000000000, "--max-plies"));
  ParseCommand(app, argc, argv, 1);
  options.seed = static_cast<uint64_t>(seed);
  SetUpProgramNet(nullptr);
  auto player = std::make_unique<ComputerPlayer>(gPackedNet);
  SoakTotals totals;
  const auto start = std::chrono::steady_clock::now();
  auto elapsed = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  for (long g = first; g < first + games; ++g) {
    const std::string fault = PlaySoakGame(*player, options, g, totals);
    if (!fault.empty()) {
      std::printf("FAULT in game %ld (seed %llu): %s\n", g,
                  static_cast<unsigned long long>(options.seed), fault.c_str());
      PrintTotals(totals, elapsed());
      return 1;
    }
    if ((g - first + 1) % 1000 == 0) PrintTotals(totals, elapsed());
  }
  PrintTotals(totals, elapsed());
  return 0;
}
}  // namespace

}  // namespace morvik

using namespace morvik;

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const HelpRequested& help) {
    std::fputs(help.text.c_str(), stdout);
    return 0;
  } catch (const UsageError& e) {
    std::fprintf(stderr, "morvik-soak: %s\n", e.what());
    return 2;
  }
}
