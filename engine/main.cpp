// morvik-engine: the rules, the network and the computer player from the
// command line, for engineers and for tests.
#include <cstdio>
#include <cstring>
#include <exception>

#include "engine/arguments.h"
#include "engine/commands.h"

namespace morvik {

namespace {
struct Command {
  const char* name;
  int (*run)(int, char**);
  const char* usage;
};

const Command kCommands[] = {
    {"moves", RunMoves, "moves (--board B | --position-id ID) --dice D1 D2 --side human|computer"},
    {"eval", RunEval, "eval (--board B | --position-id ID) [--weights F | --zero-weights]"},
    {"play", RunPlay,
     "play (--board B | --position-id ID) --dice D1 D2 [--weights F | --zero-weights] "
     "[--lookahead]"},
    {"reply", RunReply,
     "reply (--board B | --position-id ID) --dice I J [--weights F | --zero-weights]"},
    {"bench", RunBench, "bench [--seconds S] [--weights F] [--path sse2|avx2|avx512]"},
    {"duel", RunDuel,
     "duel [--first P] [--second P] [--games N] [--seed S] [--weights F | --zero-weights] "
     "[--pubeval DIR]\n"
     "      (players: net, lookahead, baseline)"},
    {"rollout", RunRollout,
     "rollout (--board B | --position-id ID) [--dice D1 D2 [--moves K]] [--trials N] "
     "[--truncate P]\n"
     "      [--threads T] [--seed S] [--lookahead] [--plain] [--weights F | --zero-weights]\n"
     "  morvik-engine rollout --positions FILE --output FILE [the same options]"},
    {"ubgi", RunUbgi, "ubgi [--weights F | --zero-weights] [--lookahead]"},
};

void PrintUsage(std::FILE* out) {
  std::fprintf(out, "usage: morvik-engine <command> [options]\n");
  for (const Command& c : kCommands) std::fprintf(out, "  morvik-engine %s\n", c.usage);
}
}  // namespace

}  // namespace morvik

using namespace morvik;

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage(stderr);
    return 2;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
    PrintUsage(stdout);
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
