#include "player/computer_player.h"

#include <chrono>
#include <utility>

#include "net/network.h"
#include "player/evaluation_log.h"
#include "player/move_pruning.h"
#include "player/scoring.h"

namespace morvik {

namespace {

constexpr int kKept = 5;

// Descending selection sort: at each position the earliest of the highest
// remaining scores is swapped in, also with itself. The swaps move equal
// scores further down, so they decide which five are kept. Passes after the
// first `passes` only reorder entries behind the cut, so they are not run.
void SortDescending(MoveList& list, float* scores, int passes) {
  for (int i = 0; i < list.count - 1 && i < passes; ++i) {
    int best = i;
    for (int j = i + 1; j < list.count; ++j) {
      if (scores[j] > scores[best]) best = j;
    }
    std::swap(list[i], list[best]);
    std::swap(scores[i], scores[best]);
  }
}

void LogCount(PlayerSink& sink, int count) {
  TextLine line;
  FormatCountLine(line, count);
  sink.Log(line.View());
}

}  // namespace

MoveEntry ComputerPlayer::PlayComputerMove(SideBoard& mover, SideBoard& opponent, int lookahead,
                                           int d1, int d2, PlayerSink& sink) {
  EnumerateMoves(mover, opponent, d1, d2, choice_);
  if (d1 == d2 && choice_.count > kKept) PruneDoublets(choice_);
  const auto start = std::chrono::steady_clock::now();

  known_.Reset(choice_.count);
  evaluations_ += ScoreEntries(mover, opponent, choice_, choiceScores_, known_, batch_);
  LogCount(sink, choice_.count);
  SortDescending(choice_, choiceScores_, kKept);
  const int n = choice_.count < kKept ? choice_.count : kKept;
  LogCount(sink, n);
  if (lookahead == 1 && n >= 2) OnePlyLookAhead(mover, opponent, n, sink);

  int best = 0;
  TextLine line;
  for (int k = 0; k < n; ++k) {
    FormatCandidateLine(line, choiceScores_[k], choice_[k]);
    sink.Log(line.View());
    if (choiceScores_[k] > choiceScores_[best]) best = k;
  }
  sink.LogElapsed(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());

  MoveEntry chosen{};
  chosen.slot[0].from = kEndMarker;
  if (n > 0) {
    chosen = choice_[best];
    ApplyEntry(mover, opponent, chosen);
  }
  FormatComputerLine(line, d1, d2, chosen);
  sink.History(line.View());
  return chosen;
}

}  // namespace morvik
