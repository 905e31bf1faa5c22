// The one-ply look-ahead: when it runs, what it re-scores, and the
// first-ply wins.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "player/computer_player.h"
#include "player/evaluation_log.h"
#include "player/rolls.h"
#include "player/search.h"
#include "rules/enumerate.h"
#include "tests/player/recording_sink.h"
#include "tests/player/test_net.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {

struct LookAhead : ::testing::Test {
  std::unique_ptr<ComputerPlayer> player = std::make_unique<ComputerPlayer>(gPackedNet);
  std::unique_ptr<ComputerPlayer> judge = std::make_unique<ComputerPlayer>(gPackedNet);
  RecordingSink sink;

  std::vector<std::string> Log(const SignedBoard& board, int d1, int d2, int lookahead) {
    BoardPosition p = PositionFor(board, false);
    sink.log.clear();
    player->PlayComputerMove(p.own, p.opponent, lookahead, d1, d2, sink);
    return sink.log;
  }

  // The computer's value of a position, averaged over the human's replies.
  float Average(const BoardPosition& p) {
    float score = 0.0f;
    for (int i = 1; i <= 6; ++i) {
      for (int j = i; j <= 6; ++j) {
        const double v = judge->FindBestReply(p.opponent, p.own, i, j);
        score = static_cast<float>(score + v * (i == j ? 1.0 / 36.0 : 1.0 / 18.0));
      }
    }
    return score;
  }
};

// The part of a candidate's log line after its score.
std::string Moves(const std::string& line) {
  return line.substr(line.find("  ") + 2);
}

const MoveEntry* FindLogged(const MoveList& list, const std::string& line) {
  TextLine text;
  for (int i = 0; i < list.count; ++i) {
    FormatCandidateLine(text, 0.0f, list[i]);
    if (Moves(std::string(text.View())) == Moves(line)) return &list[i];
  }
  return nullptr;
}

std::string Score(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.5f", static_cast<double>(v));
  return text;
}

// The computer's last two checkers on its 2 and 1. For 2-1 the list is
// 2/Off 1/Off (wins) then 2/1 1/Off.
SignedBoard LastTwo() {
  return Board({{23, -1}, {24, -1}, {6, 15}});
}

TEST_F(LookAhead, CloseCallReScoresEveryKeptCandidate) {
  // 24/18 18/13 scores a little above the seven others: a close call, and
  // all five kept candidates, the fifth too, get the replies' average.
  ChainNet({{Input(13, 6), 1.0f}});
  const auto plain = Log(StartingPosition(), 6, 5, 0);
  const auto ahead = Log(StartingPosition(), 6, 5, 1);
  ASSERT_EQ(ahead.size(), 8u);
  auto list = std::make_unique<MoveList>();
  const BoardPosition start = PositionFor(StartingPosition(), false);
  BoardPosition p = start;
  EnumerateMoves(p.own, p.opponent, 6, 5, *list);
  for (int k = 2; k < 7; ++k) {
    EXPECT_NE(ahead[k], plain[k]);
    const MoveEntry* logged = FindLogged(*list, ahead[k]);
    ASSERT_NE(logged, nullptr) << ahead[k];
    BoardPosition q = start;
    ApplyEntry(q.own, q.opponent, *logged);
    EXPECT_EQ(ahead[k], Score(Average(q)) + "  " + Moves(ahead[k]));
  }
}

TEST_F(LookAhead, ClearBestLeavesTheStaticScores) {
  ChainNet({{Input(13, 6), -10.0f}}, -10.0f, 4.0f);  // 24/18 18/13 far ahead
  EXPECT_EQ(Log(StartingPosition(), 6, 5, 1), Log(StartingPosition(), 6, 5, 0));
}

TEST_F(LookAhead, OneCandidateIsNeverLookedAt) {
  ZeroNet();
  // The computer's last checker on its 1: bearing it off is the only play,
  // and no first-ply win is logged because the look-ahead does not run.
  const SignedBoard board = Board({{24, -1}, {6, 15}});
  EXPECT_EQ(Log(board, 6, 5, 1),
            (std::vector<std::string>{"1", "1", "0.50000  1-0 255-0 0-0 0-0", "<time>"}));
  EXPECT_EQ(sink.history.back(), "Computer: 6-5: 1/Off ");
}

TEST_F(LookAhead, FirstPlyWinMarksItAndEveryLaterCandidate) {
  ZeroNet();  // all 0.5: a close call
  const std::vector<std::string> expected = {"2",
                                             "2",
                                             "vundet, første lag",
                                             "vundet, første lag",
                                             "0.50000  2-0 1-0 255-0 0-0",
                                             "0.50000  2-1 1-0 255-0 0-0",
                                             "<time>"};
  EXPECT_EQ(Log(LastTwo(), 2, 1, 1), expected);
  EXPECT_EQ(sink.history.back(), "Computer: 2-1: 2/Off 1/Off ");
}

TEST_F(LookAhead, CandidatesBeforeTheWinKeepTheirLookAheadScore) {
  // A checker left on the computer's 1 scores a little higher, so 2/1 1/Off
  // comes first and is looked at; the win after it keeps its static score.
  ChainNet({{Input(1, 1), 1.0f}});
  const auto log = Log(LastTwo(), 2, 1, 1);
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(log[2], "vundet, første lag");
  BoardPosition p = PositionFor(LastTwo(), false);
  MoveEntry keepOne{};
  keepOne.slot = {CheckerMove{2, 1, kNoHit}, CheckerMove{1, 0, kNoHit},
                  CheckerMove{kEndMarker, 0, 0}, CheckerMove{}};
  BoardPosition q = p;
  ApplyEntry(q.own, q.opponent, keepOne);
  EXPECT_EQ(log[3], Score(Average(q)) + "  2-1 1-0 255-0 0-0");
  BoardPosition won = p;
  ApplyEntry(won.own, won.opponent,
             MoveEntry{{CheckerMove{2, 0, kNoHit}, CheckerMove{1, 0, kNoHit},
                        CheckerMove{kEndMarker, 0, 0}, CheckerMove{}}});
  EXPECT_EQ(log[4], Score(EvaluateBoards(won.own, won.opponent)) + "  2-0 1-0 255-0 0-0");
}

}  // namespace

}  // namespace morvik

namespace morvik {

// A roll the human cannot play leaves him the network's value of the position
// as it stands, his side first; closed out, that holds for all 21 rolls, and
// with one point open only the rolls without that number.
TEST(LookAheadNoReply, ARollTheHumanCannotPlayKeepsThePositionAsItStands) {
  RandomNet(11);
  auto s = std::make_unique<SearchScratch>();
  for (const bool open : {false, true}) {
    SignedBoard board = Board(
        {{25, 1}, {6, 14}, {19, -2}, {20, -2}, {21, -2}, {22, -2}, {23, -2}, {24, -2}, {13, -3}});
    if (open)
      board = Board({{25, 1},
                     {6, 14},
                     {19, -2},
                     {20, -2},
                     {21, -2},
                     {22, -2},
                     {23, -2},
                     {13, -5}});  // 24 open: a 1 enters
    const BoardPosition p = PositionFor(board, false);
    const double stands = 1.0 - static_cast<double>(Evaluate(gPackedNet, p.opponent, p.own, *s));
    double expected = 0.0;
    for (const Roll& roll : kRolls) {
      SideBoard human = p.opponent, computer = p.own;
      const double v = roll.low == 1 && open ? 1.0 - PlayBestMove(gPackedNet, kGameSearch, human,
                                                                  computer, roll.low, roll.high, *s)
                                             : stands;
      expected += v * roll.chance;
    }
    EXPECT_NEAR(OnePlyAverage(gPackedNet, kGameSearch, p.own, p.opponent, *s), expected, 1e-6)
        << (open ? "one point open" : "closed out");
  }
}

}  // namespace morvik
