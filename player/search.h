// The network's search, written once: the value of a position, the best move
// for a roll, and the mean over the 21 rolls of what the best replies leave.
// The game's computer player, self-play, rollouts, the bench and the trainer
// all search through these, with the network they are given.
#pragma once

#include "net/packed_net.h"
#include "player/game_value.h"
#include "player/position_key.h"
#include "player/scoring.h"
#include "rules/board.h"
#include "rules/move_list.h"

namespace morvik {

// The working storage of one search (about 6 MB): allocate it once, never
// during play. Only one search at a time may use it.
struct SearchScratch {
  MoveList list;                      // the moves of the roll being searched
  float scores[MoveList::kCapacity];  // their values
  ScoreTable known;                   // values of positions already met
  PendingBatch batch;                 // positions waiting for the network
  ActiveInputs active;
  NetTrace trace;
  long evaluations = 0;  // network evaluations, a running total
};

// The network's value of a position for the side owning `first`, the side
// that has just moved.
float Evaluate(const PackedNet& net, const SideBoard& first, const SideBoard& second,
               SearchScratch& s);

// Where the game's search and the tools' differ, on purpose. The game's
// best-reply search and look-ahead are fixed by how the game has always
// played; self-play, rollouts and the trainer weigh every legal move.
struct SearchRules {
  // Before scoring, strike out plays taken for repeats of earlier ones (two
  // ways of running one checker; reorderings of doublets). The game's rule
  // also strikes some plays that reach other positions.
  bool pruned = false;
  // One-ply means enumerate each roll with its lower die first (the game);
  // the tools play the higher first.
  bool lowDieFirst = false;
  // One-ply means store the running sum in single precision after every roll
  // (the game); the tools sum in double.
  bool singleSums = false;
  // A reply that bears off the replier's last checker counts at the exact
  // final value on `scale` (the tools); the game keeps the network's value.
  bool exactEnds = true;
  TrainTarget scale = TrainTarget::kPoints;
};

// The game's computer player.
inline constexpr SearchRules kGameSearch{true, true, true, false, TrainTarget::kPoints};
// Self-play, rollouts and the trainer, valuing on `scale`.
constexpr SearchRules ToolSearch(TrainTarget scale) {
  return {false, false, false, true, scale};
}

// The mover's legal full moves for the dice (d1 played first), pruned as the
// rules say, each valued by the network; the first with the strictly highest
// value stays played on the boards. Returns that value for the mover, or,
// when the roll cannot be played, the network's value of the unchanged
// position, the mover first.
float PlayBestMove(const PackedNet& net, const SearchRules& rules, SideBoard& mover,
                   SideBoard& other, int d1, int d2, SearchScratch& s);

// For the side owning `mover`, which has just moved: the mean over the other
// side's 21 rolls, weighted by their chances, of 1 - the value of the other
// side's best reply (as PlayBestMove chooses it). The boards are only read.
// The replies of all rolls wait in one batch, so that the network evaluates
// full batches, and share the values of the positions they meet.
float OnePlyAverage(const PackedNet& net, const SearchRules& rules, const SideBoard& mover,
                    const SideBoard& other, SearchScratch& s);

}  // namespace morvik
