#include "engine/options.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/baseline_folder.h"
#include "headless/baseline.h"
#include "headless/options.h"

namespace morvik {

namespace {
// Exactly one of the two forms, or at most one where another option can
// stand in for both (the rollout's --positions).
void Position(CLI::App& app, EngineOptions& o, bool required = true) {
  CLI::App* position = app.add_option_group(
      "position", required ? "the position, in one of two forms"
                           : "the position, in one of two forms (or --positions)");
  if (required) position->require_option(1);
  CLI::Option* board = AddValue(
      *position, "--board", o.board,
      "the position: v0,...,v25, the human's checkers positive, the computer's negative", "B");
  CLI::Option* id = AddValue(*position, "--position-id", o.positionId,
                             "the position as a 14-character position ID", "ID");
  board->excludes(id);
}

void Dice(CLI::App& app, EngineOptions& o) {
  AddValue(app, "--dice", o.dice, "the two dice, 1..6, in the order they are used", "D1 D2",
           Integer(1, 6, "die"))
      ->required();
}

void Weights(CLI::App& app, EngineOptions& o,
             const char* help = "weight file (gammon.pc in the working directory)") {
  CLI::Option* weights = AddValue(app, "--weights", o.weights, help, "F");
  AddFlag(app, "--zero-weights", o.zeroWeights, "a network of zeros: every position is worth 0.5")
      ->excludes(weights);
}

void Lookahead(CLI::App& app, EngineOptions& o) {
  AddFlag(app, "--lookahead", o.lookahead, "choose with the one-ply look-ahead");
}

void Player(CLI::App& app, const char* name, std::string& player, const char* help) {
  AddValue(app, name, player, help, "P")
      ->check(OneOf({"net", "lookahead", "baseline"}, [](const std::string& text) {
        return "unknown player '" + text + "' (net, lookahead or baseline)";
      }));
}

void Moves(CLI::App& app, EngineOptions& o) {
  Position(app, o);
  AddValue(app, "--side", o.side, "who moves: human or computer", "SIDE")
      ->required()
      ->check(OneOf({"human", "computer"}, [](const std::string& text) {
        return "--side must be human or computer, got '" + text + "'";
      }));
  Dice(app, o);
}

void Eval(CLI::App& app, EngineOptions& o) {
  Position(app, o);
  Weights(app, o);
}

void Play(CLI::App& app, EngineOptions& o) {
  Position(app, o);
  Dice(app, o);
  Weights(app, o);
  Lookahead(app, o);
}

void Reply(CLI::App& app, EngineOptions& o) {
  Position(app, o);
  Dice(app, o);
  Weights(app, o);
}

void Bench(CLI::App& app, EngineOptions& o) {
  AddValue(app, "--seconds", o.seconds, "seconds of processor time for each rate, 0..600 (1)", "S",
           Integer(0, 600, "--seconds"));
  AddValue(app, "--weights", o.weights, "also play the sample and self-play with these weights",
           "F");
  AddValue(app, "--path", o.path, "vector path: sse2, avx2 or avx512 (the processor's best)",
           "PATH")
      ->check(OneOf({"sse2", "avx2", "avx512"},
                    [](const std::string&) { return "--path must be sse2, avx2 or avx512"; }));
}

void Duel(CLI::App& app, EngineOptions& o) {
  Player(app, "--first", o.first, "first player: net, lookahead or baseline (net)");
  Player(app, "--second", o.second, "second player: net, lookahead or baseline (baseline)");
  AddValue(app, "--games", o.games, "games to play, an even number: mirrored pairs (10000)", "N",
           Integer(2, 100000000, "--games"))
      ->check(Refuse([](const std::string& text) {
        return std::stoi(text) % 2 == 0
                   ? std::string()
                   : std::string("--games must be even: games are played in mirrored pairs");
      }));
  AddValue(app, "--seed", o.seed, "seed of the dice (1)", "S", Integer(0, INT_MAX, "--seed"));
  Weights(app, o);
  o.pubeval = EngineBaselineFolder().string();
  AddValue(app, "--pubeval", o.pubeval,
           "folder of the baseline's weights (share/morvik/pubeval beside the program, else "
           "data/pubeval)",
           "DIR");
  AddFlag(app, "--quiet", o.quiet, "no progress line");
}

void Rollout(CLI::App& app, EngineOptions& o) {
  Position(app, o, false);
  AddValue(app, "--dice", o.dice, "the two dice, 1..6: roll out every move of that roll", "D1 D2",
           Integer(1, 6, "die"));
  AddValue(app, "--moves", o.moves,
           "with --dice: roll out only the K best moves by the network's value", "K",
           Integer(1, 100000, "--moves"));
  AddValue(app, "--trials", o.trials, "games played on from each position, a multiple of 36 (1296)",
           "N", Integer(36, 100000000, "--trials"));
  AddValue(app, "--truncate", o.truncate,
           "stop each game after P moves at the network's value (games run to the end)", "P",
           Integer(1, 10000, "--truncate"));
  AddValue(app, "--threads", o.threads,
           "threads playing the games; the result is the same for any number (1)", "T",
           Integer(1, 256, "--threads"));
  AddValue(app, "--seed", o.seed, "seed of the dice (1)", "S", Integer(0, INT_MAX, "--seed"));
  Lookahead(app, o);
  AddFlag(app, "--plain", o.plain,
          "no variance reduction beyond the first roll: games as the trainer plays them");
  AddValue(app, "--positions", o.positions,
           "positions file to label (as morvik-train --collect writes them)", "FILE");
  AddValue(app, "--output", o.output, "where the labelled positions go; an interrupted run resumes",
           "FILE");
  AddFlag(app, "--quiet", o.quiet, "no progress line");
  Weights(app, o);
}

void Ubgi(CLI::App& app, EngineOptions& o) {
  Weights(app, o);
  Lookahead(app, o);
}

void Yardstick(CLI::App& app, EngineOptions& o) {
  Weights(app, o);
  Lookahead(app, o);
  AddValue(app, "--set", o.set, "the yardstick set (data/yardstick.txt.gz of the source tree)",
           "FILE");
  AddValue(app, "--against", o.against, "also score these weights, and the paired difference",
           "F2");
}

// Each command with its synopsis, beside what declares its options.
struct Command {
  const char* name;
  void (*declare)(CLI::App&, EngineOptions&);
  const char* usage;
};

const Command kCommands[] = {
    {"moves", Moves, "moves (--board B | --position-id ID) --dice D1 D2 --side human|computer"},
    {"eval", Eval, "eval (--board B | --position-id ID) [--weights F | --zero-weights]"},
    {"play", Play,
     "play (--board B | --position-id ID) --dice D1 D2 [--weights F | --zero-weights] "
     "[--lookahead]"},
    {"reply", Reply,
     "reply (--board B | --position-id ID) --dice I J [--weights F | --zero-weights]"},
    {"bench", Bench, "bench [--seconds S] [--weights F] [--path sse2|avx2|avx512]"},
    {"duel", Duel,
     "duel [--first P] [--second P] [--games N] [--seed S] [--weights F | --zero-weights] "
     "[--pubeval DIR]\n"
     "      (players: net, lookahead, baseline)"},
    {"rollout", Rollout,
     "rollout (--board B | --position-id ID) [--dice D1 D2 [--moves K]] [--trials N] "
     "[--truncate P]\n"
     "      [--threads T] [--seed S] [--lookahead] [--plain] [--weights F | --zero-weights]\n"
     "  morvik-engine rollout --positions FILE --output FILE [the same options]"},
    {"ubgi", Ubgi, "ubgi [--weights F | --zero-weights] [--lookahead]"},
    {"yardstick", Yardstick,
     "yardstick [--weights F | --zero-weights] [--lookahead] [--set FILE] [--against F2]"},
};

// Every option of every command.
std::vector<std::string> AllOptions() {
  std::vector<std::string> names;
  for (const Command& command : kCommands) {
    CLI::App app;
    EngineOptions unused;
    command.declare(app, unused);
    for (const std::string& name : OptionNames(app)) names.push_back(name);
  }
  return names;
}
}  // namespace

std::string MorvikYardstickSet() {
  return MORVIK_TREE_DATA_DIR "/yardstick.txt.gz";
}

void PrintEngineUsage(std::FILE* out) {
  std::fprintf(out, "usage: morvik-engine <command> [options]\n");
  for (const Command& c : kCommands) std::fprintf(out, "  morvik-engine %s\n", c.usage);
}

EngineOptions ReadEngineOptions(int argc, char** argv) {
  EngineOptions o;
  CLI::App app;
  SetUpCommand(app);
  for (const Command& command : kCommands) {
    if (argc > 1 && std::strcmp(argv[1], command.name) == 0) command.declare(app, o);
  }
  ParseCommand(app, argc, argv, 2, AllOptions());
  const auto given = [&app](const char* name) {
    const CLI::Option* option = app.get_option_no_throw(name);
    return option != nullptr && option->count() > 0;
  };
  o.hasBoard = given("--board");
  o.hasPositionId = given("--position-id");
  o.hasWeights = given("--weights");
  o.hasPath = given("--path");
  o.hasDice = given("--dice");
  o.hasMoves = given("--moves");
  o.hasPositions = given("--positions");
  o.hasOutput = given("--output");
  return o;
}

}  // namespace morvik
