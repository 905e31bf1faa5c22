#include "headless/game_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "headless/dice_stream.h"
#include "rules/board_invariants.h"
#include "rules/move_list.h"
#include "rules/primitives.h"
#include "tests/headless/first_listed_player.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {

// Never moves: loses a backgammon, its back checkers still in the winner's home.
class IdlePlayer : public GamePlayer {
 public:
  void Play(SideBoard&, SideBoard&, int, int) override {}
};

struct Seen {
  int turn, seat, d1, d2;
  bool over;
};

TEST(GameLoop, HookSeesEveryMoveAndTheResultForEitherSeat) {
  for (const bool firstStarts : {true, false}) {
    for (const int winnerSeat : {0, 1}) {
      static FirstListedPlayer mover;
      IdlePlayer idle;
      DiceStream dice(7);
      std::vector<Seen> seen;
      const auto hook = [&](const MoveReport& m) {
        EXPECT_EQ(PositionFault({m.own, m.opponent}), nullptr);
        seen.push_back({m.turn, m.seat, m.d1, m.d2, m.result.Over()});
        return true;
      };
      const GameOutcome outcome =
          winnerSeat == 0 ? PlayGame(mover, idle, dice, firstStarts, kGameTurnLimit, hook)
                          : PlayGame(idle, mover, dice, firstStarts, kGameTurnLimit, hook);
      EXPECT_EQ(outcome.winner, winnerSeat);
      EXPECT_EQ(outcome.kind, WinKind::kBackgammon);
      EXPECT_EQ(outcome.points, winnerSeat == 0 ? 3 : -3);
      ASSERT_EQ(static_cast<int>(seen.size()), outcome.turns);
      for (int t = 0; t < outcome.turns; ++t) {
        EXPECT_EQ(seen[t].turn, t);
        EXPECT_EQ(seen[t].seat, (t + (firstStarts ? 0 : 1)) % 2);
        EXPECT_GE(seen[t].d1, seen[t].d2);
        EXPECT_EQ(seen[t].over, t + 1 == outcome.turns);
      }
      EXPECT_NE(seen[0].d1, seen[0].d2) << "the opening roll is never a doublet";
      EXPECT_EQ(seen.back().seat, winnerSeat);
    }
  }
}

TEST(GameLoop, HookOrTurnLimitStopsAnUnfinishedGame) {
  static FirstListedPlayer a, b;
  DiceStream dice(3);
  const GameOutcome stopped =
      PlayGame(a, b, dice, true, kGameTurnLimit, [](const MoveReport& m) { return m.turn < 9; });
  EXPECT_EQ(stopped.turns, 10);
  EXPECT_EQ(stopped.winner, -1);
  EXPECT_EQ(stopped.points, 0);
  const GameOutcome cut = PlayGame(a, b, dice, true, 4);
  EXPECT_EQ(cut.turns, 4);
  EXPECT_EQ(cut.kind, WinKind::kNone);
}

// From a set-up position the starter plays the side that has not just moved,
// and its first roll may be a doublet.
TEST(GameLoop, GameFromAPositionStartsWithTheSideToRollAndAnOrdinaryRoll) {
  // The side that has just moved has one checker left, on its 1-point; the
  // other side has all fifteen on its 12-point, a race.
  const BoardPosition from = PositionFor(Board({{24, -1}, {12, 15}}), false);
  bool doublet = false;
  for (uint64_t seed = 0; seed < 40; ++seed) {
    for (const bool firstStarts : {true, false}) {
      static FirstListedPlayer mover;
      DiceStream dice(seed);
      std::vector<SideBoard> starter;
      const auto hook = [&](const MoveReport& m) {
        if (m.turn == 0) {
          EXPECT_EQ(m.seat, firstStarts ? 0 : 1);
          doublet |= m.d1 == m.d2;
        }
        if (m.seat == (firstStarts ? 0 : 1)) starter.push_back(m.own);
        return true;
      };
      const GameOutcome outcome =
          PlayGame(mover, mover, dice, firstStarts, kGameTurnLimit, hook, &from);
      // The starter cannot bear off in one move, so the other side wins on its
      // first turn, a gammon.
      EXPECT_EQ(outcome.turns, 2);
      EXPECT_EQ(outcome.winner, firstStarts ? 1 : 0);
      EXPECT_EQ(outcome.kind, WinKind::kGammon);
      ASSERT_EQ(starter.size(), 1u);
      EXPECT_EQ(CountCheckers(starter[0], 0), 0);
    }
  }
  EXPECT_TRUE(doublet) << "40 games never began with a doublet";
}

}  // namespace

}  // namespace morvik
