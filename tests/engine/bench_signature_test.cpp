// The bench signature sums up every move list, evaluation and move choice of
// the bench positions: it must equal the line kept in the repository, which
// changes only with an intended change of behaviour.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/engine/engine_process.h"

namespace morvik {

namespace {

// The first line of `text` starting with `label`.
std::string LineOf(const std::string& text, const std::string& label) {
  const size_t at = text.find("\n" + label);
  if (at == std::string::npos) return "";
  return text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}

std::string SignatureLine(const std::string& text) {
  const size_t at = text.find("signature:");
  if (at == std::string::npos) return "";
  return text.substr(at, text.find('\n', at) - at);
}

// The recorded lines: the fixed set's, then the real-game sample's.
void ReadRecorded(std::string& fixed, std::string& sample) {
  std::ifstream in(MORVIK_SOURCE_DIR "/tests/engine/bench_signature.txt");
  std::getline(in, fixed);
  std::getline(in, sample);
}

TEST(BenchSignature, EqualsTheRecordedValue) {
  std::string fixed, sample;
  ReadRecorded(fixed, sample);
  ASSERT_FALSE(fixed.empty()) << "no recorded signature";
  ASSERT_FALSE(sample.empty()) << "no recorded sample signature";
  const EngineRun run = RunEngine("bench --seconds 0");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(SignatureLine(run.out), fixed);
  EXPECT_EQ(LineOf(run.out, "sample signature:"), sample);
}

// The moves chosen, with and without the look-ahead, are the same on the lower
// vector paths (those this processor has) as on its best one.
TEST(BenchSignature, LowerVectorPathsGiveTheRecordedValues) {
  std::string fixed, sample;
  ReadRecorded(fixed, sample);
  for (const char* path : {"sse2", "avx2"}) {
    const EngineRun run = RunEngine(std::string("bench --seconds 0 --path ") + path);
    if (run.status != 0) continue;  // a path this processor does not have
    EXPECT_EQ(SignatureLine(run.out), fixed) << path;
    EXPECT_EQ(LineOf(run.out, "sample signature:"), sample) << path;
  }
}

}  // namespace

}  // namespace morvik
