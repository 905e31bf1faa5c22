#include "headless/game_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "headless/dice_stream.h"
#include "rules/board_invariants.h"
#include "rules/move_list.h"
#include "tests/headless/first_listed_player.h"

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

}  // namespace

}  // namespace morvik
