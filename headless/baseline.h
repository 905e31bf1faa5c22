// The baseline opponent: a public linear evaluator with one weight vector for
// contact positions and one for races, scoring the position after a move from
// the mover's side.
#pragma once

#include <string>

#include "rules/move_list.h"

namespace morvik {

inline constexpr int kBaselineInputs = 122;

struct BaselineWeights {
  double contact[kBaselineInputs] = {};
  double race[kBaselineInputs] = {};
};

// The two files' folder: share/morvik/pubeval beside an installed program,
// else data/pubeval in the source tree.
std::string DefaultBaselineDir();

// Reads contact.txt and race.txt from `dir`; false with `error` set when a
// file is missing or holds fewer than 122 numbers.
bool LoadBaseline(const std::string& dir, BaselineWeights& weights, std::string& error);

// No contact left: every checker of the mover lies below every opposing one
// in the mover's numbering (own bar counting 25, the opposing bar 0).
bool IsRace(const SideBoard& own, const SideBoard& opponent);

// The 122 inputs of the position (own = the side that has just moved).
void BaselineInputs(const SideBoard& own, const SideBoard& opponent, double (&x)[kBaselineInputs]);

double BaselineScore(const double (&w)[kBaselineInputs], const SideBoard& own,
                     const SideBoard& opponent);

// Index of the entry the baseline plays from `list` (generated for this
// position), or -1 when the list is empty. Boards end as they began.
int ChooseBaselineMove(const BaselineWeights& weights, SideBoard& own, SideBoard& opponent,
                       const MoveList& list);

}  // namespace morvik
