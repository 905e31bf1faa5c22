#include "net/network.h"
#include "player/close_call.h"
#include "player/computer_player.h"
#include "player/evaluation_log.h"
#include "player/scoring.h"
#include "rules/game_result.h"

namespace morvik {

namespace {

constexpr double kDoubletWeight = 1.0 / 36.0;
constexpr double kOtherWeight = 1.0 / 18.0;
constexpr int kReplyPositions = 16384;  // the table's size; it stops recording when full

// The 21 rolls, smaller die first, in the order their values are summed.
constexpr int kRolls = 21;
struct RollDice {
  int d[kRolls][2];
  constexpr RollDice() : d() {
    int r = 0;
    for (int i = 1; i <= 6; ++i) {
      for (int j = i; j <= 6; ++j) {
        d[r][0] = i;
        d[r][1] = j;
        ++r;
      }
    }
  }
  constexpr const int* operator[](int r) const { return d[r]; }
};
constexpr RollDice kRollDice;

// What the human's best reply leaves the computer, from the reply scores of
// one roll: 1 - the first highest.
float ReplyValue(const float* scores, int count) {
  return static_cast<float>(1.0 - static_cast<double>(scores[FirstBest(scores, count)]));
}

}  // namespace

// The mean, over the human's 21 rolls weighted by their chances, of the
// computer's value after the human's best reply; the score is stored as
// single after every roll. The replies of all rolls wait in one batch, so
// that the network evaluates full batches; each roll's scores stay apart.
float ComputerPlayer::ReplyAverage(SideBoard& mover, SideBoard& opponent) {
  // Rolls of one total often reach the same positions (13/8 with 4-1 or
  // 3-2): all 21 searches start from these boards and share the values met.
  known_.Reset(kReplyPositions);
  batch_.count = 0;
  batch_.repeats = 0;
  RollReplies rolls[kRolls];
  int used = 0;  // scores taken in replyScores_
  int settled = 0;
  for (int r = 0; r < kRolls; ++r) {
    const int count = EnumerateReplies(mover, opponent, kRollDice[r][0], kRollDice[r][1]);
    rolls[r].count = count;
    if (count == 0) {
      SideBoard human = opponent, computer = mover;
      rolls[r].value = static_cast<float>(1.0 - EvaluateBoards(human, computer));
      ++evaluations_;
      continue;
    }
    if (used + count > MoveList::kCapacity) {
      FlushBatch(gPackedNet, batch_, replyScores_, known_);
      settled = Settle(rolls, settled, r);
      used = 0;
    }
    rolls[r].first = used;
    evaluations_ +=
        QueueEntries(gPackedNet, opponent, mover, reply_, replyScores_, used, known_, batch_);
    used += count;
  }
  FlushBatch(gPackedNet, batch_, replyScores_, known_);
  Settle(rolls, settled, kRolls);
  float score = 0.0f;
  for (int r = 0; r < kRolls; ++r) {
    const double v = rolls[r].value;
    const double w = kRollDice[r][0] == kRollDice[r][1] ? kDoubletWeight : kOtherWeight;
    score = static_cast<float>(static_cast<double>(score) + v * w);
  }
  return score;
}

// The values of rolls from..to-1 whose scores are all in replyScores_.
int ComputerPlayer::Settle(RollReplies* rolls, int from, int to) const {
  for (int r = from; r < to; ++r) {
    if (rolls[r].count > 0)
      rolls[r].value = ReplyValue(replyScores_ + rolls[r].first, rolls[r].count);
  }
  return to;
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
