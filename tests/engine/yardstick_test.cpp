// The yardstick command on a fixture of five turns from games against gnubg:
// its arithmetic against answers worked out by hand, and its choices against
// the play command's, found in the set by the position they reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/engine/engine_process.h"
#include "tests/engine/position_ids.h"
#include "tests/support/temp_path.h"

namespace morvik {

namespace {

const std::string kFixture = MORVIK_SOURCE_DIR "/tests/engine/yardstick_fixture.txt";
const std::string kWeights = MORVIK_SOURCE_DIR "/data/gammon.pc";

std::vector<std::string> FixtureLines() {
  std::ifstream in(kFixture);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The position ID, the computer on roll, of play's "board v0,...,v25". A side
// holds at most 15 points; PositionIdOf skips the unused (0, 0) pairs.
std::string ComputerOnRollId(const std::string& out) {
  std::istringstream values(out.substr(out.find("board ") + 6));
  std::pair<int, int> computer[15] = {};
  std::pair<int, int> human[15] = {};
  int nc = 0;
  int nh = 0;
  std::string value;
  for (int i = 0; std::getline(values, value, ','); ++i) {
    const int n = std::stoi(value);
    if (n > 0) human[nh++] = {i, n};  // the human's point i, its bar 25
    if (n < 0) computer[nc++] = {i == 0 ? 25 : 25 - i, -n};
  }
  const auto& c = computer;
  const auto& h = human;
  return PositionIdOf({c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9], c[10], c[11],
                       c[12], c[13], c[14]},
                      {h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7], h[8], h[9], h[10], h[11],
                       h[12], h[13], h[14]});
}

// The equity lost (mp) by the move reaching `result`: the best figure of the
// line minus the move's, 2-ply where it has one.
double LostBy(const std::string& line, const std::string& result) {
  std::istringstream fields(line);
  std::string field;
  fields >> field >> field >> field;
  double best = -9;
  double chosen = 99;
  while (fields >> field) {
    const size_t slash = field.find('/', field.find('='));
    const double equity =
        std::stod(field.substr(slash == std::string::npos ? field.find('=') + 1 : slash + 1));
    best = std::max(best, equity);
    if (field.substr(0, field.find('=')) == result) chosen = equity;
  }
  return 1000 * (best - chosen);
}

std::string FirstLine(const std::string& out) {
  const std::string line = out.substr(0, out.find('\n'));
  return line.substr(0, line.rfind(" in "));  // without the time
}

TEST(EngineYardstick, ScoresTheFixtureAsWorkedByHand) {
  // With zero weights every move ties and the first listed is played.
  const EngineRun run = RunEngine("yardstick --zero-weights --set " + kFixture);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(FirstLine(run.out),
            "zero weights at 0-ply: 149.6 +- 121.4 mp/move lost over 5 turns "
            "(3 of its moves at 2-ply)");
  EXPECT_NE(run.out.find("\n  bear-off     2.2 +- 0.0 mp/move over 1 turns\n"
                         "  contact    202.1 +- 172.8 mp/move over 3 turns\n"
                         "  race       139.4 +- 0.0 mp/move over 1 turns\n"),
            std::string::npos)
      << run.out;
}

TEST(EngineYardstick, ScoresTheMovesThePlayCommandChooses) {
  for (const std::string lookahead : {"", " --lookahead"}) {
    SCOPED_TRACE(lookahead);
    double total = 0;
    const std::vector<std::string> lines = FixtureLines();
    for (const std::string& line : lines) {
      const std::string id = line.substr(0, 14);
      const std::string dice = line.substr(15, 1) + " " + line.substr(16, 1);
      const EngineRun play = RunEngine("play --position-id " + id + " --dice " + dice +
                                       " --weights " + kWeights + lookahead);
      ASSERT_EQ(play.status, 0) << play.err;
      const double lost = LostBy(line, ComputerOnRollId(play.out));
      ASSERT_LT(lost, 3000) << line << "\n" << play.out;  // found in the line
      total += lost;
    }
    const EngineRun run = RunEngine("yardstick --weights " + kWeights + lookahead + " --set " +
                                    kFixture + " --against " + kWeights);
    ASSERT_EQ(run.status, 0) << run.err;
    char mean[32];
    std::snprintf(mean, sizeof mean, ": %.1f +- ", total / static_cast<double>(lines.size()));
    EXPECT_NE(FirstLine(run.out).find(mean), std::string::npos) << mean << "\n" << run.out;
    EXPECT_NE(run.out.find("minus " + kWeights + "): +0.0 +- 0.0 mp/move"), std::string::npos)
        << run.out;
  }
}

TEST(EngineYardstick, AMoveTheSetDoesNotListIsAFault) {
  // Zero weights play the race's last listed move; drop it from the line.
  std::string text;
  for (const std::string& line : FixtureLines()) {
    const size_t at = line.find(" fe4OAAC/7oIAAA=");
    text += (at == std::string::npos ? line : line.substr(0, at)) + "\n";
  }
  const std::string path = UniqueTempPath("yardstick.txt");
  std::ofstream(path) << text;
  const EngineRun run = RunEngine("yardstick --zero-weights --set " + path);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("lists no move reaching the position chosen in fe4OAADfbsEAAA with 61"),
            std::string::npos)
      << run.err;
  std::filesystem::remove(path);
}

}  // namespace

}  // namespace morvik
