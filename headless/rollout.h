// Rollouts: the value of a position as the mean result of games the network
// plays on from it against itself, greedy by its own values.
#pragma once

#include "headless/dice_stream.h"
#include "headless/self_play.h"
#include "net/packed_net.h"

namespace morvik {

struct RolloutSettings {
  int trials = 36;  // games played on; each group of 36 throws every first roll once
  int plies = 0;    // moves in each before the network's value stands in; 0: to the end
};

// The value, for the side owning `own` that has just moved, of `settings.trials`
// games played on from the position, the opponent rolling first: trial t
// opens with the (t mod 36)-th of the 36 rolls, the later rolls come from
// `dice`. A game that ends scores its exact final target; one cut short after
// `settings.plies` moves scores the network's value of the position reached.
// With 36 trials of one move it is the one-ply value (see OnePlyValue). Uses
// the workspace as PlayGreedy does.
float RolloutValue(const PackedNet& net, const SideBoard& own, const SideBoard& opponent,
                   PlayWorkspace& ws, TrainTarget target, const RolloutSettings& settings,
                   DiceStream& dice);

}  // namespace morvik
