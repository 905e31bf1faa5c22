// Self-play games of the network, greedy by its value, with a TD(0) step
// after every move; and games of the network against the baseline. The
// trainer plays them, and the engine's bench times them.
#pragma once

#include <cstdint>
#include <functional>

#include "headless/baseline.h"
#include "headless/dice_stream.h"
#include "net/packed_net.h"
#include "player/game_value.h"
#include "player/search.h"
#include "rules/game_result.h"
#include "rules/move_list.h"

namespace morvik {

// Scratch storage of one playing thread (about 6 MB: allocate once).
struct PlayWorkspace {
  SearchScratch search;
  ActiveInputs candidate;
  ActiveInputs after[2];
  // The positions of one game as the network saw them, with the value each
  // had when it was chosen (TD(lambda) learns from them when the game ends).
  RowCounts played[kGameTurnLimit];
  float playedValues[kGameTurnLimit];
  float returns[kGameTurnLimit];
};

// The network's greedy move (PlayBestMove), for learning: `chosen` receives
// the inputs of the position after it, mover first. Returns that position's
// value.
float PlayGreedy(const PackedNet& net, SideBoard& own, SideBoard& opponent, int d1, int d2,
                 PlayWorkspace& ws, ActiveInputs& chosen);

// The value, for the side owning `own` that has just moved, of the position
// one roll ahead (OnePlyAverage): the exact final target where the
// opponent's reply ends the game, sums in double.
float OnePlyValue(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                  PlayWorkspace& ws, TrainTarget target);

// Where each TD step aims: the value after the opponent's next move as played
// (the plain TD(0) step), or the one-ply value of the position just reached,
// which averages over every roll the opponent may throw.
enum class TrainTargetDepth { kNextMove, kOnePly };

// One self-play game from the starting position, learning as it goes. The
// first `randomPlies` moves are chosen at random (by a stream from
// `choiceSeed`), which leads into positions greedy play seldom reaches:
// broken boards, checkers left back, games already lost. Returns the number
// of turns played. With `from`, the game starts from that position instead
// (see PlayGame).
int TrainGame(PackedNet& net, DiceStream& dice, float alpha, PlayWorkspace& ws,
              TrainTarget target = TrainTarget::kPoints,
              TrainTargetDepth depth = TrainTargetDepth::kNextMove, int randomPlies = 0,
              uint64_t choiceSeed = 0, const BoardPosition* from = nullptr);

// One self-play game from the starting position that learns when it ends:
// each position chosen by the network moves toward its lambda-return, the
// blend, weighted by powers of lambda, of the values reached 1, 2, ... moves
// later and of the final result. Lambda 0 aims at the next value alone, 1 at
// the result alone. The values are those the positions had during the game,
// as no weight changes before its end; an unfinished game teaches nothing.
// Random opening moves and `from` as in TrainGame. Returns the number of
// turns played.
int TrainGameLambda(PackedNet& net, DiceStream& dice, float alpha, float lambda, PlayWorkspace& ws,
                    TrainTarget target, int randomPlies = 0, uint64_t choiceSeed = 0,
                    const BoardPosition* from = nullptr);

// The lambda-returns of a game's `count` positions, the side that has just
// moved first in each: `values` as the network saw them, `final` the exact
// value of the last position for its mover, the winner, which stands in for
// the network's value of that position.
void LambdaReturns(const float* values, int count, float final, float lambda, float* returns);

// Sees each position a game reaches that does not end it, the mover's board
// first.
using PositionVisitor = std::function<void(const SideBoard& own, const SideBoard& opponent)>;

// One self-play game without learning: greedy by the network's value after
// the first `randomPlies` moves, which are chosen at random by a stream from
// `choiceSeed`; from `from` when given (see PlayGame). Returns the number of
// turns played.
int ObserveGame(const PackedNet& net, DiceStream& dice, PlayWorkspace& ws, int randomPlies,
                uint64_t choiceSeed, const PositionVisitor& visit,
                const BoardPosition* from = nullptr);

// One game of the network (greedy, no learning) against the baseline; the
// network moves first when netFirst. Returns the network's points (+ won,
// - lost: 1, 2 or 3).
int BaselineGame(const PackedNet& net, const BaselineWeights& baseline, DiceStream& dice,
                 bool netFirst, PlayWorkspace& ws);

}  // namespace morvik
