#include <chrono>
#include <cstdint>
#include <cstdio>

#include "engine/arguments.h"
#include "engine/bench_player.h"
#include "engine/bench_positions.h"
#include "engine/commands.h"
#include "engine/fnv_hash.h"
#include "net/network.h"
#include "rules/move_list.h"
#include "rules/primitives.h"

namespace {
MoveList gList;

struct Totals {
  long lists = 0;
  long entries = 0;
  long evaluations = 0;
};

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// All 21 rolls of one position for the computer, larger die first; every
// entry played, evaluated and taken back.
void RunPosition(const SignedBoard& board, bool evaluate, Totals& totals, FnvHash* signature) {
  BoardPosition position;
  BuildBoardPosition(board, position);
  for (int i = 1; i <= 6; ++i) {
    for (int j = i; j <= 6; ++j) {
      EnumerateMoves(position.own, position.opponent, j, i, gList);
      ++totals.lists;
      totals.entries += gList.count;
      for (int e = 0; e < gList.count; ++e) {
        if (signature != nullptr) {
          for (const CheckerMove& m : gList[e].slot) signature->Add(static_cast<uint64_t>(m.from * 65536 + m.to * 256 + m.hit));
        }
        if (!evaluate) continue;
        ApplyEntry(position.own, position.opponent, gList[e]);
        const float v = EvaluateBoards(position.own, position.opponent);
        UndoEntry(position.own, position.opponent, gList[e]);
        ++totals.evaluations;
        if (signature != nullptr) signature->AddFloat(v);
      }
    }
  }
}

void Rate(const char* what, bool evaluate, double minSeconds) {
  const auto positions = BenchPositions();
  Totals totals;
  const auto start = std::chrono::steady_clock::now();
  do {
    for (const BenchPosition& p : positions) RunPosition(p.board, evaluate, totals, nullptr);
  } while (Seconds(start) < minSeconds);
  const double s = Seconds(start);
  if (evaluate) {
    std::printf("%-10s %12.0f evaluations/s  (%ld in %.2f s)\n", what, static_cast<double>(totals.evaluations) / s,
                totals.evaluations, s);
  } else {
    std::printf("%-10s %12.0f full-move lists/s  (%ld lists, %ld entries in %.2f s)\n", what,
                static_cast<double>(totals.lists) / s, totals.lists, totals.entries, s);
  }
}
}  // namespace

int RunBench(int argc, char** argv) {
  const EngineArguments args(argc, argv, 2, {{"--seconds", 1}});
  const double seconds = ParseInt(args.Value("--seconds", "1"), 0, 600, "--seconds");
  LoadBenchWeights();
  Totals totals;
  FnvHash signature;
  for (const BenchPosition& p : BenchPositions()) {
    Totals one;
    RunPosition(p.board, true, one, &signature);
    std::printf("position %-8s 21 rolls, %6ld entries\n", p.name, one.entries);
    totals.entries += one.entries;
    totals.evaluations += one.evaluations;
  }
  std::fflush(stdout);
  Rate("movegen", false, seconds);
  std::fflush(stdout);
  Rate("eval", true, seconds);
  std::fflush(stdout);
  const uint64_t play = BenchComputerMoves(false, seconds);
  std::fflush(stdout);
  const uint64_t lookahead = BenchComputerMoves(true, seconds);
  std::printf("signature: entries %ld evaluations %ld checksum %016llx play %016llx lookahead %016llx\n",
              totals.entries, totals.evaluations, static_cast<unsigned long long>(signature.hash),
              static_cast<unsigned long long>(play), static_cast<unsigned long long>(lookahead));
  return 0;
}
