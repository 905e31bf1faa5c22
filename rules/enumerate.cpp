#include "rules/enumerate.h"

#include "rules/board_invariants.h"
#include "rules/candidates.h"
#include "rules/move_list.h"
#include "rules/primitives.h"

namespace morvik {

namespace {

constexpr CheckerMove kEnd{kEndMarker, 0, 0};
constexpr CheckerMove kEmpty{0, 0, 0};

// Writes a whole entry: the moves, the end marker, zeros after it.
void Record(MoveList& list, const CheckerMove* moves, int n) {
  MoveEntry& e = list[list.count++];
  for (int s = 0; s < 4; ++s) {
    e.slot[static_cast<std::size_t>(s)] = s < n ? moves[s] : (s == n ? kEnd : kEmpty);
  }
}

void TwoDieSequences(SideBoard& own, SideBoard& opp, int first, int second,
                     CandidateList& firstMoves, MoveList& list) {
  CandidateList follow;
  SingleDieCandidates(own, opp, first, firstMoves);
  for (int i = 0; i < firstMoves.count; ++i) {
    CheckerMove pair[2] = {firstMoves.moves[static_cast<std::size_t>(i)], {}};
    ApplyMove(own, opp, pair[0]);
    SingleDieCandidates(own, opp, second, follow);
    for (int k = 0; k < follow.count; ++k) {
      pair[1] = follow.moves[static_cast<std::size_t>(k)];
      Record(list, pair, 2);
    }
    UndoMove(own, opp, pair[0]);
  }
}

// Strikes out exact swaps of earlier entries, then closes the gaps.
void RemoveSwaps(MoveList& list) {
  const int e = list.count;
  for (int f = 0; f < e - 1; ++f) {
    const MoveEntry& F = list[f];
    for (int g = f + 1; g < e; ++g) {
      MoveEntry& G = list[g];
      if (G.slot[0] == F.slot[1] && G.slot[1] == F.slot[0]) Strike(G);
    }
  }
  CloseUpStruck(list);
}

void EnumerateTwoDice(SideBoard& own, SideBoard& opp, int d1, int d2, MoveList& list) {
  CandidateList l1, l3;
  TwoDieSequences(own, opp, d1, d2, l1, list);
  TwoDieSequences(own, opp, d2, d1, l3, list);
  if (list.count == 0 && (l1.count > 0 || l3.count > 0)) {
    // Only one die can be played: the larger whenever it can be played alone.
    const CandidateList& only = (d1 > d2 && l1.count > 0) ? l1 : (l3.count > 0 ? l3 : l1);
    for (int i = 0; i < only.count; ++i) Record(list, &only.moves[static_cast<std::size_t>(i)], 1);
  }
  RemoveSwaps(list);
}

struct DoubletSearch {
  SideBoard& own;
  SideBoard& opp;
  int die;
  MoveList& list;
  CheckerMove path[4];

  // Lists the moves of one level and descends; returns how many it listed.
  int Level(int depth) {
    CandidateList moves;
    SingleDieCandidates(own, opp, die, moves);
    int followers = 0;
    for (int i = 0; i < moves.count; ++i) {
      path[depth] = moves.moves[static_cast<std::size_t>(i)];
      if (depth == 3) {  // the last move is recorded, never played
        Record(list, path, 4);
        continue;
      }
      ApplyMove(own, opp, path[depth]);
      followers = Level(depth + 1);
      UndoMove(own, opp, path[depth]);
    }
    // A shorter play only where a level offered one move that nothing follows.
    if (depth < 3 && moves.count == 1 && followers == 0) {
      path[depth] = moves.moves[0];
      Record(list, path, depth + 1);
    }
    return moves.count;
  }
};

int CountUsable(const MoveList& list) {
  return list.count == 0 ? 0 : list[0].Length();
}

}  // namespace

int EnumerateMoves(SideBoard& own, SideBoard& opponent, int d1, int d2, MoveList& list) {
  list.count = 0;
  if (d1 != d2) {
    EnumerateTwoDice(own, opponent, d1, d2, list);
  } else {
    DoubletSearch search{own, opponent, d1, list, {}};
    search.Level(0);
  }
  list.usable = CountUsable(list);
  return list.usable;
}

void CloseUpStruck(MoveList& list) {
  int kept = 0;
  for (int i = 0; i < list.count; ++i) {
    if (Struck(list[i])) continue;
    if (kept != i) list[kept] = list[i];
    ++kept;
  }
  list.count = kept;
}

void ApplyEntry(SideBoard& own, SideBoard& opponent, const MoveEntry& entry) {
  for (const CheckerMove& m : entry.slot) {
    if (m.from == kEndMarker) break;
    ApplyMove(own, opponent, m);
  }
  MORVIK_ASSERT_POSITION(own, opponent);
}

void UndoEntry(SideBoard& own, SideBoard& opponent, const MoveEntry& entry) {
  int n = 0;
  while (n < 4 && entry.slot[static_cast<std::size_t>(n)].from != kEndMarker) ++n;
  for (int s = n - 1; s >= 0; --s) UndoMove(own, opponent, entry.slot[static_cast<std::size_t>(s)]);
  MORVIK_ASSERT_POSITION(own, opponent);
}

}  // namespace morvik
