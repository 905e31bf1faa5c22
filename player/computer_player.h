// The computer's whole move: enumerate, score with the network, keep the best
// five, optionally look one roll ahead, play the first best, report it.
#pragma once

#include "net/packed_net.h"
#include "player/player_sink.h"
#include "player/search.h"
#include "rules/move_list.h"

namespace morvik {

class ComputerPlayer {
 public:
  // Plays with `net`, which must outlive the player; the game passes the
  // program-wide network.
  explicit ComputerPlayer(const PackedNet& net) : net_(net) {}

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
  long Evaluations() const { return search_.evaluations; }
  long LookAheads() const { return lookAheads_; }

 private:
  void OnePlyLookAhead(SideBoard& mover, SideBoard& opponent, int n, PlayerSink& sink);

  const PackedNet& net_;
  // Fixed working storage: the candidates stay listed while the look-ahead
  // searches the human's replies in `search_`.
  MoveList choice_;
  float choiceScores_[MoveList::kCapacity];
  SearchScratch search_;
  long lookAheads_ = 0;
};

}  // namespace morvik
