#include "player/move_pruning.h"

#include "rules/enumerate.h"

namespace morvik {

namespace {

int32_t From(const MoveEntry& e, int slot) {
  return e.slot[static_cast<std::size_t>(slot)].from;
}

bool SameCheckerRepeat(const MoveEntry& s, const MoveEntry& t) {
  return t.slot[0].from == s.slot[0].from && t.slot[1].to == s.slot[1].to &&
         t.slot[0].to == t.slot[1].from && t.slot[0].hit != kHit && s.slot[0].hit != kHit;
}

}  // namespace

void PruneSameChecker(MoveList& list) {
  for (int s = 0; s < list.count; ++s) {
    if (Struck(list[s])) continue;  // a removed entry no longer compares
    for (int t = s + 1; t < list.count; ++t) {
      if (!Struck(list[t]) && SameCheckerRepeat(list[s], list[t])) Strike(list[t]);
    }
  }
  CloseUpStruck(list);
}

// The pairwise rule in one pass. Entry j is struck out by an earlier entry i
// exactly when one of these holds:
// - i was struck out (255 in its slot-1 from) and j is shorter than four
//   moves (the 255 ending j meets i's 255);
// - i stands and starts from a point that j moves from in slot 2, 3 or 4,
//   with j starting elsewhere;
// - i stands, starts where j starts, moves its second checker from a point
//   that j moves from in slot 3 or 4, and j's second from differs from it.
// So it is enough to remember which slot-1 froms and which slot-1/slot-2
// pairs of standing entries have been seen, and whether any entry fell.
void PruneDoublets(MoveList& list) {
  constexpr int kValues = 27;  // rows 0..25, and 255 as 26
  auto index = [](int32_t v) { return v == kEndMarker ? 26 : static_cast<int>(v); };
  bool firstSeen[kValues] = {};
  bool pairSeen[kValues][kValues] = {};
  bool anyStruck = false;
  for (int j = 0; j < list.count; ++j) {
    MoveEntry& e = list[j];
    const int f1 = index(From(e, 0)), f2 = index(From(e, 1)), f3 = index(From(e, 2)),
              f4 = index(From(e, 3));
    const bool shortPlay = f2 == 26 || f3 == 26 || f4 == 26;
    bool strike = anyStruck && shortPlay;
    for (int a : {f2, f3, f4}) strike = strike || (a != f1 && firstSeen[a]);
    for (int b : {f3, f4}) strike = strike || (b != f2 && pairSeen[f1][b]);
    if (strike) {
      Strike(e);
      anyStruck = true;
    } else {
      firstSeen[f1] = true;
      pairSeen[f1][f2] = true;
    }
  }
  CloseUpStruck(list);
}

}  // namespace morvik
