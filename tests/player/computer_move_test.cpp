// The computer's whole move: what it plays, what it reports, and that it
// leaves the boards exactly as the chosen move makes them.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "player/computer_player.h"
#include "player/move_pruning.h"
#include "rules/enumerate.h"
#include "tests/player/recording_sink.h"
#include "tests/player/test_net.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {

struct Fixture : ::testing::Test {
  std::unique_ptr<ComputerPlayer> player = std::make_unique<ComputerPlayer>(gPackedNet);
  RecordingSink sink;

  MoveEntry Play(BoardPosition& p, int d1, int d2, int lookahead = 0) {
    return player->PlayComputerMove(p.own, p.opponent, lookahead, d1, d2, sink);
  }
};

// The part of a candidate's log line after its score.
std::string Moves(const std::string& line) {
  return line.substr(line.find("  ") + 2);
}

using ComputerMove = Fixture;

TEST_F(ComputerMove, EqualScoresKeepEnumerationOrderAndPlayTheFirst) {
  ZeroNet();  // every position is worth exactly 0.5
  BoardPosition p = PositionFor(StartingPosition(), false);
  Play(p, 6, 5);
  const std::vector<std::string> expected = {"8",
                                             "5",
                                             "0.50000  8-2 8-3 255-0 0-0",
                                             "0.50000  8-2 13-8 255-0 0-0",
                                             "0.50000  13-7 7-2 255-0 0-0",
                                             "0.50000  13-7 8-3 255-0 0-0",
                                             "0.50000  13-7 13-8 255-0 0-0",
                                             "<time>"};
  EXPECT_EQ(sink.log, expected);
  ASSERT_EQ(sink.history.size(), 1u);
  EXPECT_EQ(sink.history[0], "Computer: 6-5: 8/2 8/3 ");
  EXPECT_GE(sink.elapsed, 0.0);
}

TEST_F(ComputerMove, SelectionSortSwapsDecideWhichFiveAreKept) {
  // Only the last of the eight plays (24/18 18/13) stacks a sixth checker on
  // 13. Swapping it to the front sends the first play to the back, so the
  // cut drops 8/2 8/3 although it ties with the four that stay.
  ChainNet({{Input(13, 6), 1.0f}});
  BoardPosition p = PositionFor(StartingPosition(), false);
  const MoveEntry chosen = Play(p, 6, 5);
  ASSERT_EQ(sink.log.size(), 8u);
  EXPECT_EQ(sink.log[1], "5");
  const std::vector<std::string> kept = {Moves(sink.log[2]), Moves(sink.log[3]), Moves(sink.log[4]),
                                         Moves(sink.log[5]), Moves(sink.log[6])};
  const std::vector<std::string> expected = {"24-18 18-13 255-0 0-0", "8-2 13-8 255-0 0-0",
                                             "13-7 7-2 255-0 0-0", "13-7 8-3 255-0 0-0",
                                             "13-7 13-8 255-0 0-0"};
  EXPECT_EQ(kept, expected);
  EXPECT_EQ(chosen.slot[0], (CheckerMove{24, 18, kNoHit}));
  EXPECT_EQ(sink.history[0], "Computer: 6-5: 24/18 18/13 ");
}

TEST_F(ComputerMove, EnteringHitShowsTheStarAndSendsTheBlotToTheBar) {
  // Computer on its bar, a human blot on the computer's 20; the net likes a
  // checker on the computer's 11 and a human checker on the bar.
  const SignedBoard board = Board({{0, -1},
                                   {1, -2},
                                   {12, -4},
                                   {17, -3},
                                   {19, -5},  // computer
                                   {5, 1},
                                   {6, 4},
                                   {8, 3},
                                   {13, 5},
                                   {24, 2}});  // human
  ChainNet({{Input(11, 1), 1.0f}, {Input(25, 1, true), 1.0f}});
  BoardPosition p = PositionFor(board, false);
  Play(p, 5, 2);
  EXPECT_EQ(sink.history[0], "Computer: 5-2: B/20* 13/11 ");
  SignedBoard after;
  ReadBoardPosition(p, after);
  const SignedBoard expected = Board({{1, -2},
                                      {5, -1},
                                      {12, -3},
                                      {14, -1},
                                      {17, -3},
                                      {19, -5},
                                      {6, 4},
                                      {8, 3},
                                      {13, 5},
                                      {24, 2},
                                      {25, 1}});
  EXPECT_EQ(after, expected);
}

TEST_F(ComputerMove, NoLegalMoveChangesNothingAndTheHistoryHoldsTheDice) {
  // The computer's entry points for 6 and 5 are the human's 6 and 5, both made.
  const SignedBoard board = Board(
      {{0, -1}, {1, -2}, {12, -5}, {17, -3}, {19, -4}, {5, 2}, {6, 5}, {8, 3}, {13, 3}, {24, 2}});
  RandomNet(7);
  BoardPosition p = PositionFor(board, false);
  const BoardPosition before = p;
  const MoveEntry chosen = Play(p, 6, 5, 1);
  EXPECT_EQ(p, before);
  EXPECT_EQ(chosen.slot[0].from, kEndMarker);
  EXPECT_EQ(sink.log, (std::vector<std::string>{"0", "0", "<time>"}));
  EXPECT_EQ(sink.history, (std::vector<std::string>{"Computer: 6-5: "}));
}

TEST_F(ComputerMove, LeavesExactlyTheChosenMoveOnTheBoards) {
  // Whatever the weights, every trial move (the look-ahead's included) is
  // taken back: the boards differ from the start only by the chosen move.
  RandomNet(11);
  std::mt19937 rng(3);
  const std::vector<SignedBoard> positions = RandomPlayPositions(rng, 30);
  auto list = std::make_unique<MoveList>();
  for (size_t n = 0; n < positions.size(); ++n) {
    const int d1 = static_cast<int>(n % 6) + 1, d2 = static_cast<int>(n * 7 / 3 % 6) + 1;
    BoardPosition p = PositionFor(positions[n], false);
    BoardPosition expected = p;
    const MoveEntry chosen = Play(p, std::max(d1, d2), std::min(d1, d2), static_cast<int>(n % 2));
    EnumerateMoves(expected.own, expected.opponent, std::max(d1, d2), std::min(d1, d2), *list);
    bool listed = list->count == 0 && chosen.slot[0].from == kEndMarker;
    for (int i = 0; i < list->count; ++i) listed = listed || (*list)[i].slot == chosen.slot;
    EXPECT_TRUE(listed) << "position " << n;
    if (list->count > 0) ApplyEntry(expected.own, expected.opponent, chosen);
    EXPECT_EQ(p, expected) << "position " << n;
  }
}

TEST_F(ComputerMove, DoubletPruningOnlyForMoreThanFiveEntries) {
  // The first log line is the number of entries left to score: a doublet
  // list of five or fewer is scored whole even where the pruning would
  // strike some of it.
  ZeroNet();
  std::mt19937 rng(5);
  const std::vector<SignedBoard> positions = RandomPlayPositions(rng, 400);
  auto list = std::make_unique<MoveList>();
  int smallSeen = 0, largeSeen = 0;
  for (const SignedBoard& board : positions) {
    if (smallSeen >= 5 && largeSeen >= 5) break;
    for (int d = 1; d <= 6; ++d) {
      BoardPosition p = PositionFor(board, false);
      EnumerateMoves(p.own, p.opponent, d, d, *list);
      const int raw = list->count;
      PruneDoublets(*list);
      if (list->count == raw) continue;  // the pruning would change nothing
      sink.log.clear();
      Play(p, d, d);
      const int logged = std::stoi(sink.log[0]);
      if (raw <= 5) {
        ++smallSeen;
        EXPECT_EQ(logged, raw);
      } else {
        ++largeSeen;
        EXPECT_EQ(logged, list->count);
      }
    }
  }
  EXPECT_GE(smallSeen, 5);
  EXPECT_GE(largeSeen, 5);
}

}  // namespace

}  // namespace morvik
