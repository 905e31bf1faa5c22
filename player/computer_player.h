// The computer's whole move: enumerate, score with the network, keep the best
// five, optionally look one roll ahead, play the first best, report it.
#pragma once

#include "player/player_sink.h"
#include "player/position_key.h"
#include "player/scoring.h"
#include "rules/move_list.h"

namespace morvik {

class ComputerPlayer {
 public:
  // mover = the computer's SideBoard, opponent = the human's; the first die
  // is not smaller than the second. The chosen move stays played on both.
  // Returns the chosen entry (slot 1 from = 255 when there was no move).
  MoveEntry PlayComputerMove(SideBoard& mover, SideBoard& opponent, int lookahead, int d1, int d2,
                             PlayerSink& sink);

  // The value, for the other side, of the position after the network's
  // preferred full move of the side owning `own` for dice d1, d2.
  float FindBestReply(SideBoard own, SideBoard opponent, int d1, int d2);

  // The same search played on the boards given: the preferred move stays
  // played on them (nothing when the roll cannot be played).
  float PlayBestReply(SideBoard& own, SideBoard& opponent, int d1, int d2);

  // Running totals for the bench: network evaluations, and computer moves in
  // which the look-ahead re-scored the kept candidates.
  long Evaluations() const { return evaluations_; }
  long LookAheads() const { return lookAheads_; }

 private:
  void OnePlyLookAhead(SideBoard& mover, SideBoard& opponent, int n, PlayerSink& sink);
  float ReplyAverage(SideBoard& mover, SideBoard& opponent);
  // One roll's replies during the look-ahead: their scores are replyScores_
  // [first, first + count); `value` is what the best of them leaves the
  // computer (set when the roll has none, else by Settle).
  struct RollReplies {
    int first = 0;
    int count = 0;
    float value = 0.0f;
  };
  // The human's replies for dice d1, d2 in reply_, pruned; returns their number.
  int EnumerateReplies(const SideBoard& mover, const SideBoard& opponent, int d1, int d2);
  int Settle(RollReplies* rolls, int from, int to) const;
  // The best-reply search on the boards given; `known_` holds values of
  // positions reached from these same boards.
  float BestReplyOn(SideBoard& own, SideBoard& opponent, int d1, int d2);

  // Fixed working storage: both lists are live at once during the look-ahead.
  MoveList choice_;
  float choiceScores_[MoveList::kCapacity];
  MoveList reply_;
  float replyScores_[MoveList::kCapacity];
  // Values of positions met: for the move choice, then, during the look-ahead,
  // for all replies after one candidate.
  ScoreTable known_;
  // Positions waiting for the network, evaluated many at once.
  PendingBatch batch_;
  long evaluations_ = 0;
  long lookAheads_ = 0;
};

}  // namespace morvik
