#include "rules/candidates.h"

namespace morvik {

namespace {
void Add(CandidateList& list, int from, int to, int32_t hit) {
  list.moves[static_cast<std::size_t>(list.count++)] = CheckerMove{from, to, hit};
}

int HighestOccupiedRow(const SideBoard& own) {
  for (int r = 24; r >= 1; --r) {
    if (own.Occupied(r)) return r;
  }
  return 0;
}
}  // namespace

void SingleDieCandidates(const SideBoard& own, const SideBoard& opponent, int d,
                         CandidateList& list) {
  list.count = 0;
  if (own.Occupied(kBarRow)) {
    // Only one entering move is listed, however many checkers wait.
    if (!opponent.Blocked(d)) Add(list, kBarRow, 25 - d, opponent.Occupied(d) ? kHit : kNoHit);
    return;
  }
  const int highest = HighestOccupiedRow(own);
  for (int i = 1; i <= highest; ++i) {
    if (!own.Occupied(i)) continue;
    if (i < d) {
      if (i == highest) Add(list, i, 0, kNoHit);  // the rearmost checker, a larger die
    } else if (i == d) {
      if (highest <= 6) Add(list, i, 0, kNoHit);  // exact, with every checker home
    } else {
      const int t = i - d;
      const SideBoard& o = opponent;
      if (!o.Blocked(25 - t)) Add(list, i, t, o.Occupied(25 - t) ? kHit : kNoHit);
    }
  }
}

}  // namespace morvik
