// The rollout command through the real process: both forms' output, and the
// labelling of a positions file that resumes where it stopped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "tests/engine/engine_process.h"
#include "tests/support/temp_path.h"

namespace morvik {

namespace {

const std::string kWeights = std::string(" --weights ") + MORVIK_SOURCE_DIR + "/data/gammon.pc";
const std::string kStart = "0,-2,0,0,0,0,5,0,3,0,0,0,-5,5,0,0,0,-3,0,-5,0,0,0,0,2,0";

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// One checker each in a race: the side on roll's six point against the
// other's ace point, 27 of the 36 rolls winning at once.
TEST(EngineRollout, APositionsEquityIntervalAndShares) {
  const EngineRun run =
      RunEngine("rollout --board 0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,-1,0 --trials 72" +
                kWeights);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "equity +0.500 +- 0.000\ntrials 72\nwin 0.7500 gammon 0.0000 backgammon 0.0000\n"
            "lose 0.2500 gammon 0.0000 backgammon 0.0000\n");
  const EngineRun start =
      RunEngine("rollout --board " + kStart + " --trials 72 --truncate 2 --threads 2" + kWeights);
  EXPECT_TRUE(std::regex_match(start.out,
                               std::regex("equity [-+]0\\.\\d{3} \\+- 0\\.\\d{3}\ntrials 72\n"
                                          "win 0\\.0000 gammon 0\\.0000 backgammon 0\\.0000\n"
                                          "lose 0\\.0000 gammon 0\\.0000 backgammon 0\\.0000\n")))
      << start.out;
}

// The opening 6-5 from the start: each distinct move once, best first;
// --moves keeps the best by static value.
TEST(EngineRollout, EveryMoveOfARollBestFirst) {
  const EngineRun all =
      RunEngine("rollout --board " + kStart + " --dice 6 5 --trials 36 --truncate 2" + kWeights);
  ASSERT_EQ(all.status, 0) << all.err;
  const std::regex line(
      "(\\d+): ([^ ]+ [^ ]+) equity ([-+]\\d\\.\\d{3}) \\+- \\d\\.\\d{3} static "
      "([-+]\\d\\.\\d{3})");
  std::istringstream lines(all.out);
  std::string text;
  double previous = 10.0;
  int count = 0;
  while (std::getline(lines, text)) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(text, m, line)) << text;
    EXPECT_EQ(std::stoi(m[1]), ++count);
    EXPECT_LE(std::stod(m[3]), previous);
    previous = std::stod(m[3]);
  }
  EXPECT_EQ(count, 7);  // 8 listed, 13/7 7/2 and 8/2 13/8 reaching one position
  EXPECT_NE(all.out.find("24/18 18/13 equity"), std::string::npos);
  const EngineRun two = RunEngine("rollout --board " + kStart +
                                  " --dice 6 5 --trials 36 --truncate 2 --moves 2" + kWeights);
  EXPECT_EQ(std::count(two.out.begin(), two.out.end(), '\n'), 2);
}

// A labelling run stopped after its first position resumes from the
// journal and writes the same file as a run that was never stopped.
TEST(EngineRollout, LabellingResumesToTheSameFile) {
  const std::string positions = UniqueTempPath("label.pos"), whole = UniqueTempPath("whole.pos"),
                    resumed = UniqueTempPath("resumed.pos");
  const std::string collect =
      std::string(MORVIK_TRAIN) + " --collect " + positions + " --resume " + MORVIK_SOURCE_DIR +
      "/data/gammon.pc --games 1 --seed 3 --threads 1 --bench-every 0 2>/dev/null";
  ASSERT_EQ(std::system(collect.c_str()), 0);
  const std::string options = " --trials 36 --truncate 1 --seed 5 --quiet" + kWeights;
  const EngineRun run =
      RunEngine("rollout --positions " + positions + " --output " + whole + options);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string labels = ReadAll(whole);
  ASSERT_EQ(labels.substr(0, 8), "MVKLBL1\n");
  // The journal of a run stopped after one position and a half.
  std::ofstream(resumed + ".journal", std::ios::binary) << labels.substr(16, 90);
  ASSERT_EQ(RunEngine("rollout --positions " + positions + " --output " + resumed + options).status,
            0);
  EXPECT_EQ(ReadAll(resumed), labels);
  EXPECT_FALSE(std::ifstream(resumed + ".journal").good());
  // A journal of other positions is refused.
  std::ofstream(resumed + ".journal", std::ios::binary) << std::string(60, '\1');
  EXPECT_EQ(RunEngine("rollout --positions " + positions + " --output " + resumed + options).status,
            2);
  for (const std::string& p : {positions, whole, resumed, resumed + ".journal"})
    std::remove(p.c_str());
}

}  // namespace

}  // namespace morvik
