#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>

#include "tests/engine/engine_process.h"
#include "tests/engine/position_ids.h"
#include "tests/support/temp_path.h"

namespace morvik {

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

TEST(EngineEval, ZeroWeightsGiveOneHalfForEitherForm) {
  for (const std::string& position :
       {"--board " + kStart, std::string("--position-id 4HPwATDgc/ABMA")}) {
    const EngineRun run = RunEngine("eval " + position + " --zero-weights");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "0.5\n");
  }
}

double Eval(const std::string& args) {
  const EngineRun run =
      RunEngine("eval " + args + " --weights " MORVIK_SOURCE_DIR "/data/gammon.pc");
  EXPECT_EQ(run.status, 0) << run.err;
  return std::stod(run.out);
}

// A position ID is answered for the side on roll, a board for the computer
// having just moved, the human on roll. The shipped weights value a sure
// gammon at 5/6 and a sure gammon lost at 1/6.
TEST(EngineEval, PositionIdAnswersForTheSideOnRoll) {
  // The side on roll bears off its last two checkers with any roll.
  const std::string winsNow = PositionIdOf({{1, 1}, {2, 1}}, {{19, 15}});
  EXPECT_GT(Eval("--position-id " + winsNow), 0.75);
  // The side on roll has all 15 on its 13-point; the other bears off next.
  const std::string losesNext = PositionIdOf({{13, 15}}, {{1, 1}, {2, 1}});
  const double onRoll = Eval("--position-id " + losesNext);
  EXPECT_LT(onRoll, 0.25);
  // The same position as a board, the human on roll: the computer's chance,
  // so the two answers add up to one.
  const double computer = Eval("--board 0,0,0,0,0,0,0,0,0,0,0,0,0,15,0,0,0,0,0,0,0,0,0,-1,-1,0");
  EXPECT_NEAR(onRoll + computer, 1.0, 1e-7);
}

TEST(EngineEval, TestIdsMatchTheIdsOfOtherPrograms) {
  EXPECT_EQ(PositionIdOf({{6, 5}, {8, 3}, {13, 5}, {24, 2}}, {{6, 5}, {8, 3}, {13, 5}, {24, 2}}),
            "4HPwATDgc/ABMA");
  EXPECT_EQ(PositionIdOf({{6, 5}, {8, 3}, {13, 5}, {24, 1}}, {{6, 5}, {8, 3}, {13, 5}, {24, 2}}),
            "4HPwATDgc/ABEA");
}

// An engine outside the build tree, as installed: duel reads the baseline from
// share/morvik/pubeval beside its bin folder and names that folder when it is
// missing, never falling back to the tree it was built in.
TEST(EngineDuel, InstalledEngineFindsTheInstalledBaseline) {
  namespace fs = std::filesystem;
  const fs::path prefix = UniqueTempPath("prefix");
  fs::create_directories(prefix / "bin");
  fs::copy_file(MORVIK_ENGINE, prefix / "bin" / "morvik-engine");
  const auto duel = [&] {
    const std::string command =
        (prefix / "bin" / "morvik-engine").string() + " duel --games 2 --zero-weights --quiet 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    return std::make_pair(::pclose(pipe), out);
  };
  const auto [missing, said] = duel();
  EXPECT_NE(missing, 0);
  EXPECT_NE(said.find("no baseline weights in " + (prefix / "share/morvik/pubeval").string()),
            std::string::npos)
      << said;
  fs::create_directories(prefix / "share/morvik");
  fs::copy(MORVIK_SOURCE_DIR "/data/pubeval", prefix / "share/morvik/pubeval");
  const auto [found, result] = duel();
  EXPECT_EQ(found, 0) << result;
  fs::remove_all(prefix);
}

// Every command's --help succeeds and gives each of its options a line of help.
TEST(EngineHelp, EveryOptionOfEveryCommandIsDescribed) {
  for (const char* command :
       {"moves", "eval", "play", "reply", "bench", "duel", "ubgi", "yardstick"}) {
    SCOPED_TRACE(command);
    const EngineRun run = RunEngine(std::string(command) + " --help");
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    int options = 0;
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("  --", 0) != 0) continue;
      ++options;
      std::istringstream words(line);
      std::string name, word;
      words >> name >> word;
      if (word == "VALUE" || word == "VALUES") words >> word;
      EXPECT_FALSE(word.empty()) << "no help for " << name;
    }
    EXPECT_GE(options, 3);
  }
}

}  // namespace

}  // namespace morvik
