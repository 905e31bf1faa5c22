#include "net/network.h"
#include "player/computer_player.h"
#include "player/move_pruning.h"
#include "player/scoring.h"

float ComputerPlayer::FindBestReply(SideBoard own, SideBoard opponent, int d1, int d2) {
  return PlayBestReply(own, opponent, d1, d2);
}

float ComputerPlayer::PlayBestReply(SideBoard& own, SideBoard& opponent, int d1, int d2) {
  EnumerateMoves(own, opponent, d1, d2, reply_);
  if (d1 != d2) {
    PruneSameChecker(reply_);
  } else if (reply_.count > 5) {
    PruneDoublets(reply_);
  }
  evaluations_ += ScoreEntries(own, opponent, reply_, replyScores_, repeats_) + 1;
  if (reply_.count > 0) ApplyEntry(own, opponent, reply_[FirstBest(replyScores_, reply_.count)]);
  const float value = EvaluateBoards(own, opponent);
  return static_cast<float>(1.0 - static_cast<double>(value));
}
