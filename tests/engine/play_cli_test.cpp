// The engine's play and reply commands, run as a separate process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <vector>

#include "tests/engine/engine_process.h"

namespace morvik {

namespace {

const std::string kStart = "0,-2,0,0,0,0,5,0,3,0,0,0,-5,5,0,0,0,-3,0,-5,0,0,0,0,2,0";

// Drops the elapsed-time line, which differs from run to run.
std::string WithoutTime(const std::string& out, std::string& time) {
  const size_t board = out.find("board ");
  const size_t lineStart = out.rfind("log ", board);
  time = out.substr(lineStart + 4, board - lineStart - 5);
  return out.substr(0, lineStart) + out.substr(board);
}

TEST(EnginePlay, PrintsHistoryLogAndTheBoardAfterTheMove) {
  const EngineRun run = RunEngine("play --board " + kStart + " --dice 6 5 --zero-weights");
  ASSERT_EQ(run.status, 0) << run.err;
  std::string time;
  EXPECT_EQ(WithoutTime(run.out, time),
            "history Computer: 6-5: 8/2 8/3 \n"
            "log 8\nlog 5\n"
            "log 0.50000  8-2 8-3 255-0 0-0\nlog 0.50000  8-2 13-8 255-0 0-0\n"
            "log 0.50000  13-7 7-2 255-0 0-0\nlog 0.50000  13-7 8-3 255-0 0-0\n"
            "log 0.50000  13-7 13-8 255-0 0-0\n"
            "board 0,-2,0,0,0,0,5,0,3,0,0,0,-5,5,0,0,0,-1,0,-5,0,0,-1,-1,2,0\n");
  EXPECT_EQ(time.size(), 15u) << time;  // hh:mm:ss.ssssss
}

TEST(EnginePlay, LookAheadWritesFirstPlyWinsInUtf8) {
  const std::string lastTwo = "0,0,0,0,0,0,15,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,-1,-1,0";
  const EngineRun run =
      RunEngine("play --board " + lastTwo + " --dice 2 1 --lookahead --zero-weights");
  ASSERT_EQ(run.status, 0) << run.err;
  std::string time;
  EXPECT_EQ(WithoutTime(run.out, time),
            "history Computer: 2-1: 2/Off 1/Off \n"
            "log 2\nlog 2\nlog vundet, f\xC3\xB8rste lag\nlog vundet, f\xC3\xB8rste lag\n"
            "log 0.50000  2-0 1-0 255-0 0-0\nlog 0.50000  2-1 1-0 255-0 0-0\n"
            "board 0,0,0,0,0,0,15,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n");
}

TEST(EngineReply, PrintsTheValueAndTheHumansReply) {
  const EngineRun run = RunEngine("reply --board " + kStart + " --dice 6 5 --zero-weights");
  ASSERT_EQ(run.status, 0) << run.err;
  // All plays tie: the human's first, 8/2 8/3, is played.
  EXPECT_EQ(run.out, "0.5\nboard 0,-2,1,1,0,0,5,0,1,0,0,0,-5,5,0,0,0,-3,0,-5,0,0,0,0,2,0\n");
}

TEST(EnginePlay, BadInputIsAUsageError) {
  for (const std::string& args : std::vector<std::string>{
           "play --board " + kStart + " --dice 6", "play --board " + kStart + " --dice 6 7",
           "play --dice 6 5", "reply --board " + kStart + " --dice 6 5 --lookahead",
           "play --board 1,2,3 --dice 6 5",
           "play --board " + kStart + " --dice 6 5 --weights /nonexistent/w.pc"}) {
    const EngineRun run = RunEngine(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_TRUE(run.out.empty()) << args;
    EXPECT_FALSE(run.err.empty()) << args;
  }
}

}  // namespace

}  // namespace morvik
