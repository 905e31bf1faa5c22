#include <gtest/gtest.h>
#include <unistd.h>

#include <ostream>

#include <cstdio>

#include "tests/engine/engine_process.h"

namespace {

const std::string kStart = "0,-2,0,0,0,0,5,0,3,0,0,0,-5,5,0,0,0,-3,0,-5,0,0,0,0,2,0";

TEST(EngineMoves, ListsEntriesInTheMoversNumbering) {
  const EngineRun run = RunEngine("moves --board " + kStart + " --dice 6 5 --side human");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "entries 8 usable 2\n1: 8/2 8/3\n2: 8/2 13/8\n3: 13/7 7/2\n4: 13/7 8/3\n5: 13/7 13/8\n"
            "6: 24/18 8/3\n7: 24/18 13/8\n8: 24/18 18/13\n");
}

TEST(EngineMoves, ComputerSideHitsAndEntersInItsOwnNumbering) {
  // Computer on its bar, a human blot on the computer's 20 (the human's 5).
  const std::string board = "-1,0,0,0,0,1,5,0,3,0,0,0,-5,5,0,0,0,-3,0,-6,0,0,0,0,1,0";
  const EngineRun run = RunEngine("moves --board " + board + " --dice 5 1 --side computer");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "entries 5 usable 2");
  EXPECT_EQ(
      run.out,
      "entries 5 usable 2\n1: B/20* 6/5\n2: B/20* 8/7\n3: B/24 6/1*\n4: B/24 8/3\n5: B/24 13/8\n");
}

TEST(EngineMoves, EmptyListPrintsOnlyTheCount) {
  const std::string board = "0,-11,0,0,0,0,14,0,0,0,0,0,0,0,0,0,0,0,0,-2,-2,0,0,0,0,1";
  const EngineRun run = RunEngine("moves --board " + board + " --dice 6 5 --side human");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "entries 0 usable 0\n");
}

TEST(EngineMoves, PositionIdOfTheStartMatchesTheBoard) {
  const EngineRun byId = RunEngine("moves --position-id 4HPwATDgc/ABMA --dice 6 5 --side human");
  const EngineRun byBoard = RunEngine("moves --board " + kStart + " --dice 6 5 --side human");
  ASSERT_EQ(byId.status, 0) << byId.err;
  EXPECT_EQ(byId.out, byBoard.out);
}

TEST(EngineMoves, PositionIdPutsTheSideOnRollInTheMoversPlace) {
  // The start with one of the roller's back checkers taken away (an ID made
  // by GNU Backgammon for that position, the roller at the bottom).
  const std::string oneBack = "0,-2,0,0,0,0,5,0,3,0,0,0,-5,5,0,0,0,-3,0,-5,0,0,0,0,1,0";
  const EngineRun byId = RunEngine("moves --position-id 4HPwATDgc/ABEA --dice 3 1 --side human");
  const EngineRun byBoard = RunEngine("moves --board " + oneBack + " --dice 3 1 --side human");
  ASSERT_EQ(byId.status, 0) << byId.err;
  EXPECT_EQ(byId.out, byBoard.out);
  const EngineRun computer =
      RunEngine("moves --position-id 4HPwATDgc/ABEA --dice 3 1 --side computer");
  const EngineRun start = RunEngine("moves --board " + kStart + " --dice 3 1 --side computer");
  EXPECT_NE(computer.out, start.out);
}

TEST(EngineEval, AllZeroWeightsWithoutAFileGiveOneHalf) {
  // An empty file: a device such as /dev/null is not read as a weight file.
  const std::string empty = testing::TempDir() + "engine_empty.pc";
  std::fclose(std::fopen(empty.c_str(), "wb"));
  const EngineRun run = RunEngine("eval --board " + kStart + " --weights " + empty);
  std::remove(empty.c_str());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "0.5\n");
}

struct BadInput {
  const char* args;
  const char* says;
};

void PrintTo(const BadInput& b, std::ostream* os) { *os << b.args; }

class EngineBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(EngineBadInput, OneLineOnStderrAndStatusTwo) {
  const EngineRun run = RunEngine(GetParam().args);
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.empty()) << run.out;
  EXPECT_NE(run.err.find(GetParam().says), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rejected, EngineBadInput,
    ::testing::Values(
        BadInput{"moves --board 1,2,3 --dice 6 5 --side human", "26 comma-separated values"},
        BadInput{"moves --board 0,-2,0,0,0,0,5,0,3,0,0,0,-5,5,0,0,0,-3,0,-5,0,0,0,0,3,0 --dice 6 5 "
                 "--side human",
                 "16 checkers"},
        BadInput{"moves --board 0,-2,0,0,0,0,5,0,3,0,0,0,-5,5,0,0,0,-3,0,-5,0,0,0,0,2,0 --dice 7 5 "
                 "--side human",
                 "die must lie in 1..6"},
        BadInput{"moves --board 0,-2,0,0,0,0,5,0,3,0,0,0,-5,5,0,0,0,-3,0,-5,0,0,0,0,2,0 --dice 6 5 "
                 "--side both",
                 "--side must be"},
        BadInput{"moves --board 0,-2,0,0,0,0,5,0,3,0,0,0,-5,x,0,0,0,-3,0,-5,0,0,0,0,2,0 --dice 6 5 "
                 "--side human",
                 "not an integer"},
        BadInput{"moves --frobnicate", "unknown option"},
        BadInput{"moves --position-id 4HPwATDgc/ABM! --dice 6 5 --side human", "invalid character"},
        BadInput{"eval --board 0,-2,0,0,0,0,5,0,3,0,0,0,-5,5,0,0,0,-3,0,-5,0,0,0,0,2,0 --weights "
                 "/no/such/file",
                 "cannot read weight file"},
        BadInput{"eval --board 0,-2,0,0,0,0,5,0,3,0,0,0,-5,5,0,0,0,-3,0,-5,0,0,0,0,2,0 --weights /",
                 "cannot read weight file"},
        BadInput{"teleport", "unknown command"}));

}  // namespace
