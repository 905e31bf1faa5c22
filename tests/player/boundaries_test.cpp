// The computer player's constants at their edges: the cut to five kept
// candidates, the doublet pruning of lists longer than five and the
// close-call trigger of the look-ahead.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "player/close_call.h"
#include "player/computer_player.h"
#include "player/move_pruning.h"
#include "rules/enumerate.h"
#include "tests/player/recording_sink.h"
#include "tests/player/test_net.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {

struct Boundaries : ::testing::Test {
  std::unique_ptr<ComputerPlayer> player = std::make_unique<ComputerPlayer>(gPackedNet);
  std::unique_ptr<MoveList> list = std::make_unique<MoveList>();
  RecordingSink sink;

  // The two counts the move choice logs first: entries scored, and kept.
  std::pair<int, int> Counts(const SignedBoard& board, int d1, int d2) {
    BoardPosition p = PositionFor(board, false);
    sink.log.clear();
    player->PlayComputerMove(p.own, p.opponent, 0, d1, d2, sink);
    return {std::stoi(sink.log[0]), std::stoi(sink.log[1])};
  }

  std::vector<SignedBoard> Positions(unsigned seed) {
    std::mt19937 rng(seed);
    return RandomPlayPositions(rng, 1500);
  }
};

// Lists of four, five, six and seven entries, for both dice orders: the
// move choice keeps min(n, 5) and logs them in that order.
TEST_F(Boundaries, CutKeepsFiveInEitherDiceOrder) {
  RandomNet(11);
  int seen[8] = {};
  for (const SignedBoard& board : Positions(3)) {
    for (const auto& [d1, d2] :
         {std::pair{6, 1}, std::pair{1, 6}, std::pair{5, 3}, std::pair{3, 5}}) {
      BoardPosition p = PositionFor(board, false);
      EnumerateMoves(p.own, p.opponent, d1, d2, *list);
      const int n = list->count;
      if (n < 4 || n > 7 || seen[n] >= 3) continue;
      ++seen[n];
      EXPECT_EQ(Counts(board, d1, d2), std::make_pair(n, std::min(n, 5))) << d1 << "-" << d2;
      EXPECT_EQ(static_cast<int>(sink.log.size()), 2 + std::min(n, 5) + 1);
    }
  }
  for (int n = 4; n <= 7; ++n) EXPECT_EQ(seen[n], 3) << "no list of " << n << " entries met";
}

// A doublet list of exactly five entries is scored whole even where the
// pruning would strike some; one of six is pruned.
TEST_F(Boundaries, DoubletPruningStartsAtSixEntries) {
  ZeroNet();
  int five = 0, six = 0;
  for (const SignedBoard& board : Positions(7)) {
    for (int d = 1; d <= 6; ++d) {
      BoardPosition p = PositionFor(board, false);
      EnumerateMoves(p.own, p.opponent, d, d, *list);
      const int raw = list->count;
      if (raw != 5 && raw != 6) continue;
      PruneDoublets(*list);
      if (list->count == raw) continue;
      const int scored = Counts(board, d, d).first;
      if (raw == 5) {
        ++five;
        EXPECT_EQ(scored, 5);
      } else {
        ++six;
        EXPECT_EQ(scored, list->count);
      }
    }
  }
  EXPECT_GT(five, 0);
  EXPECT_GT(six, 0);
}

// The trigger: the float just at or below 0.97 times the best does not
// trigger, the next float above it does.
TEST(CloseCallTrigger, AtAndJustAboveTheRatio) {
  for (float best : {1.0f, 0.5f, 0.8f, 0.123456f, 0.99999f, 1e-3f}) {
    const double limit = 0.97 * static_cast<double>(best);
    float at = static_cast<float>(limit);
    if (static_cast<double>(at) > limit) at = std::nextafter(at, 0.0f);
    const float above = std::nextafter(at, 2.0f);
    EXPECT_FALSE(CloseCall(best, at)) << best;
    EXPECT_TRUE(CloseCall(best, above)) << best;
    EXPECT_TRUE(CloseCall(best, best)) << best;
    EXPECT_FALSE(CloseCall(best, 0.5f * best)) << best;
  }
}

}  // namespace

}  // namespace morvik
