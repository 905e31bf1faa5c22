// morvik-engine: the rules, the network and the computer player from the
// command line, for engineers and for tests.
#include <cstdio>
#include <cstring>
#include <exception>

#include "engine/commands.h"
#include "engine/options.h"
#include "headless/usage_error.h"

namespace morvik {

namespace {
struct Command {
  const char* name;
  int (*run)(int, char**);
};

const Command kCommands[] = {
    {"moves", RunMoves},     {"eval", RunEval},   {"play", RunPlay},
    {"reply", RunReply},     {"bench", RunBench}, {"duel", RunDuel},
    {"rollout", RunRollout}, {"ubgi", RunUbgi},   {"yardstick", RunYardstick}};
}  // namespace

}  // namespace morvik

using namespace morvik;

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintEngineUsage(stderr);
    return 2;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
    PrintEngineUsage(stdout);
    return 0;
  }
  for (const Command& c : kCommands) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
    try {
      return c.run(argc, argv);
    } catch (const HelpRequested& help) {
      std::fputs(help.text.c_str(), stdout);
      return 0;
    } catch (const UsageError& e) {
      std::fprintf(stderr, "morvik-engine %s: %s\n", c.name, e.what());
      return 2;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "morvik-engine %s: %s\n", c.name, e.what());
      return 1;
    }
  }
  std::fprintf(stderr, "morvik-engine: unknown command '%s' (try --help)\n", argv[1]);
  return 2;
}
