#include "player/search.h"

#include "player/move_pruning.h"
#include "player/rolls.h"
#include "rules/enumerate.h"
#include "rules/primitives.h"

namespace morvik {

namespace {

constexpr int kReplyPositions = 16384;  // the one-ply table's size; it stops recording when full

// The mover's moves for the dice into `list`, repeats struck out; their
// number. The enumeration plays on the boards and takes every move back.
int ListMoves(const SearchRules& rules, SideBoard& mover, SideBoard& other, int d1, int d2,
              MoveList& list) {
  EnumerateMoves(mover, other, d1, d2, list);
  if (!rules.pruned) return list.count;
  if (d1 != d2) {
    PruneSameChecker(list);
  } else if (list.count > 5) {
    PruneDoublets(list);
  }
  return list.count;
}

// A side that has at most this many checkers left may bear off its last one
// with the roll.
bool MayFinish(const SideBoard& side, int d1, int d2) {
  const int left = kCheckersPerSide - CountCheckers(side, 0);
  return left <= (d1 == d2 ? 4 : 2);
}

// One roll's replies during a one-ply mean: their scores are s.scores[first,
// first + count); `reply` is the value of the best of them for the replier
// (set at once when the roll has none or the reply ends the game, else by
// Settle).
struct RollReplies {
  int first = 0;
  int count = 0;
  float reply = 0.0f;
};

void Settle(const float* scores, RollReplies* rolls, int from, int to) {
  for (int r = from; r < to; ++r) {
    if (rolls[r].count > 0)
      rolls[r].reply = scores[rolls[r].first + FirstBest(scores + rolls[r].first, rolls[r].count)];
  }
}

}  // namespace

float Evaluate(const PackedNet& net, const SideBoard& first, const SideBoard& second,
               SearchScratch& s) {
  CollectActive(first, second, s.active);
  ++s.evaluations;
  return Forward(net, s.active, s.trace);
}

float PlayBestMove(const PackedNet& net, const SearchRules& rules, SideBoard& mover,
                   SideBoard& other, int d1, int d2, SearchScratch& s) {
  const int count = ListMoves(rules, mover, other, d1, d2, s.list);
  if (count == 0) return Evaluate(net, mover, other, s);
  s.known.Reset(count);
  s.evaluations += ScoreEntries(net, mover, other, s.list, s.scores, s.known, s.batch);
  const int best = FirstBest(s.scores, count);
  ApplyEntry(mover, other, s.list[best]);
  return s.scores[best];
}

float OnePlyAverage(const PackedNet& net, const SearchRules& rules, const SideBoard& mover,
                    const SideBoard& other, SearchScratch& s) {
  // Rolls of one total often reach the same positions (13/8 with 4-1 or
  // 3-2): all 21 searches start from these boards and share the values met.
  s.known.Reset(kReplyPositions);
  s.batch.count = 0;
  s.batch.repeats = 0;
  RollReplies rolls[kDistinctRolls];
  int used = 0;  // scores taken in s.scores
  int settled = 0;
  for (int r = 0; r < kDistinctRolls; ++r) {
    const Roll& roll = kRolls[static_cast<std::size_t>(r)];
    SideBoard replier = other, moved = mover;
    const int d1 = rules.lowDieFirst ? roll.low : roll.high;
    const int d2 = rules.lowDieFirst ? roll.high : roll.low;
    const int count = ListMoves(rules, replier, moved, d1, d2, s.list);
    rolls[r].count = count;
    if (count == 0) {
      rolls[r].reply = Evaluate(net, replier, moved, s);
      continue;
    }
    // The best reply must be known before the next roll's moves replace
    // these when it may end the game.
    const bool exact = rules.exactEnds && MayFinish(replier, d1, d2);
    if (exact || used + count > MoveList::kCapacity) {
      FlushBatch(net, s.batch, s.scores, s.known);
      Settle(s.scores, rolls, settled, r);
      settled = r;
      used = 0;
    }
    rolls[r].first = used;
    s.evaluations += QueueEntries(net, replier, moved, s.list, s.scores, used, s.known, s.batch);
    used += count;
    if (!exact) continue;
    FlushBatch(net, s.batch, s.scores, s.known);
    const int best = FirstBest(s.scores + rolls[r].first, count);
    rolls[r].reply = s.scores[rolls[r].first + best];
    ApplyEntry(replier, moved, s.list[best]);
    if (AllBorneOff(replier)) rolls[r].reply = FinalTarget(KindOfWin(moved), rules.scale);
    settled = r + 1;
  }
  FlushBatch(net, s.batch, s.scores, s.known);
  Settle(s.scores, rolls, settled, kDistinctRolls);
  if (rules.singleSums) {
    float sum = 0.0f;
    for (int r = 0; r < kDistinctRolls; ++r) {
      const float value = static_cast<float>(1.0 - static_cast<double>(rolls[r].reply));
      sum = static_cast<float>(static_cast<double>(sum) +
                               value * kRolls[static_cast<std::size_t>(r)].chance);
    }
    return sum;
  }
  double sum = 0.0;
  for (int r = 0; r < kDistinctRolls; ++r) {
    sum += kRolls[static_cast<std::size_t>(r)].chance * (1.0 - static_cast<double>(rolls[r].reply));
  }
  return static_cast<float>(sum);
}

}  // namespace morvik
