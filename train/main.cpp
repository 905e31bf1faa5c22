// morvik-train: learns the network's weights by self-play and writes them as
// a weight file the game reads.
#include <cstdio>
#include <exception>
#include <string>

#include "engine/arguments.h"
#include "net/network.h"
#include "train/trainer.h"

namespace {
const std::vector<OptionRule> kOptions = {
    {"--games", 1},   {"--start-games", 1}, {"--seed", 1},        {"--threads", 1},
    {"--round", 1},   {"--alpha", 1},       {"--late-alpha", 1},  {"--late-from", 1},
    {"--init", 1},    {"--bench-every", 1}, {"--bench-pairs", 1}, {"--max-seconds", 1},
    {"--resume", 1},  {"--output", 1},      {"--checkpoints", 1}, {"--curve", 1},
    {"--pubeval", 1}, {"--help", 0},
};

const char* kUsage =
    "usage: morvik-train [--games N] [--seed S] [--threads T] [--round R]\n"
    "  [--alpha A] [--late-alpha B] [--late-from G] [--init R]\n"
    "  [--bench-every G] [--bench-pairs P] [--max-seconds S]\n"
    "  [--resume FILE --start-games G] [--output FILE] [--checkpoints DIR]\n"
    "  [--curve FILE] [--pubeval DIR]\n";

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
  return o;
}
}  // namespace

int main(int argc, char** argv) {
  try {
    const Arguments args(argc, argv, 1, kOptions);
    if (args.Has("--help")) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    const TrainOptions options = ParseOptions(args);
    NetGain = 0.5f;
    InitNetLayout();
    static Trainer trainer(options);
    return trainer.Run() ? 0 : 1;
  } catch (const UsageError& e) {
    std::fprintf(stderr, "morvik-train: %s\n%s", e.what(), kUsage);
    return 2;
  }
}
