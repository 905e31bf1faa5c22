#include "net/network.h"
#include "player/close_call.h"
#include "player/computer_player.h"
#include "player/evaluation_log.h"
#include "rules/game_result.h"

namespace morvik {

namespace {

constexpr double kDoubletWeight = 1.0 / 36.0;
constexpr double kOtherWeight = 1.0 / 18.0;
constexpr int kReplyPositions = 16384;  // the table's size; it stops recording when full

}  // namespace

// The mean, over the human's 21 rolls weighted by their chances, of the
// computer's value after the human's best reply; the score is stored as
// single after every roll.
float ComputerPlayer::ReplyAverage(SideBoard& mover, SideBoard& opponent) {
  // Rolls of one total often reach the same positions (13/8 with 4-1 or
  // 3-2): all 21 searches start from these boards and share the values met.
  known_.Reset(kReplyPositions);
  float score = 0.0f;
  for (int i = 1; i <= 6; ++i) {
    for (int j = i; j <= 6; ++j) {
      SideBoard human = opponent, computer = mover;
      const double v = BestReplyOn(human, computer, i, j);
      const double w = i == j ? kDoubletWeight : kOtherWeight;
      score = static_cast<float>(static_cast<double>(score) + v * w);
    }
  }
  return score;
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
  PositionKey reached[5];
  bool averaged[5] = {};
  bool firstPlyWin = false;
  for (int k = 0; k < n; ++k) {
    const MoveEntry& candidate = choice_[k];
    reached[k] = KeyAfter(start, candidate);
    ApplyEntry(mover, opponent, candidate);
    if (AllBorneOff(mover) || firstPlyWin) {
      sink.Log(kFirstPlyWin);
      scores[k] = EvaluateBoards(mover, opponent);
      ++evaluations_;
      firstPlyWin = true;
    } else {
      int same = 0;  // two kept candidates reaching one position share the result
      while (same < k && !(averaged[same] && reached[same] == reached[k])) ++same;
      scores[k] = same < k ? scores[same] : ReplyAverage(mover, opponent);
      averaged[k] = true;
    }
    UndoEntry(mover, opponent, candidate);
  }
}

}  // namespace morvik
