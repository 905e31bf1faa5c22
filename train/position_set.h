// Positions with fixed training targets. They are collected by playing games
// with one set of weights and scoring each position reached one roll ahead,
// then read back to fit the weights to them over many passes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "headless/rollout.h"
#include "headless/self_play.h"
#include "net/packed_net.h"

namespace morvik {

// A position as the network sees it, the side that has just moved first, and
// its value for that side.
struct TrainingPosition {
  RowCounts counts;
  float target = 0.0f;
};
static_assert(sizeof(TrainingPosition) == 56, "the file stores the records as they lie in memory");

// Writes the positions via a temporary and a rename; false on failure.
bool SavePositions(const std::string& path, const std::vector<TrainingPosition>& positions);

// Positions labelled by rollouts: each target with its standard error, in a
// second kind of file. Written as SavePositions writes.
bool SaveLabelledPositions(const std::string& path, const std::vector<TrainingPosition>& positions,
                           const std::vector<float>& errors);

// Reads a file SavePositions or SaveLabelledPositions wrote, appending to
// `positions` and, when given, to `errors` (0 for a file without them).
// False, with the reason in `error`, when it is missing, of another kind, cut
// short, or holds an impossible position, a target outside 0..1 or a negative
// error.
bool LoadPositions(const std::string& path, std::vector<TrainingPosition>& positions,
                   std::string& error, std::vector<float>* errors = nullptr);

// How collected positions are scored: by their one-ply value when
// `rollout.trials` is 0, else by a rollout whose dice come from a stream
// seeded by `seed`.
struct PositionScoring {
  TrainTarget target = TrainTarget::kPoints;
  RolloutSettings rollout{0, 0};
  uint64_t seed = 0;
  // For a `candidateShare` of the positions reached, a roll of the side to
  // move is drawn and the positions after its `candidates` best moves by the
  // network's value are kept too: the choices the network must rank.
  int candidates = 0;
  double candidateShare = 0.5;
};

// The mover's `count` (at most kMaxCandidates) best moves for the dice by the
// network's value, each reaching a position of its own, best first, into
// `best`; returns how many (fewer when the roll has fewer).
inline constexpr int kMaxCandidates = 8;
int BestCandidates(const PackedNet& net, const SideBoard& mover, const SideBoard& other, int d1,
                   int d2, int count, SearchScratch& s, MoveEntry* best);

// Plays one self-play game (see ObserveGame) and appends every position it
// reaches before its end, and the candidates' positions, scored as `scoring`
// says.
void CollectGamePositions(const PackedNet& net, DiceStream& dice, PlayWorkspace& ws,
                          const PositionScoring& scoring, int randomPlies, uint64_t choiceSeed,
                          std::vector<TrainingPosition>& out, const BoardPosition* from = nullptr);

}  // namespace morvik
