#include "player/computer_player.h"

#include <chrono>
#include <utility>

#include "player/close_call.h"
#include "player/evaluation_log.h"
#include "player/move_pruning.h"
#include "player/scoring.h"
#include "rules/enumerate.h"
#include "rules/game_result.h"

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

  search_.known.Reset(choice_.count);
  search_.evaluations +=
      ScoreEntries(net_, mover, opponent, choice_, choiceScores_, search_.known, search_.batch);
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

float ComputerPlayer::FindBestReply(SideBoard own, SideBoard opponent, int d1, int d2) {
  return PlayBestReply(own, opponent, d1, d2);
}

// The value returned is 1 - the chosen reply's own score: evaluating its
// position again would give the same value.
float ComputerPlayer::PlayBestReply(SideBoard& own, SideBoard& opponent, int d1, int d2) {
  return static_cast<float>(
      1.0 - static_cast<double>(PlayBestMove(net_, kGameSearch, own, opponent, d1, d2, search_)));
}

// Values the kept candidates again by the human's replies, only when the two
// best are close. Once a candidate bears off the last checker, it and every
// later one keep the network's value of the position itself.
void ComputerPlayer::OnePlyLookAhead(SideBoard& mover, SideBoard& opponent, int n,
                                     PlayerSink& sink) {
  float* scores = choiceScores_;
  if (!CloseCall(scores[0], scores[1])) return;
  ++lookAheads_;
  const PositionKey start = KeyOf(mover);
  PositionKey reached[kKept];
  bool averaged[kKept] = {};
  bool firstPlyWin = false;
  for (int k = 0; k < n; ++k) {
    const MoveEntry& candidate = choice_[k];
    reached[k] = KeyAfter(start, candidate);
    ApplyEntry(mover, opponent, candidate);
    if (AllBorneOff(mover) || firstPlyWin) {
      sink.Log(kFirstPlyWin);
      scores[k] = Evaluate(net_, mover, opponent, search_);
      firstPlyWin = true;
    } else {
      int same = 0;  // two kept candidates reaching one position share the result
      while (same < k && !(averaged[same] && reached[same] == reached[k])) ++same;
      scores[k] =
          same < k ? scores[same] : OnePlyAverage(net_, kGameSearch, mover, opponent, search_);
      averaged[k] = true;
    }
    UndoEntry(mover, opponent, candidate);
  }
}

}  // namespace morvik
