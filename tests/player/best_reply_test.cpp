// The best-reply search and the pruning of its lists.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "player/computer_player.h"
#include "player/move_pruning.h"
#include "rules/enumerate.h"
#include "tests/player/test_net.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {

struct BestReply : ::testing::Test {
  std::unique_ptr<ComputerPlayer> player = std::make_unique<ComputerPlayer>(gPackedNet);
  std::unique_ptr<MoveList> list = std::make_unique<MoveList>();

  // The side to move's list for the roll, before any pruning.
  MoveList& Listed(const SignedBoard& board, bool humanMoves, int d1, int d2) {
    BoardPosition p = PositionFor(board, humanMoves);
    EnumerateMoves(p.own, p.opponent, d1, d2, *list);
    return *list;
  }
};

bool Holds(const MoveList& list, CheckerMove a, CheckerMove b) {
  for (int i = 0; i < list.count; ++i) {
    if (list[i].slot[0] == a && list[i].slot[1] == b) return true;
  }
  return false;
}

TEST_F(BestReply, BlockedEntryValuesTheUnchangedPositionForTheOtherSide) {
  // The human on his bar, the computer holding the human's 5 and 6.
  const SignedBoard board = Board(
      {{25, 1}, {6, 5}, {8, 3}, {13, 4}, {24, 2}, {19, -2}, {20, -2}, {1, -2}, {12, -5}, {17, -4}});
  RandomNet(21);
  BoardPosition p = PositionFor(board, true);
  const BoardPosition before = p;
  const float value = player->FindBestReply(p.own, p.opponent, 6, 5);
  EXPECT_EQ(p, before);
  EXPECT_EQ(value, static_cast<float>(1.0 - EvaluateBoards(p.own, p.opponent)));
  EXPECT_EQ(player->PlayBestReply(p.own, p.opponent, 5, 6), value);
  EXPECT_EQ(p, before);
}

TEST_F(BestReply, EqualValuesPlayTheFirstEntryAndReturnOneMinusIt) {
  ZeroNet();
  for (int d2 = 1; d2 <= 6; ++d2) {
    const MoveList& listed = Listed(StartingPosition(), true, 3, d2);
    BoardPosition expected = PositionFor(StartingPosition(), true);
    ApplyEntry(expected.own, expected.opponent, listed[0]);
    BoardPosition p = PositionFor(StartingPosition(), true);
    const BoardPosition caller = p;
    EXPECT_EQ(player->FindBestReply(p.own, p.opponent, 3, d2), 0.5f);
    EXPECT_EQ(p, caller);  // the caller's boards are copied, never changed
    EXPECT_EQ(player->PlayBestReply(p.own, p.opponent, 3, d2), 0.5f);
    EXPECT_EQ(p, expected) << "3-" << d2;
  }
}

TEST_F(BestReply, PlaysTheReplyTheNetPrefers) {
  // The net likes the mover's checkers borne off: from 5 and 3, 6-5 bears
  // off both, the only play that leaves nothing behind.
  ChainNet({{Input(0, 1), 1.0f}, {Input(0, 2), 1.0f}, {Input(0, 3), 1.0f}, {Input(0, 15), 1.0f}});
  const SignedBoard board = Board({{5, 1}, {3, 1}, {1, -15}});  // 13 human checkers off
  BoardPosition p = PositionFor(board, true);
  const float value = player->PlayBestReply(p.own, p.opponent, 6, 5);
  EXPECT_EQ(CountCheckers(p.own, 0), 15);
  EXPECT_EQ(value, static_cast<float>(1.0 - EvaluateBoards(p.own, p.opponent)));
}

TEST_F(BestReply, SameCheckerPruningKeepsTheFirstRunWithoutAHit) {
  // Dice 5-6 and a checker on 13: 13/8 8/2 comes from the 5-first plays,
  // 13/7 7/2 from the 6-first plays; only the first stays...
  const SignedBoard quiet = Board({{13, 1}, {24, 14}, {23, -15}});
  MoveList& a = Listed(quiet, true, 5, 6);
  ASSERT_TRUE(Holds(a, {13, 8, kNoHit}, {8, 2, kNoHit}));
  ASSERT_TRUE(Holds(a, {13, 7, kNoHit}, {7, 2, kNoHit}));
  PruneSameChecker(a);
  EXPECT_TRUE(Holds(a, {13, 8, kNoHit}, {8, 2, kNoHit}));
  EXPECT_FALSE(Holds(a, {13, 7, kNoHit}, {7, 2, kNoHit}));
  // ...unless a blot on 8 is hit on the way: then both are different plays.
  const SignedBoard blot = Board({{13, 1}, {24, 14}, {23, -14}, {8, -1}});
  MoveList& b = Listed(blot, true, 5, 6);
  PruneSameChecker(b);
  EXPECT_TRUE(Holds(b, {13, 8, kHit}, {8, 2, kNoHit}));
  EXPECT_TRUE(Holds(b, {13, 7, kNoHit}, {7, 2, kNoHit}));
}

TEST_F(BestReply, SameCheckerPruningDependsOnTheDiceOrder) {
  // Last checkers on 3 and 1. With 3-1, 3/2 2/Off goes against 3/Off 1/Off
  // although it leaves a checker behind; with 1-3 both stay.
  const SignedBoard board = Board({{3, 1}, {1, 1}, {24, -15}});
  MoveList& larger = Listed(board, true, 3, 1);
  PruneSameChecker(larger);
  ASSERT_EQ(larger.count, 1);
  EXPECT_EQ(larger[0].slot[0], (CheckerMove{3, 0, kNoHit}));
  MoveList& smaller = Listed(board, true, 1, 3);
  PruneSameChecker(smaller);
  EXPECT_EQ(smaller.count, 2);
}

// The doublet rule exactly as stated pairwise: struck-out entries keep
// comparing with 255 in their slot-1 from.
void PrunePairwise(MoveList& list) {
  auto from = [&](int e, int s) { return list[e].slot[static_cast<size_t>(s)].from; };
  for (int i = 0; i < list.count - 1; ++i) {
    for (int j = i + 1; j < list.count; ++j) {
      bool strike;
      if (from(j, 0) != from(i, 0)) {
        strike = from(j, 1) == from(i, 0) || from(j, 2) == from(i, 0) || from(j, 3) == from(i, 0);
      } else {
        strike = from(j, 1) != from(i, 1) && (from(j, 2) == from(i, 1) || from(j, 3) == from(i, 1));
      }
      if (strike) list[j].slot[0].from = kEndMarker;
    }
  }
  int kept = 0;
  for (int i = 0; i < list.count; ++i) {
    if (list[i].slot[0].from != kEndMarker) list[kept++] = list[i];
  }
  list.count = kept;
}

TEST_F(BestReply, DoubletPruningMatchesThePairwiseRule) {
  std::mt19937 rng(9);
  const std::vector<SignedBoard> positions = RandomPlayPositions(rng, 200);
  auto reference = std::make_unique<MoveList>();
  int shortPlays = 0;
  for (const SignedBoard& board : positions) {
    for (int d = 1; d <= 6; ++d) {
      MoveList& fast = Listed(board, d % 2 == 0, d, d);
      if (fast.count > 400) continue;  // the pairwise reference is quadratic
      if (fast.count > 0 && fast[0].Length() < 4) ++shortPlays;
      reference->count = fast.count;
      for (int i = 0; i < fast.count; ++i) (*reference)[i] = fast[i];
      PruneDoublets(fast);
      PrunePairwise(*reference);
      ASSERT_EQ(fast.count, reference->count);
      for (int i = 0; i < fast.count; ++i) ASSERT_EQ(fast[i].slot, (*reference)[i].slot);
    }
  }
  EXPECT_GT(shortPlays, 0);  // lists with shorter plays were among them
}

TEST_F(BestReply, StruckEntryStrikesEveryLaterShortPlay) {
  MoveList& l = *list;
  const CheckerMove end{kEndMarker, 0, 0};
  l.count = 3;
  l[0].slot = {CheckerMove{8, 5, kNoHit}, {6, 3, kNoHit}, {5, 2, kNoHit}, {3, 0, kNoHit}};
  l[1].slot = {
      CheckerMove{6, 3, kNoHit}, {8, 5, kNoHit}, {5, 2, kNoHit}, {3, 0, kNoHit}};  // 8 later
  l[2].slot = {CheckerMove{13, 10, kNoHit}, {10, 7, kNoHit}, end, {}};  // unrelated, but short
  PruneDoublets(l);
  ASSERT_EQ(l.count, 1);
  EXPECT_EQ(l[0].slot[0].from, 8);
}

}  // namespace

}  // namespace morvik
