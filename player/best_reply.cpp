#include "net/network.h"
#include "player/computer_player.h"
#include "player/move_pruning.h"
#include "player/scoring.h"

namespace morvik {

float ComputerPlayer::FindBestReply(SideBoard own, SideBoard opponent, int d1, int d2) {
  return PlayBestReply(own, opponent, d1, d2);
}

float ComputerPlayer::PlayBestReply(SideBoard& own, SideBoard& opponent, int d1, int d2) {
  known_.Reset(MoveList::kCapacity / 2);
  return BestReplyOn(own, opponent, d1, d2);
}

// The value returned is 1 - the chosen reply's own score: evaluating its
// position again would give the same value.
float ComputerPlayer::BestReplyOn(SideBoard& own, SideBoard& opponent, int d1, int d2) {
  EnumerateReplies(opponent, own, d1, d2);
  evaluations_ += ScoreEntries(own, opponent, reply_, replyScores_, known_, batch_);
  float value;
  if (reply_.count > 0) {
    const int best = FirstBest(replyScores_, reply_.count);
    ApplyEntry(own, opponent, reply_[best]);
    value = replyScores_[best];
  } else {
    value = EvaluateBoards(own, opponent);
    ++evaluations_;
  }
  return static_cast<float>(1.0 - static_cast<double>(value));
}

// Copies of the boards, since the enumeration works on the boards it is given.
int ComputerPlayer::EnumerateReplies(const SideBoard& mover, const SideBoard& opponent, int d1,
                                     int d2) {
  SideBoard human = opponent, computer = mover;
  EnumerateMoves(human, computer, d1, d2, reply_);
  if (d1 != d2) {
    PruneSameChecker(reply_);
  } else if (reply_.count > 5) {
    PruneDoublets(reply_);
  }
  return reply_.count;
}

}  // namespace morvik
