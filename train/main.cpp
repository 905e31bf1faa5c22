// morvik-train: learns the network's weights by self-play and writes them as
// a weight file the game reads.
#include <cstdint>
#include <cstdio>
#include <string>

#include "headless/options.h"
#include "net/network.h"
#include "train/position_kinds.h"
#include "train/trainer.h"

namespace morvik {

namespace {
// A count as the trainer reads it: any number in 0..1e12, its fraction
// dropped, then within low..high or refused with `outside`.
CLI::Validator Count(const std::string& what, int64_t low = 0, int64_t high = 1000000000000,
                     const std::string& outside = "") {
  const CLI::Validator number = Real(0, 1e12, what);
  return CLI::Validator(
      [=](std::string& text) {
        const std::string given = text;
        std::string problem = number(text);
        if (!problem.empty()) return problem;
        const auto whole = static_cast<int64_t>(std::stod(text));
        if (whole < low || whole > high)
          return outside.empty() ? what + " is out of range: " + given : outside;
        text = std::to_string(whole);
        return std::string();
      },
      "", "");
}

constexpr int64_t kMaxInt = 2147483647;

// The options, and the values that become options only once all are read.
struct TrainCommand {
  TrainOptions o;
  double alpha = 0.0;
  double lateAlpha = 0.0;
  std::string target = "points";
  std::string depth = "next";
  std::string fit;
  CLI::Option* alphaOption = nullptr;
  CLI::Option* lateAlphaOption = nullptr;
};

void Declare(CLI::App& app, TrainCommand& c) {
  TrainOptions& o = c.o;
  AddValue(app, "--games", o.games, "train until this many games are done (1000000)", "N",
           Count("--games"));
  AddValue(app, "--start-games", o.startGames, "games already behind the resumed weights (0)", "N",
           Count("--start-games"));
  AddValue(app, "--seed", o.seed, "seed of the dice and the initial weights (1)", "S",
           Count("--seed"));
  AddValue(app, "--threads", o.threads, "playing threads, 1..64 (2)", "T",
           Count("--threads", 1, 64, "--threads must lie in 1..64"));
  AddValue(app, "--round", o.roundGames, "games per thread between merges (4)", "N",
           Count("--round", 1, kMaxInt, "--round must be at least 1"));
  c.alphaOption =
      AddValue(app, "--alpha", c.alpha, "learning rate (0.1)", "A", Real(0.0, 10.0, "--alpha"));
  c.lateAlphaOption =
      AddValue(app, "--late-alpha", c.lateAlpha, "learning rate from --late-from on (0.02)", "A",
               Real(0.0, 10.0, "--late-alpha"));
  AddValue(app, "--late-from", o.lateFrom, "games after which --late-alpha applies (300000)", "N",
           Count("--late-from"));
  AddValue(app, "--init", o.initRange, "initial weights uniform in +-R (0.1)", "R",
           Real(0.0, 10.0, "--init"));
  AddValue(app, "--bench-every", o.benchEvery,
           "games between benchmarks against the baseline, 0 never (50000)", "N",
           Count("--bench-every"));
  AddValue(app, "--bench-pairs", o.benchPairs, "mirrored pairs per benchmark (500)", "N",
           Count("--bench-pairs", 0, kMaxInt));
  AddValue(app, "--max-seconds", o.maxSeconds, "time limit, 0 none (0)", "S",
           Real(0, 1e7, "--max-seconds"));
  AddValue(app, "--resume", o.resume, "weight file to start from", "F");
  AddValue(app, "--output", o.output,
           "weight file written at every benchmark and at the end (gammon.pc)", "F");
  AddValue(app, "--checkpoints", o.checkpointDir, "folder for numbered copies of the weights",
           "DIR");
  AddValue(app, "--curve", o.curve, "file the benchmark figures are appended to", "F");
  AddValue(app, "--pubeval", o.baselineDir, "folder of the baseline's weights", "DIR");
  AddValue(app, "--target", c.target,
           "what the network learns: points (the game's value) or win (its chance) (points)", "T")
      ->check(OneOf({"points", "win"}, [](const std::string& text) {
        return "--target must be points or win, not '" + text + "'";
      }));
  AddValue(app, "--depth", c.depth,
           "where each step aims: next (the value after the opponent's move as played) or "
           "one-ply (the mean over all the opponent's rolls) (next)",
           "D")
      ->check(OneOf({"next", "one-ply"}, [](const std::string& text) {
        return "--depth must be next or one-ply, not '" + text + "'";
      }));
  AddValue(app, "--random-share", o.randomShare,
           "share of games whose first moves are chosen at random, 0..1 (0)", "S",
           Real(0.0, 1.0, "--random-share"));
  AddValue(app, "--random-plies", o.randomPlies,
           "at most this many random moves at the start of such a game (12)", "N",
           Count("--random-plies", 1, 1000, "--random-plies must lie in 1..1000"));
  CLI::Option* collect =
      AddValue(app, "--collect", o.collectTo,
               "instead of learning, play --games games with the --resume weights and write every "
               "position reached, with its one-ply value, to this file",
               "F");
  AddValue(app, "--fit", c.fit,
           "instead of self-play, fit the weights to the positions in these files "
           "(comma-separated); the learning rate falls from --alpha (0.01) to --late-alpha "
           "(0.001) over the epochs",
           "FILES")
      ->excludes(collect)
      ->check(Refuse([](const std::string& text) {
        return SplitList(text).empty() ? "--fit names no file" : "";
      }));
  AddValue(app, "--lambda", o.lambda,
           "above 0: each game learns when it ends, every position aiming at its lambda-return "
           "(TD(lambda)); 0..1 (0)",
           "L", Real(0.0, 1.0, "--lambda"));
  AddValue(app, "--start-positions", o.startFrom,
           "a positions file (as --collect writes) some games start from instead of the opening",
           "F");
  AddValue(app, "--start-share", o.startShare,
           "share of games that start from such a position, 0..1 (0.5)", "S",
           Real(0.0, 1.0, "--start-share"));
  AddValue(app, "--start-kinds", o.startKinds,
           "which of its positions: race, left-back, crashed, lost, comma-separated (all four)",
           "KINDS",
           CLI::Validator(
               [](std::string& text) {
                 const unsigned kinds = ParseKinds(text);
                 if (kinds == 0)
                   return std::string(
                       "--start-kinds takes race, left-back, crashed and lost, "
                       "comma-separated");
                 text = std::to_string(kinds);
                 return std::string();
               },
               "", ""));
  AddValue(app, "--epochs", o.epochs, "passes over the positions when fitting (10)", "N",
           Count("--epochs", 1, 10000, "--epochs must lie in 1..10000"));
  const std::string rolloutRange =
      "--rollouts and --rollout-plies must lie in 0..100000 and 0..10000";
  AddValue(app, "--rollouts", o.rolloutTrials,
           "with --collect: score each position by this many games played on from it instead of "
           "its one-ply value; a multiple of 36 throws every first roll alike (0)",
           "N", Count("--rollouts", 0, 100000, rolloutRange))
      ->needs(collect);
  AddValue(app, "--rollout-plies", o.rolloutPlies,
           "with --rollouts: moves in each game before the network's value stands in, 0 to the "
           "end (0)",
           "P", Count("--rollout-plies", 0, 10000, rolloutRange))
      ->needs(collect);
  AddValue(app, "--candidates", o.candidates,
           "with --collect: for a share of the positions, also the positions after the K best "
           "moves of a roll drawn for the side to move, 0..8 (0)",
           "K", Count("--candidates", 0, 8, "--candidates must lie in 0..8"))
      ->needs(collect);
  AddValue(app, "--candidate-share", o.candidateShare,
           "with --candidates: the share of positions that get them, 0..1 (0.5)", "F",
           Real(0.0, 1.0, "--candidate-share"))
      ->needs(collect);
}

TrainOptions ReadTrainOptions(int argc, char** argv) {
  TrainCommand c;
  CLI::App app;
  SetUpCommand(app);
  Declare(app, c);
  ParseCommand(app, argc, argv, 1);
  TrainOptions& o = c.o;
  o.target = c.target == "win" ? TrainTarget::kWin : TrainTarget::kPoints;
  o.depth = c.depth == "one-ply" ? TrainTargetDepth::kOnePly : TrainTargetDepth::kNextMove;
  if (o.lambda > 0.0f && o.depth == TrainTargetDepth::kOnePly)
    throw UsageError("--lambda and --depth one-ply cannot be given together");
  o.fitFrom = SplitList(c.fit);
  // Fitting fixed targets wants smaller steps than self-play.
  const bool fitting = !o.fitFrom.empty();
  if (c.alphaOption->count() > 0 || fitting)
    o.alpha = static_cast<float>(c.alphaOption->count() > 0 ? c.alpha : 0.01);
  if (c.lateAlphaOption->count() > 0 || fitting)
    o.lateAlpha = static_cast<float>(c.lateAlphaOption->count() > 0 ? c.lateAlpha : 0.001);
  return o;
}
}  // namespace

}  // namespace morvik

using namespace morvik;

int main(int argc, char** argv) {
  try {
    const TrainOptions options = ReadTrainOptions(argc, argv);
    static Trainer trainer(options);
    return trainer.Run() ? 0 : 1;
  } catch (const HelpRequested& help) {
    std::fputs(help.text.c_str(), stdout);
    return 0;
  } catch (const UsageError& e) {
    std::fprintf(stderr, "morvik-train: %s\n", e.what());
    return 2;
  }
}
