#include "player/move_pruning.h"

namespace {

int32_t From(const MoveEntry& e, int slot) {
  return e.slot[static_cast<std::size_t>(slot)].from;
}

bool Struck(const MoveEntry& e) {
  return From(e, 0) == kEndMarker;
}

void Strike(MoveEntry& e) {
  e.slot[0].from = kEndMarker;
}

// Closes up the entries not struck out, keeping their order.
void CloseUp(MoveList& list) {
  int kept = 0;
  for (int i = 0; i < list.count; ++i) {
    if (Struck(list[i])) continue;
    if (kept != i) list[kept] = list[i];
    ++kept;
  }
  list.count = kept;
}

bool SameCheckerRepeat(const MoveEntry& s, const MoveEntry& t) {
  return t.slot[0].from == s.slot[0].from && t.slot[1].to == s.slot[1].to &&
         t.slot[0].to == t.slot[1].from && t.slot[0].hit != kHit && s.slot[0].hit != kHit;
}

bool DoubletRepeat(const MoveEntry& i, const MoveEntry& j) {
  if (From(j, 0) != From(i, 0)) {
    const int32_t origin = From(i, 0);
    return From(j, 1) == origin || From(j, 2) == origin || From(j, 3) == origin;
  }
  if (From(j, 1) == From(i, 1)) return false;
  return From(j, 2) == From(i, 1) || From(j, 3) == From(i, 1);
}

}  // namespace

void PruneSameChecker(MoveList& list) {
  for (int s = 0; s < list.count; ++s) {
    if (Struck(list[s])) continue;  // a removed entry no longer compares
    for (int t = s + 1; t < list.count; ++t) {
      if (!Struck(list[t]) && SameCheckerRepeat(list[s], list[t])) Strike(list[t]);
    }
  }
  CloseUp(list);
}

void PruneDoublets(MoveList& list) {
  for (int i = 0; i < list.count - 1; ++i) {
    for (int j = i + 1; j < list.count; ++j) {
      if (DoubletRepeat(list[i], list[j])) Strike(list[j]);
    }
  }
  CloseUp(list);
}
