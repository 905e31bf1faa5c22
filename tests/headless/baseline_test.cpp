#include "headless/baseline.h"

#include <gtest/gtest.h>

#include <string>

#include "rules/enumerate.h"
#include "rules/primitives.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {
std::string DataDir() {
  return std::string(MORVIK_SOURCE_DIR) + "/data/pubeval";
}

// Indices and values of the non-zero inputs, the human moving.
std::vector<std::pair<int, double>> NonZero(const SignedBoard& board) {
  const BoardPosition p = PositionFor(board, true);
  double x[kBaselineInputs];
  BaselineInputs(p.own, p.opponent, x);
  std::vector<std::pair<int, double>> out;
  for (int i = 0; i < kBaselineInputs; ++i) {
    if (x[i] != 0.0) out.emplace_back(i, x[i]);
  }
  return out;
}

using Inputs = std::vector<std::pair<int, double>>;

TEST(BaselineInputs, StartingPositionSetsOnlyTheMoversPoints) {
  // 24-point (block 0) two; 13-point (block 11) five; 8 (block 16) three;
  // 6 (block 18) five. The opponent's points all hold two or more.
  EXPECT_EQ(NonZero(StartingPosition()),
            (Inputs{{2, 1.0}, {57, 1.0}, {59, 1.0}, {82, 1.0}, {83, 1.0}, {92, 1.0}, {94, 1.0}}));
}

TEST(BaselineInputs, BlotsBarAndBorneOff) {
  // Mover: a blot on 3, four on 5, ten off. Opponent: one on the bar, a
  // blot on the mover's 20-point, thirteen off.
  const SignedBoard b = Board({{3, 1}, {5, 4}, {0, -1}, {20, -1}});
  EXPECT_EQ(NonZero(b),
            (Inputs{{20, 1.0}, {97, 1.0}, {99, 0.5}, {106, 1.0}, {120, 0.5}, {121, 10.0 / 15.0}}));
}

TEST(BaselineInputs, RaceNeedsEveryCheckerPast) {
  const BoardPosition race = PositionFor(Board({{3, 10}, {6, 5}, {10, -15}}), true);
  EXPECT_TRUE(IsRace(race.own, race.opponent));
  const BoardPosition contact = PositionFor(Board({{11, 1}, {6, 14}, {10, -15}}), true);
  EXPECT_FALSE(IsRace(contact.own, contact.opponent));
  // One opposing checker still behind the mover's rearmost, the rest far ahead.
  const BoardPosition straggler = PositionFor(Board({{11, 1}, {6, 14}, {10, -1}, {20, -14}}), true);
  EXPECT_FALSE(IsRace(straggler.own, straggler.opponent));
  // Opposing checkers both behind and ahead of the mover's: the one behind
  // decides, wherever the others stand.
  const BoardPosition split = PositionFor(Board({{10, 15}, {5, -1}, {20, -14}}), true);
  EXPECT_FALSE(IsRace(split.own, split.opponent));
  const BoardPosition past = PositionFor(Board({{4, 15}, {5, -1}, {20, -14}}), true);
  EXPECT_TRUE(IsRace(past.own, past.opponent));
  const BoardPosition onBar = PositionFor(Board({{6, 15}, {0, -1}, {20, -14}}), true);
  EXPECT_FALSE(IsRace(onBar.own, onBar.opponent));
  EXPECT_FALSE(IsRace(PositionFor(StartingPosition(), true).own,
                      PositionFor(StartingPosition(), true).opponent));
}

TEST(BaselinePlayer, MakesTheFivePointWithThreeOne) {
  BaselineWeights w;
  std::string error;
  ASSERT_TRUE(LoadBaseline(DataDir(), w, error)) << error;
  BoardPosition p = PositionFor(StartingPosition(), true);
  static MoveList list;
  EnumerateMoves(p.own, p.opponent, 3, 1, list);
  const int pick = ChooseBaselineMove(w, p.own, p.opponent, list);
  ASSERT_GE(pick, 0);
  ApplyEntry(p.own, p.opponent, list[pick]);
  EXPECT_EQ(CountCheckers(p.own, 5), 2);
  EXPECT_EQ(CountCheckers(p.own, 8), 2);
  EXPECT_EQ(CountCheckers(p.own, 6), 4);
}

TEST(BaselinePlayer, BearingOffTheLastCheckerAlwaysWins) {
  BaselineWeights w;  // all zero: every other move scores the same
  BoardPosition p = PositionFor(Board({{2, 1}, {6, 1}, {10, -15}}), true);
  static MoveList list;
  EnumerateMoves(p.own, p.opponent, 6, 2, list);
  const int pick = ChooseBaselineMove(w, p.own, p.opponent, list);
  ASSERT_GE(pick, 0);
  ApplyEntry(p.own, p.opponent, list[pick]);
  EXPECT_EQ(CountCheckers(p.own, kOffRow), 15);
}

TEST(BaselineWeights, MissingDirectoryIsReported) {
  BaselineWeights w;
  std::string error;
  EXPECT_FALSE(LoadBaseline("/nonexistent", w, error));
  EXPECT_NE(error.find("contact.txt"), std::string::npos);
}
}  // namespace

}  // namespace morvik
