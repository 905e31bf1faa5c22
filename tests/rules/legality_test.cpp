// An independent check of the full-move list: a brute-force search over plain
// count arrays finds every final position reachable with the most dice that
// can be used (the larger die when only one can be), and the list must reach
// exactly that set.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <random>
#include <set>

#include "rules/enumerate.h"
#include "rules/move_list.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {

// Mover's counts by own point (0 off, 25 bar) and the other side's counts on
// the same points in the mover's numbering (its bar kept at index 0).
struct Plain {
  std::array<int, 26> me{};
  std::array<int, 26> them{};
  bool operator<(const Plain& o) const { return std::tie(me, them) < std::tie(o.me, o.them); }
  bool operator==(const Plain&) const = default;
};

Plain FromPosition(const BoardPosition& p) {
  Plain x;
  for (int r = 0; r < kRows; ++r) {
    x.me[static_cast<size_t>(r)] = CountCheckers(p.own, r);
    const int theirs = CountCheckers(p.opponent, r);
    if (r >= 1 && r <= 24) x.them[static_cast<size_t>(25 - r)] = theirs;
    if (r == 25) x.them[0] = theirs;
  }
  return x;
}

bool TryMove(const Plain& in, int from, int die, Plain& out) {
  if (in.me[static_cast<size_t>(from)] == 0) return false;
  if (from != 25 && in.me[25] > 0) return false;
  const int to = from - die;
  out = in;
  if (to >= 1) {
    const int there = in.them[static_cast<size_t>(to)];
    if (there >= 2) return false;
    if (there == 1) out.them[static_cast<size_t>(to)] = 0, ++out.them[0];
    --out.me[static_cast<size_t>(from)];
    ++out.me[static_cast<size_t>(to)];
    return true;
  }
  for (int q = 7; q <= 25; ++q) {
    if (in.me[static_cast<size_t>(q)] > 0) return false;  // not all home
  }
  if (to < 0) {
    for (int q = from + 1; q <= 6; ++q) {
      if (in.me[static_cast<size_t>(q)] > 0) return false;  // a checker stands higher
    }
  }
  --out.me[static_cast<size_t>(from)];
  ++out.me[0];
  return true;
}

// Every sequence playing the dice in `order`, as far as it goes.
void Search(const Plain& at, const std::vector<int>& order, size_t used, int& best,
            std::set<std::pair<int, Plain>>& finals, bool larger, int largerDie) {
  bool moved = false;
  if (used < order.size()) {
    for (int from = 1; from <= 25; ++from) {
      Plain next;
      if (!TryMove(at, from, order[used], next)) continue;
      moved = true;
      Search(next, order, used + 1, best, finals, larger || order[used] == largerDie, largerDie);
    }
  }
  if (!moved) {
    const int n = static_cast<int>(used);
    best = std::max(best, n);
    finals.insert({n * 2 + (larger ? 1 : 0), at});
  }
}

std::set<Plain> BruteForce(const Plain& start, int d1, int d2) {
  std::set<std::pair<int, Plain>> finals;
  int best = 0;
  if (d1 == d2) {
    Search(start, {d1, d1, d1, d1}, 0, best, finals, false, 0);
  } else {
    Search(start, {d1, d2}, 0, best, finals, false, std::max(d1, d2));
    Search(start, {d2, d1}, 0, best, finals, false, std::max(d1, d2));
  }
  // Keep the plays using the most dice; with one die only, the larger if it can.
  bool largerPossible = false;
  for (const auto& [key, plain] : finals) {
    if (key / 2 == best && key % 2 == 1) largerPossible = true;
  }
  std::set<Plain> out;
  for (const auto& [key, plain] : finals) {
    if (key / 2 != best || best == 0) continue;
    if (d1 != d2 && best == 1 && largerPossible && key % 2 == 0) continue;
    out.insert(plain);
  }
  return out;
}

TEST(Legality, ListReachesExactlyTheBruteForcePositions) {
  std::mt19937 rng(2026);
  auto list = std::make_unique<MoveList>();
  std::uniform_int_distribution<int> die(1, 6);
  int compared = 0;
  for (const SignedBoard& b : RandomPlayPositions(rng, 1500)) {
    const int d1 = die(rng), d2 = die(rng);
    BoardPosition p = PositionFor(b, d1 % 2 == 0);
    const Plain start = FromPosition(p);
    EnumerateMoves(p.own, p.opponent, d1, d2, *list);
    std::set<Plain> listed;
    for (int e = 0; e < list->count; ++e) {
      ApplyEntry(p.own, p.opponent, (*list)[e]);
      listed.insert(FromPosition(p));
      UndoEntry(p.own, p.opponent, (*list)[e]);
    }
    const std::set<Plain> expected = BruteForce(start, d1, d2);
    ASSERT_EQ(listed, expected) << "dice " << d1 << "-" << d2 << " entries " << list->count;
    if (list->count > 0) {
      // The usable count is the length every listed play has.
      for (int e = 0; e < list->count; ++e) ASSERT_EQ((*list)[e].Length(), list->usable);
    }
    ++compared;
  }
  EXPECT_EQ(compared, 1500);
}

}  // namespace

}  // namespace morvik
