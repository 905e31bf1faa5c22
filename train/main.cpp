// morvik-train: learns the network's weights by self-play and writes them as
// a weight file the game reads.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "headless/arguments.h"
#include "net/network.h"
#include "train/position_kinds.h"
#include "train/trainer.h"

namespace morvik {

namespace {
const std::vector<OptionRule> kOptions = {
    {"--games", 1, "train until this many games are done (1000000)"},
    {"--start-games", 1, "games already behind the resumed weights (0)"},
    {"--seed", 1, "seed of the dice and the initial weights (1)"},
    {"--threads", 1, "playing threads, 1..64 (2)"},
    {"--round", 1, "games per thread between merges (4)"},
    {"--alpha", 1, "learning rate (0.1)"},
    {"--late-alpha", 1, "learning rate from --late-from on (0.02)"},
    {"--late-from", 1, "games after which --late-alpha applies (300000)"},
    {"--init", 1, "initial weights uniform in +-R (0.1)"},
    {"--bench-every", 1, "games between benchmarks against the baseline, 0 never (50000)"},
    {"--bench-pairs", 1, "mirrored pairs per benchmark (500)"},
    {"--max-seconds", 1, "time limit, 0 none (0)"},
    {"--resume", 1, "weight file to start from"},
    {"--output", 1, "weight file written at every benchmark and at the end (gammon.pc)"},
    {"--checkpoints", 1, "folder for numbered copies of the weights"},
    {"--curve", 1, "file the benchmark figures are appended to"},
    {"--pubeval", 1, "folder of the baseline's weights"},
    {"--target", 1,
     "what the network learns: points (the game's value) or win (its chance) (points)"},
    {"--depth", 1,
     "where each step aims: next (the value after the opponent's move as played) or one-ply "
     "(the mean over all the opponent's rolls) (next)"},
    {"--random-share", 1, "share of games whose first moves are chosen at random, 0..1 (0)"},
    {"--random-plies", 1, "at most this many random moves at the start of such a game (12)"},
    {"--collect", 1,
     "instead of learning, play --games games with the --resume weights and write every "
     "position reached, with its one-ply value, to this file"},
    {"--fit", 1,
     "instead of self-play, fit the weights to the positions in these files (comma-separated); "
     "the learning rate falls from --alpha (0.01) to --late-alpha (0.001) over the epochs"},
    {"--lambda", 1,
     "above 0: each game learns when it ends, every position aiming at its lambda-return "
     "(TD(lambda)); 0..1 (0)"},
    {"--start-positions", 1,
     "a positions file (as --collect writes) some games start from instead of the opening"},
    {"--start-share", 1, "share of games that start from such a position, 0..1 (0.5)"},
    {"--start-kinds", 1,
     "which of its positions: race, left-back, crashed, lost, comma-separated (all four)"},
    {"--epochs", 1, "passes over the positions when fitting (10)"},
    {"--rollouts", 1,
     "with --collect: score each position by this many games played on from it instead of "
     "its one-ply value; a multiple of 36 throws every first roll alike (0)"},
    {"--rollout-plies", 1,
     "with --rollouts: moves in each game before the network's value stands in, 0 to the end "
     "(0)"},
};

double ParseReal(const std::string& text, double low, double high, const std::string& what) {
  std::size_t used = 0;
  double value = 0.0;
  try {
    value = std::stod(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size()) throw UsageError(what + " is not a number: '" + text + "'");
  if (!(value >= low && value <= high)) throw UsageError(what + " is out of range: " + text);
  return value;
}

int64_t ParseCount(const Arguments& a, const char* name, int64_t fallback) {
  if (!a.Has(name)) return fallback;
  return static_cast<int64_t>(ParseReal(a.Values(name).front(), 0, 1e12, name));
}

TrainOptions ParseOptions(const Arguments& a) {
  TrainOptions o;
  o.games = ParseCount(a, "--games", o.games);
  o.startGames = ParseCount(a, "--start-games", 0);
  o.seed = static_cast<uint64_t>(ParseCount(a, "--seed", 1));
  o.threads = static_cast<int>(ParseCount(a, "--threads", 2));
  o.roundGames = static_cast<int>(ParseCount(a, "--round", o.roundGames));
  if (o.threads < 1 || o.threads > 64) throw UsageError("--threads must lie in 1..64");
  if (o.roundGames < 1) throw UsageError("--round must be at least 1");
  auto real = [&](const char* name, double fallback) {
    return a.Has(name) ? ParseReal(a.Values(name).front(), 0.0, 10.0, name) : fallback;
  };
  o.alpha = static_cast<float>(real("--alpha", o.alpha));
  o.lateAlpha = static_cast<float>(real("--late-alpha", o.lateAlpha));
  o.lateFrom = ParseCount(a, "--late-from", o.lateFrom);
  o.initRange = real("--init", o.initRange);
  o.benchEvery = ParseCount(a, "--bench-every", o.benchEvery);
  o.benchPairs = static_cast<int>(ParseCount(a, "--bench-pairs", o.benchPairs));
  if (a.Has("--max-seconds"))
    o.maxSeconds = ParseReal(a.Values("--max-seconds").front(), 0, 1e7, "--max-seconds");
  o.resume = a.Value("--resume", "");
  o.output = a.Value("--output", o.output);
  o.checkpointDir = a.Value("--checkpoints", "");
  o.curve = a.Value("--curve", "");
  o.baselineDir = a.Value("--pubeval", o.baselineDir);
  const std::string target = a.Value("--target", "points");
  if (target != "points" && target != "win")
    throw UsageError("--target must be points or win, not '" + target + "'");
  o.target = target == "win" ? TrainTarget::kWin : TrainTarget::kPoints;
  const std::string depth = a.Value("--depth", "next");
  if (depth != "next" && depth != "one-ply")
    throw UsageError("--depth must be next or one-ply, not '" + depth + "'");
  o.depth = depth == "one-ply" ? TrainTargetDepth::kOnePly : TrainTargetDepth::kNextMove;
  if (a.Has("--random-share"))
    o.randomShare = ParseReal(a.Values("--random-share").front(), 0.0, 1.0, "--random-share");
  o.randomPlies = static_cast<int>(ParseCount(a, "--random-plies", o.randomPlies));
  if (a.Has("--lambda"))
    o.lambda = static_cast<float>(ParseReal(a.Values("--lambda").front(), 0.0, 1.0, "--lambda"));
  if (o.lambda > 0.0f && o.depth == TrainTargetDepth::kOnePly)
    throw UsageError("--lambda and --depth one-ply cannot be given together");
  o.collectTo = a.Value("--collect", "");
  o.fitFrom = SplitList(a.Value("--fit", ""));
  o.startFrom = a.Value("--start-positions", "");
  if (a.Has("--start-share"))
    o.startShare = ParseReal(a.Values("--start-share").front(), 0.0, 1.0, "--start-share");
  if (a.Has("--start-kinds")) {
    o.startKinds = ParseKinds(a.Values("--start-kinds").front());
    if (o.startKinds == 0)
      throw UsageError("--start-kinds takes race, left-back, crashed and lost, comma-separated");
  }
  o.epochs = static_cast<int>(ParseCount(a, "--epochs", o.epochs));
  o.rolloutTrials = static_cast<int>(ParseCount(a, "--rollouts", 0));
  o.rolloutPlies = static_cast<int>(ParseCount(a, "--rollout-plies", 0));
  if (o.rolloutTrials > 100000 || o.rolloutPlies > 10000)
    throw UsageError("--rollouts and --rollout-plies must lie in 0..100000 and 0..10000");
  if ((a.Has("--rollouts") || a.Has("--rollout-plies")) && o.collectTo.empty())
    throw UsageError("--rollouts and --rollout-plies go with --collect");
  if (!o.collectTo.empty() && !o.fitFrom.empty())
    throw UsageError("--collect and --fit cannot be given together");
  if (a.Has("--fit") && o.fitFrom.empty()) throw UsageError("--fit names no file");
  if (o.epochs < 1 || o.epochs > 10000) throw UsageError("--epochs must lie in 1..10000");
  if (!o.fitFrom.empty()) {  // fitting fixed targets wants smaller steps than self-play
    o.alpha = static_cast<float>(real("--alpha", 0.01));
    o.lateAlpha = static_cast<float>(real("--late-alpha", 0.001));
  }
  if (o.randomPlies < 1 || o.randomPlies > 1000)
    throw UsageError("--random-plies must lie in 1..1000");
  return o;
}
}  // namespace

}  // namespace morvik

using namespace morvik;

int main(int argc, char** argv) {
  try {
    const Arguments args(argc, argv, 1, kOptions);
    const TrainOptions options = ParseOptions(args);
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
