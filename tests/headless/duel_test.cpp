#include "headless/duel.h"

#include <gtest/gtest.h>

#include <string>

#include "headless/dice_stream.h"
#include "headless/players.h"
#include "net/network.h"
#include "net/weight_file.h"
#include "tests/headless/first_listed_player.h"

namespace morvik {

namespace {
BaselineWeights LoadedBaseline() {
  BaselineWeights w;
  std::string error;
  EXPECT_TRUE(LoadBaseline(std::string(MORVIK_SOURCE_DIR) + "/data/pubeval", w, error)) << error;
  return w;
}

TEST(Duel, SamePlayerOnBothSeatsComesOutExactlyEven) {
  static const BaselineWeights w = LoadedBaseline();
  static MoveList scratch;
  BaselinePlayer a(w, scratch);
  BaselinePlayer b(w, scratch);
  const DuelResult r = PlayDuel(a, b, 40, 3, {});
  EXPECT_EQ(r.Games(), 80);
  EXPECT_EQ(r.wins, 40);
  EXPECT_EQ(r.points, 0);
  EXPECT_EQ(r.gammons + r.backgammons, r.lostGammons + r.lostBackgammons);
  EXPECT_DOUBLE_EQ(r.WinRateMargin(), 0.0);
}

TEST(Duel, NetworkAgainstItselfComesOutExactlyEven) {
  SetUpProgramNet(nullptr);
  static float values[kWeightCount];
  DiceStream random(21);
  for (float& v : values)
    v = static_cast<float>(static_cast<int>(random.Next() % 2001) - 1000) / 5000.0f;
  StoreWeights(values);
  static ComputerPlayer computer(gPackedNet);
  NetworkPlayer a(computer, false);
  NetworkPlayer b(computer, false);
  const DuelResult r = PlayDuel(a, b, 10, 8, {});
  EXPECT_EQ(r.wins, 10);
  EXPECT_EQ(r.points, 0);
}

TEST(Duel, FiguresAreTheFirstPlayers) {
  static const BaselineWeights w = LoadedBaseline();
  static MoveList scratch;
  BaselinePlayer strong(w, scratch);
  static FirstListedPlayer weak;
  int calls = 0;
  const DuelResult r = PlayDuel(strong, weak, 30, 1, [&](const DuelResult&) { ++calls; });
  EXPECT_EQ(calls, 30);
  EXPECT_GT(r.WinRate(), 0.8);
  EXPECT_GT(r.PointsPerGame(), 0.8);
  const DuelResult back = PlayDuel(weak, strong, 30, 1, {});
  EXPECT_EQ(back.wins, r.Games() - r.wins);
  EXPECT_EQ(back.points, -r.points);
}

TEST(Duel, MarginsComeFromTheSpreadOfThePairs) {
  DuelResult r;  // pairs won 2, 0, 2, 0
  r.pairs = 4;
  r.wins = 4;
  r.pairWinsSquared = 8;
  r.points = 4;
  r.pairPointsSquared = 8;
  // pair variance (8 - 4) / 3, per-game margin 1.96 * sqrt(var / 4) / 2
  EXPECT_NEAR(r.WinRateMargin(), 0.5658, 1e-4);
  EXPECT_NEAR(r.PointsMargin(), 0.5658, 1e-4);
  EXPECT_DOUBLE_EQ(r.WinRate(), 0.5);
}
}  // namespace

}  // namespace morvik
